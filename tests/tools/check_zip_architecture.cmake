# A zip users download holds the whole application folder, and its programs are
# of the zip's architecture: the PE header's machine field and optional header,
# the encoder large address aware in the x86 zip, and the front end's manifest
# naming the same architecture (the loader refuses a program whose manifest
# names another).
# Run with -DZIP=<zip> -DARCHITECTURE=<x86 or x64> -DWORK_DIR=<scratch folder>.
cmake_minimum_required(VERSION 3.21)
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf "${ZIP}" WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "cannot unpack ${ZIP}")
endif()
set(app "${WORK_DIR}/mosa-trevlin")

foreach(name mosa-trevlin.exe encoder/screnc.exe help/index.html readme.txt
             samples/hello.vbs samples/hello.js)
  if(NOT EXISTS "${app}/${name}")
    message(SEND_ERROR "the zip has no mosa-trevlin/${name}")
  endif()
endforeach()

# A little-endian number of `size` bytes at `offset` of the file.
function(read_number out file offset size)
  file(READ "${file}" hex OFFSET ${offset} LIMIT ${size} HEX)
  set(number 0)
  string(LENGTH "${hex}" length)
  while(length GREATER 0)
    math(EXPR length "${length} - 2")
    string(SUBSTRING "${hex}" ${length} 2 byte)
    math(EXPR number "${number} * 256 + 0x${byte}")
  endwhile()
  set(${out} ${number} PARENT_SCOPE)
endfunction()

# machine, optional header magic, whether the encoder must be large address aware
if(ARCHITECTURE STREQUAL x64)
  set(expected 0x8664 0x20b OFF amd64)
else()
  set(expected 0x14c 0x10b ON x86)
endif()
list(GET expected 0 machine)
list(GET expected 1 magic)
set(wanted "machine ${machine}, optional header ${magic}")
list(GET expected 2 encoder_large)
list(GET expected 3 manifest)
# if() compares decimal numbers only.
math(EXPR machine "${machine}")
math(EXPR magic "${magic}")
math(EXPR pe_signature "0x4550")

foreach(name mosa-trevlin.exe encoder/screnc.exe)
  set(program "${app}/${name}")
  if(NOT EXISTS "${program}")
    continue()
  endif()
  read_number(header "${program}" 60 4)
  read_number(signature "${program}" ${header} 4)
  math(EXPR at "${header} + 4")
  read_number(found_machine "${program}" ${at} 2)
  math(EXPR at "${header} + 22")
  read_number(characteristics "${program}" ${at} 2)
  math(EXPR at "${header} + 24")
  read_number(found_magic "${program}" ${at} 2)
  math(EXPR large "${characteristics} & 0x20")
  if(NOT signature EQUAL pe_signature)
    message(SEND_ERROR "${name}: no PE header")
  elseif(NOT found_machine EQUAL machine OR NOT found_magic EQUAL magic)
    math(EXPR found_machine "${found_machine}" OUTPUT_FORMAT HEXADECIMAL)
    math(EXPR found_magic "${found_magic}" OUTPUT_FORMAT HEXADECIMAL)
    message(SEND_ERROR "${name}: machine ${found_machine}, optional header ${found_magic}; "
                       "the ${ARCHITECTURE} zip needs ${wanted}")
  elseif(name MATCHES "screnc" AND encoder_large AND large EQUAL 0)
    message(SEND_ERROR "${name}: not large address aware, limited to 2 GB of memory")
  endif()
endforeach()

file(STRINGS "${app}/mosa-trevlin.exe" identity REGEX "name=\"mosa-trevlin\"")
if(NOT identity MATCHES "processorArchitecture=\"${manifest}\"")
  message(SEND_ERROR "the manifest of mosa-trevlin.exe does not name ${manifest}: ${identity}")
endif()
