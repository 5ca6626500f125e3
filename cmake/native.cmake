# Native build: the portable core's tests, benchmarks and fuzzing.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB CORE_TEST_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/tests/contest/*_test.cpp
  ${CMAKE_SOURCE_DIR}/tests/results/*_test.cpp
  ${CMAKE_SOURCE_DIR}/tests/plugin/*_test.cpp
  ${CMAKE_SOURCE_DIR}/tests/windows/*_test.cpp)
list(FILTER CORE_TEST_SOURCES EXCLUDE REGEX "_win_test\\.cpp$")
add_executable(core_tests ${CORE_TEST_SOURCES}
  ${CMAKE_SOURCE_DIR}/tests/support/fake_environment.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/temp_folder.cpp)
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(core_tests PRIVATE stats_core GTest::gtest_main GTest::gmock pthread)
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)

include(cmake/tools_native.cmake OPTIONAL)
include(cmake/bench.cmake OPTIONAL)
include(cmake/fuzz.cmake OPTIONAL)
