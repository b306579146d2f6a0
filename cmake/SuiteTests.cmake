# Read by ctest when it starts (a TEST_INCLUDE_FILES script): lists the tests of a googletest
# program and adds them. A suite runs in one process (the entry <prefix>-suite.<Suite>), and each of
# its tests is a ctest entry of its own (<prefix>.<Suite>.<Test>) that reports its result from that
# process's output: one process start per suite, not per test. A suite in SUITE_TESTS_SEPARATE
# keeps a process per test (its tests start the program, or another process that prints into
# their output).
# Set before it is read: SUITE_TESTS_PREFIX, SUITE_TESTS_EXE, SUITE_TESTS_EMULATOR (empty for a
# native program), SUITE_TESTS_PYTHON, SUITE_TESTS_DRIVER, SUITE_TESTS_DIR, SUITE_TESTS_LIST,
# SUITE_TESTS_LOCKS (held by every process), SUITE_TESTS_SEPARATE and SUITE_TESTS_TEMP (suites
# that also hold the lock wine_c_windows_temp).

set(prefix "${SUITE_TESTS_PREFIX}")
if(NOT EXISTS "${SUITE_TESTS_EXE}")
  add_test(${prefix}.NOT_BUILT "${SUITE_TESTS_EXE}")
  return()
endif()
if(NOT EXISTS "${SUITE_TESTS_LIST}" OR "${SUITE_TESTS_EXE}" IS_NEWER_THAN "${SUITE_TESTS_LIST}")
  # Files, not pipes: with a persistent wineserver, Wine's helper processes keep an inherited pipe
  # open for ever and the listing would never end.
  execute_process(COMMAND ${SUITE_TESTS_EMULATOR} "${SUITE_TESTS_EXE}" --gtest_list_tests
                  WORKING_DIRECTORY "${SUITE_TESTS_DIR}" INPUT_FILE /dev/null
                  OUTPUT_FILE "${SUITE_TESTS_LIST}.new" ERROR_FILE "${SUITE_TESTS_LIST}.err"
                  TIMEOUT 120 RESULT_VARIABLE listed)
  if(NOT listed EQUAL 0)
    add_test(${prefix}.LIST_FAILED ${SUITE_TESTS_EMULATOR} "${SUITE_TESTS_EXE}" --gtest_list_tests)
    return()
  endif()
  file(RENAME "${SUITE_TESTS_LIST}.new" "${SUITE_TESTS_LIST}")
endif()

file(STRINGS "${SUITE_TESTS_LIST}" lines)
file(MAKE_DIRECTORY "${SUITE_TESTS_DIR}/suite-logs")
set(suite "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "[ \t\r]*#.*$" "" line "${line}")
  string(REGEX REPLACE "[\r]" "" line "${line}")
  if(line MATCHES "^([^ ]+)\\.$")
    set(suite "${CMAKE_MATCH_1}")
    list(FIND SUITE_TESTS_SEPARATE "${suite}" separate)
    set(locks ${SUITE_TESTS_LOCKS})
    list(FIND SUITE_TESTS_TEMP "${suite}" uses_temp)
    if(NOT uses_temp EQUAL -1)
      list(APPEND locks wine_c_windows_temp)
    endif()
    string(REPLACE "/" "_" log_name "${suite}")
    set(log "${SUITE_TESTS_DIR}/suite-logs/${log_name}.log")
    if(separate EQUAL -1)
      add_test("${prefix}-suite.${suite}" "${SUITE_TESTS_PYTHON}" "${SUITE_TESTS_DRIVER}" run "${log}"
               ${SUITE_TESTS_EMULATOR} "${SUITE_TESTS_EXE}" "--gtest_filter=${suite}.*")
      set_tests_properties("${prefix}-suite.${suite}" PROPERTIES WORKING_DIRECTORY "${SUITE_TESTS_DIR}"
                           FIXTURES_SETUP "${prefix}-suite.${suite}" TIMEOUT 900)
      if(locks)
        set_tests_properties("${prefix}-suite.${suite}" PROPERTIES RESOURCE_LOCK "${locks}")
      endif()
    endif()
  elseif(line MATCHES "^  ([^ ]+)$" AND NOT suite STREQUAL "")
    set(name "${suite}.${CMAKE_MATCH_1}")
    if(separate EQUAL -1)
      add_test("${prefix}.${name}" "${SUITE_TESTS_PYTHON}" "${SUITE_TESTS_DRIVER}" report "${log}" "${name}")
      set_tests_properties("${prefix}.${name}" PROPERTIES FIXTURES_REQUIRED "${prefix}-suite.${suite}"
                           SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
    else()
      add_test("${prefix}.${name}" ${SUITE_TESTS_EMULATOR} "${SUITE_TESTS_EXE}" "--gtest_filter=${name}")
      set_tests_properties("${prefix}.${name}" PROPERTIES WORKING_DIRECTORY "${SUITE_TESTS_DIR}" TIMEOUT 120
                           SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
      if(locks)
        set_tests_properties("${prefix}.${name}" PROPERTIES RESOURCE_LOCK "${locks}")
      endif()
    endif()
    if(CMAKE_MATCH_1 MATCHES "^DISABLED_" OR suite MATCHES "^DISABLED_")
      set_tests_properties("${prefix}.${name}" PROPERTIES DISABLED TRUE)
    endif()
  endif()
endforeach()
