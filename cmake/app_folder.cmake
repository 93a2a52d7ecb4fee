# Lays out the application folder as users unpack it (the program, our encoder
# in encoder\, the help page, the readme and two sample scripts in samples\) and
# packs it into a zip. The readme and the samples are written in code page 932
# with CR LF, which Notepad and the script host on a Japanese system read as they are.
# Run with -DPROGRAM=<exe> -DENCODER=<screnc.exe> -DSOURCE_DIR=<repository> -DAPP_DIR=<folder>
# -DZIP=<zip>.
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${APP_DIR}")
file(MAKE_DIRECTORY "${APP_DIR}")
file(COPY "${PROGRAM}" DESTINATION "${APP_DIR}")
file(COPY "${ENCODER}" DESTINATION "${APP_DIR}/encoder")
file(COPY "${SOURCE_DIR}/dist/help" DESTINATION "${APP_DIR}")

# Text for people and the sample scripts: code page 932 with CR LF.
function(copy_in_code_page_932 name)
  execute_process(COMMAND iconv -f UTF-8 -t CP932 "${SOURCE_DIR}/dist/${name}"
                  RESULT_VARIABLE code OUTPUT_VARIABLE text ERROR_VARIABLE problem)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${name} does not convert to code page 932: ${problem}")
  endif()
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE "${APP_DIR}/${name}" "${text}")
endfunction()
foreach(name readme.txt samples/hello.vbs samples/hello.js)
  copy_in_code_page_932(${name})
endforeach()

get_filename_component(parent "${APP_DIR}" DIRECTORY)
get_filename_component(name "${APP_DIR}" NAME)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${ZIP}" --format=zip "${name}"
                WORKING_DIRECTORY "${parent}" RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "cannot pack ${ZIP}")
endif()
