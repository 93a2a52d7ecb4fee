# Our encoder: the portable library (src/encoder), the screnc program around it
# (src/screnc) and their tests.
# Included at the end of CMakeLists.txt, in either tree.

file(GLOB encoder_sources CONFIGURE_DEPENDS src/encoder/*.cpp)
add_library(mosa_encoder STATIC ${encoder_sources})
target_include_directories(mosa_encoder PUBLIC src)

# The Linux main and code page live beside the portable core; Windows has its own.
file(GLOB screnc_sources CONFIGURE_DEPENDS src/screnc/*.cpp)
list(FILTER screnc_sources EXCLUDE REGEX "/posix_main\\.cpp$")
if(CMAKE_SYSTEM_NAME STREQUAL Windows)
  list(FILTER screnc_sources EXCLUDE REGEX "/posix_[^/]*\\.cpp$")
endif()
add_library(mosa_screnc STATIC ${screnc_sources})
target_link_libraries(mosa_screnc PUBLIC mosa_encoder)

if(CMAKE_SYSTEM_NAME STREQUAL Windows)
  mosa_windows_target(mosa_encoder)
  mosa_windows_target(mosa_screnc)
else()
  foreach(target mosa_encoder mosa_screnc)
    target_compile_options(${target} PRIVATE ${mosa_warnings} ${sanitizers})
    target_link_options(${target} INTERFACE ${sanitizers})
  endforeach()

  add_executable(screnc src/screnc/posix_main.cpp)
  target_compile_options(screnc PRIVATE ${mosa_warnings} ${sanitizers})
  target_link_libraries(screnc PRIVATE mosa_screnc)

  file(GLOB encoder_test_sources CONFIGURE_DEPENDS tests/encoder/*.cpp)
  add_executable(encoder_tests ${encoder_test_sources})
  target_compile_options(encoder_tests PRIVATE ${mosa_warnings} ${sanitizers})
  target_compile_definitions(encoder_tests PRIVATE "SCRENC_PROGRAM=\"$<TARGET_FILE:screnc>\"")
  target_link_libraries(encoder_tests PRIVATE mosa_screnc GTest::gtest_main GTest::gmock)
  add_dependencies(encoder_tests screnc)
  mosa_add_gtest(encoder_tests 120)
endif()
