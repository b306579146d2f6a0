# skylatch_suite_tests(<target> PREFIX <name> [EMULATOR ...] [LOCKS ...] [SEPARATE suites...]
#                      [TEMP suites...])
# Adds the tests of a googletest program when ctest starts (cmake/SuiteTests.cmake): one process per
# suite, each test still a ctest entry <name>.<Suite>.<Test>. Every process holds LOCKS; the suites
# in SEPARATE keep a process per test; those in TEMP also hold wine_c_windows_temp.
function(skylatch_suite_tests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PREFIX" "EMULATOR;LOCKS;SEPARATE;TEMP")
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
  file(GENERATE OUTPUT ${script} CONTENT "\
set(SUITE_TESTS_PREFIX ${arg_PREFIX})
set(SUITE_TESTS_EXE [==[$<TARGET_FILE:${target}>]==])
set(SUITE_TESTS_EMULATOR [==[${arg_EMULATOR}]==])
set(SUITE_TESTS_PYTHON [==[${Python3_EXECUTABLE}]==])
set(SUITE_TESTS_DRIVER [==[${PROJECT_SOURCE_DIR}/tests/support/gtest_suite.py]==])
set(SUITE_TESTS_DIR [==[${CMAKE_CURRENT_BINARY_DIR}]==])
set(SUITE_TESTS_LIST [==[${CMAKE_CURRENT_BINARY_DIR}/${target}_list.txt]==])
set(SUITE_TESTS_LOCKS [==[${arg_LOCKS}]==])
set(SUITE_TESTS_SEPARATE [==[${arg_SEPARATE}]==])
set(SUITE_TESTS_TEMP [==[${arg_TEMP}]==])
include([==[${PROJECT_SOURCE_DIR}/cmake/SuiteTests.cmake]==])
")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()
