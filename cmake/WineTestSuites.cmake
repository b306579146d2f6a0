# Read by ctest when it starts (a TEST_INCLUDE_FILES script): lists the Wine tests and adds
# them. A suite whose tests run inside win_tests.exe runs in one Wine process (the entry
# wine-suite.<Suite>), and each of its tests is a ctest entry of its own that reports its result
# from that process's output. A test that starts the program, or another process of its own,
# keeps a Wine process to itself.
# Wine tests share one desktop (focus, foreground, cursor), so they hold the lock wine_desktop and
# run one at a time, as does the release test of the shipped program; only the suites that use
# C:\windows\temp also hold wine_c_windows_temp. The native tests, the second release build and the
# tests with a prefix and a display of their own (the browser files, the unpacked download) run
# beside them.
# Set before it is read: WINE_TESTS_EXE, WINE_TESTS_EMULATOR, WINE_TESTS_PYTHON, WINE_TESTS_DRIVER,
# WINE_TESTS_DIR, WINE_TESTS_LIST, WINE_TESTS_SEPARATE and WINE_TESTS_TEMP (suites, as listed).

if(NOT EXISTS "${WINE_TESTS_EXE}")
  add_test(wine.NOT_BUILT "${WINE_TESTS_EXE}")
  return()
endif()
if(NOT EXISTS "${WINE_TESTS_LIST}" OR "${WINE_TESTS_EXE}" IS_NEWER_THAN "${WINE_TESTS_LIST}")
  # Files, not pipes: with a persistent wineserver, Wine's helper processes keep an inherited pipe
  # open for ever and the listing would never end.
  execute_process(COMMAND ${WINE_TESTS_EMULATOR} "${WINE_TESTS_EXE}" --gtest_list_tests
                  WORKING_DIRECTORY "${WINE_TESTS_DIR}" INPUT_FILE /dev/null
                  OUTPUT_FILE "${WINE_TESTS_LIST}.new" ERROR_FILE "${WINE_TESTS_LIST}.err"
                  TIMEOUT 120 RESULT_VARIABLE listed)
  if(NOT listed EQUAL 0)
    add_test(wine.LIST_FAILED ${WINE_TESTS_EMULATOR} "${WINE_TESTS_EXE}" --gtest_list_tests)
    return()
  endif()
  file(RENAME "${WINE_TESTS_LIST}.new" "${WINE_TESTS_LIST}")
endif()

file(STRINGS "${WINE_TESTS_LIST}" lines)
file(MAKE_DIRECTORY "${WINE_TESTS_DIR}/suite-logs")
set(suite "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "[ \t\r]*#.*$" "" line "${line}")
  string(REGEX REPLACE "[\r]" "" line "${line}")
  if(line MATCHES "^([^ ]+)\\.$")
    set(suite "${CMAKE_MATCH_1}")
    list(FIND WINE_TESTS_SEPARATE "${suite}" separate)
    set(locks wine_desktop)
    list(FIND WINE_TESTS_TEMP "${suite}" uses_temp)
    if(NOT uses_temp EQUAL -1)
      list(APPEND locks wine_c_windows_temp)
    endif()
    string(REPLACE "/" "_" log_name "${suite}")
    set(log "${WINE_TESTS_DIR}/suite-logs/${log_name}.log")
    if(separate EQUAL -1)
      add_test("wine-suite.${suite}" "${WINE_TESTS_PYTHON}" "${WINE_TESTS_DRIVER}" run "${log}"
               ${WINE_TESTS_EMULATOR} "${WINE_TESTS_EXE}" "--gtest_filter=${suite}.*")
      set_tests_properties("wine-suite.${suite}" PROPERTIES WORKING_DIRECTORY "${WINE_TESTS_DIR}"
                           FIXTURES_SETUP "wine-suite.${suite}" TIMEOUT 900 RESOURCE_LOCK "${locks}")
    endif()
  elseif(line MATCHES "^  ([^ ]+)$" AND NOT suite STREQUAL "")
    set(name "${suite}.${CMAKE_MATCH_1}")
    if(separate EQUAL -1)
      add_test("wine.${name}" "${WINE_TESTS_PYTHON}" "${WINE_TESTS_DRIVER}" report "${log}" "${name}")
      set_tests_properties("wine.${name}" PROPERTIES FIXTURES_REQUIRED "wine-suite.${suite}"
                           SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
    else()
      add_test("wine.${name}" ${WINE_TESTS_EMULATOR} "${WINE_TESTS_EXE}" "--gtest_filter=${name}")
      set_tests_properties("wine.${name}" PROPERTIES WORKING_DIRECTORY "${WINE_TESTS_DIR}" TIMEOUT 120
                           RESOURCE_LOCK "${locks}" SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
    endif()
    if(CMAKE_MATCH_1 MATCHES "^DISABLED_" OR suite MATCHES "^DISABLED_")
      set_tests_properties("wine.${name}" PROPERTIES DISABLED TRUE)
    endif()
  endif()
endforeach()
