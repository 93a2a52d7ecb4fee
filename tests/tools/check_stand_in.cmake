# The end-to-end tests trust what the stand-in encoder does; this checks it on
# its own, so a fault of the tool is not taken for one of the program.
# Run with -DENCODER=<exe> -DEMULATOR=<wine or empty> -DWORK_DIR=<scratch folder>.
cmake_minimum_required(VERSION 3.21)
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/出力 先")

# Relative paths: the folder has the same name on both sides of Wine.
function(expect case code output)
  execute_process(COMMAND ${EMULATOR} ${ENCODER} ${ARGN} WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE got OUTPUT_VARIABLE said)
  if(NOT got EQUAL code)
    message(SEND_ERROR "${case}: exit code ${got}, not ${code}: ${said}")
  endif()
  list(GET ARGN -1 written)
  if(output STREQUAL "")
    if(EXISTS "${WORK_DIR}/${written}")
      message(SEND_ERROR "${case}: output written")
    endif()
  else()
    # Compared as hex: CMake reads text files with their CRs dropped.
    file(READ "${WORK_DIR}/${written}" copied HEX)
    string(HEX "${output}" wanted)
    if(NOT copied STREQUAL wanted)
      message(SEND_ERROR "${case}: output holds ${copied}, not ${wanted}")
    endif()
  endif()
endfunction()

file(WRITE "${WORK_DIR}/in put.vbs" "Dim a SLEEP=10\r\n")
expect("copy" 0 "Dim a SLEEP=10\r\n" /e sct "in put.vbs" "出力 先/a.vbe")
file(WRITE "${WORK_DIR}/fail.vbs" "x FAIL x")
expect("asked to fail" 1 "" "fail.vbs" "failed.vbe")
expect("missing input" 2 "" "missing.vbs" "missing.vbe")
