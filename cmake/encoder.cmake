# Our encoder: the portable library (src/encoder), the screnc program around it
# (src/screnc, with a main and files for each system), their tests and a benchmark.
# Included at the end of CMakeLists.txt, in either tree.

file(GLOB encoder_sources CONFIGURE_DEPENDS src/encoder/*.cpp)
# Each system's files (posix_*, windows_*) beside the portable command line; the
# mains go into the programs, not the library.
file(GLOB screnc_sources CONFIGURE_DEPENDS src/screnc/*.cpp)
list(FILTER screnc_sources EXCLUDE REGEX "/[a-z]+_main\\.cpp$")
if(CMAKE_SYSTEM_NAME STREQUAL Windows)
  list(FILTER screnc_sources EXCLUDE REGEX "/posix_[^/]*\\.cpp$")
else()
  list(FILTER screnc_sources EXCLUDE REGEX "/windows_[^/]*\\.cpp$")
endif()

# The encoder library and the screnc library over it, their names ending in `suffix`.
function(add_encoder_libraries suffix)
  add_library(mosa_encoder${suffix} STATIC ${encoder_sources})
  target_include_directories(mosa_encoder${suffix} PUBLIC src)
  add_library(mosa_screnc${suffix} STATIC ${screnc_sources})
  target_link_libraries(mosa_screnc${suffix} PUBLIC mosa_encoder${suffix})
endfunction()
add_encoder_libraries("")

if(CMAKE_SYSTEM_NAME STREQUAL Windows)
  mosa_windows_target(mosa_encoder)
  mosa_windows_target(mosa_screnc)

  target_link_libraries(mosa_screnc PUBLIC mosa_win32_common)
  add_executable(screnc src/screnc/windows_main.cpp)
  mosa_windows_target(screnc)
  target_link_options(screnc PRIVATE -municode)
  # A large script needs more than the 2 GB a 32-bit program gets by default;
  # on 64-bit Windows this one may use 4 GB.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(screnc PRIVATE -Wl,--large-address-aware)
  endif()
  target_link_libraries(screnc PRIVATE mosa_screnc)

  # Decodes the blocks of a file in the ANSI code page, for the check below.
  add_executable(decode_blocks tests/tools/decode_blocks.cpp)
  mosa_windows_target(decode_blocks)
  target_link_options(decode_blocks PRIVATE -municode)
  target_link_libraries(decode_blocks PRIVATE mosa_screnc)

  add_test(NAME shipped_encoder
           COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DPROGRAM=$<TARGET_FILE:screnc>
                   -DSUBSYSTEM=console
                   -P ${CMAKE_SOURCE_DIR}/tests/tools/check_shipped_program.cmake)
  add_test(NAME encoder_under_wine
           COMMAND ${CMAKE_COMMAND} -DENCODER=$<TARGET_FILE:screnc>
                   -DDECODER=$<TARGET_FILE:decode_blocks>
                   "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
                   -DWORK_DIR=${CMAKE_BINARY_DIR}/encoder-check
                   -P ${CMAKE_SOURCE_DIR}/tests/tools/check_encoder_wine.cmake)
  set_tests_properties(shipped_encoder encoder_under_wine PROPERTIES RESOURCE_LOCK wine)
  set_tests_properties(encoder_under_wine PROPERTIES LABELS runs_programs)
else()
  # Two builds from the same sources. The tests', under the native tree's
  # sanitizers (the front end's model links this library too); and the one users
  # run, build/native/screnc, optimised and without instrumentation, which the
  # sanitizers would slow down a hundredfold.
  foreach(target mosa_encoder mosa_screnc)
    target_compile_options(${target} PRIVATE ${mosa_warnings} ${sanitizers})
    target_link_options(${target} INTERFACE ${sanitizers})
  endforeach()
  add_executable(screnc_checked src/screnc/posix_main.cpp)
  target_compile_options(screnc_checked PRIVATE ${mosa_warnings} ${sanitizers})
  target_link_libraries(screnc_checked PRIVATE mosa_screnc)

  add_encoder_libraries(_release)
  add_executable(screnc src/screnc/posix_main.cpp)
  # Not run by the tests: scripts/bench-encoder.sh builds and runs it.
  add_executable(encoder_bench bench/encoder_bench.cpp)
  target_link_libraries(screnc PRIVATE mosa_screnc_release)
  target_link_libraries(encoder_bench PRIVATE mosa_encoder_release)
  foreach(target mosa_encoder_release mosa_screnc_release screnc encoder_bench)
    target_compile_options(${target} PRIVATE ${mosa_warnings} -O2)
    target_compile_definitions(${target} PRIVATE NDEBUG)
  endforeach()

  file(GLOB encoder_test_sources CONFIGURE_DEPENDS tests/encoder/*.cpp)
  add_executable(encoder_tests ${encoder_test_sources})
  target_compile_options(encoder_tests PRIVATE ${mosa_warnings} ${sanitizers})
  target_compile_definitions(encoder_tests PRIVATE "SCRENC_PROGRAM=\"$<TARGET_FILE:screnc_checked>\"")
  target_link_libraries(encoder_tests PRIVATE mosa_screnc GTest::gtest_main GTest::gmock)
  add_dependencies(encoder_tests screnc_checked)
  mosa_add_gtest(encoder_tests 120)
endif()
