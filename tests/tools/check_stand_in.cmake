# The end-to-end tests trust what the stand-in encoder reports and writes; this
# checks it on its own, so a fault of the tool is not taken for one of the program.
# Run with -DENCODER=<exe> -DEMULATOR=<wine or empty> -DWORK_DIR=<scratch folder>.
cmake_minimum_required(VERSION 3.21)
file(REMOVE_RECURSE "${WORK_DIR}")
set(out_folder "${WORK_DIR}/出力 先")
file(MAKE_DIRECTORY "${out_folder}")

# SEND_ERROR lets every check report before the run is marked failed.
function(fail message)
  message(SEND_ERROR "${message}")
endfunction()

# Compared as hex: CMake reads text files with their CRs dropped.
function(expect_line case line)
  string(HEX "\r\n${line}\r\n" needle)
  string(FIND "${out_hex}" "${needle}" at)
  if(at EQUAL -1)
    fail("${case}: no line '${line}' in: ${out}")
  endif()
endfunction()

# Relative paths: the folder has the same name on both sides of Wine. The output
# goes through a file, as into the program's log.
function(run_encoder)
  execute_process(COMMAND ${EMULATOR} ${ENCODER} ${ARGN}
                  WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE code OUTPUT_FILE "${WORK_DIR}/encoder.log")
  file(READ "${WORK_DIR}/encoder.log" out)
  file(READ "${WORK_DIR}/encoder.log" out_hex HEX)
  set(code "${code}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(out_hex "${out_hex}" PARENT_SCOPE)
endfunction()

# A normal run: every argument reported, CR LF line ends, the output written to
# a folder with a Japanese name, the input's bytes kept behind the marker line.
set(input "Dim a\r\nSLEEP=10\r\n")
file(WRITE "${WORK_DIR}/in put.vbs" "${input}")
run_encoder(/e sct "in put.vbs" "出力 先/a.vbe")
if(NOT code EQUAL 0)
  fail("normal run: exit code ${code}")
endif()
string(HEX "stand-in encoder\r\ncmdline=" banner)
string(FIND "${out_hex}" "${banner}" at)
if(NOT at EQUAL 0)
  fail("normal run: output does not begin with the banner: ${out}")
endif()
foreach(line "argc=4" "arg1=/e" "arg2=sct" "arg3=in put.vbs")
  expect_line("normal run" "${line}")
endforeach()
string(HEX "encoded by stand-in\r\n${input}" expected)
if(NOT EXISTS "${out_folder}/a.vbe")
  fail("normal run: no output file")
else()
  file(READ "${out_folder}/a.vbe" written HEX)
  if(NOT written STREQUAL expected)
    fail("normal run: output holds ${written}, not ${expected}")
  endif()
endif()

# Asked to fail: exit code 1, the reason in the log, no output file.
file(WRITE "${WORK_DIR}/fail.vbs" "x FAIL x")
run_encoder("fail.vbs" "failed.vbe")
if(NOT code EQUAL 1)
  fail("failing run: exit code ${code}")
endif()
expect_line("failing run" "error: asked to fail")
if(EXISTS "${WORK_DIR}/failed.vbe")
  fail("failing run: output file written")
endif()

# A missing input: exit code 2 and its message.
run_encoder("missing.vbs" "missing.vbe")
if(NOT code EQUAL 2)
  fail("missing input: exit code ${code}")
endif()
expect_line("missing input" "error: cannot read input")
