# Our encoder: the portable library (src/encoder), its tests and its benchmark.
# Included at the end of CMakeLists.txt, in either tree.

file(GLOB encoder_sources CONFIGURE_DEPENDS src/encoder/*.cpp)
add_library(mosa_encoder STATIC ${encoder_sources})
target_include_directories(mosa_encoder PUBLIC src)

if(CMAKE_SYSTEM_NAME STREQUAL Windows)
  mosa_windows_target(mosa_encoder)
else()
  target_compile_options(mosa_encoder PRIVATE ${mosa_warnings} ${sanitizers})
  target_link_options(mosa_encoder INTERFACE ${sanitizers})

  file(GLOB encoder_test_sources CONFIGURE_DEPENDS tests/encoder/*.cpp)
  add_executable(encoder_tests ${encoder_test_sources})
  target_compile_options(encoder_tests PRIVATE ${mosa_warnings} ${sanitizers})
  target_link_libraries(encoder_tests PRIVATE mosa_encoder GTest::gtest_main GTest::gmock)
  mosa_add_gtest(encoder_tests 120)
endif()
