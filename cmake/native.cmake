# Native build: the portable core's tests, benchmarks and fuzzing.
find_package(GTest REQUIRED)
include(GoogleTest)

# The tests' support sources, each listed here once for the unit tests, the
# fuzzer, the benchmarks and the thread test: the stand-in environment with
# its scratch folders, and the plain-scan reference of the log and result.
set(STATS_FAKE_ENV_SOURCES
  ${CMAKE_SOURCE_DIR}/tests/support/fake_environment.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/temp_folder.cpp)
set(STATS_REFERENCE_SOURCES
  ${CMAKE_SOURCE_DIR}/tests/support/reference_scan.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/reference_result.cpp)

# The unit tests of the core and of the host's readers.  The test command
# builds and runs them once, under the sanitizers (scripts/sanitize.sh), and
# turns them off in its main build, which then builds only what it adds.
option(STATS_UNIT_TESTS "Build the native unit tests" ON)
if(STATS_UNIT_TESTS)
  file(GLOB CORE_TEST_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/tests/contest/*_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/settings/*_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/results/*_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/plugin/*_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/windows/*_test.cpp)
  list(FILTER CORE_TEST_SOURCES EXCLUDE REGEX "_win_test\\.cpp$")
  # Only this program replaces operator new, to fail one allocation on demand.
  add_executable(core_tests ${CORE_TEST_SOURCES} ${STATS_REFERENCE_SOURCES}
    ${STATS_FAKE_ENV_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/failing_allocation.cpp)
  target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(core_tests PRIVATE stats_core GTest::gtest_main GTest::gmock pthread)
  # Names without the parameter dump: every parameterised case has a name.
  gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
  include(cmake/tools_native.cmake OPTIONAL)
endif()
include(cmake/bench.cmake OPTIONAL)
include(cmake/fuzz.cmake OPTIONAL)

# The HTML result as a real browser renders it.
add_executable(html_page_writer ${CMAKE_SOURCE_DIR}/tests/results/html_page_writer.cpp
  ${STATS_FAKE_ENV_SOURCES})
target_include_directories(html_page_writer PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(html_page_writer PRIVATE stats_core)
find_program(CHROMIUM chromium)
find_package(Python3 COMPONENTS Interpreter)
if(CHROMIUM AND Python3_FOUND)
  add_test(NAME html_result_in_chromium
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/results/html_in_browser_test.py
            $<TARGET_FILE:html_page_writer>)
else()
  message(WARNING "chromium or python3 missing: the HTML rendering test is skipped")
endif()

# Every C++ file follows .clang-format.
find_program(CLANG_FORMAT clang-format)
if(CLANG_FORMAT)
  add_test(NAME clang_format COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-format.sh)
else()
  message(WARNING "clang-format missing: the format check is skipped")
endif()

# The folders include each other only downward, and no portable file
# reaches into the Win32 world.
if(Python3_FOUND)
  add_test(NAME include_layers
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/check-layers.py ${CMAKE_SOURCE_DIR})
  add_test(NAME include_layers_named_upward
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/tools/upward_includes_test.sh
      ${CMAKE_SOURCE_DIR}/scripts/check-layers.py)
endif()
# The Wine tests' folder guard keeps what an unmarked folder holds.
add_test(NAME unmarked_folder_kept COMMAND bash -c "cd \"$(mktemp -d)\" && trap 'rm -r \"$PWD\"' EXIT \
  && touch kept && ! (. ${CMAKE_SOURCE_DIR}/tests/tools/wine_test_lib.sh && empty_test_folder) && test -f kept")
