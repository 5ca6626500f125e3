# Native build of the stand-in host's readers and their tests.
include(${CMAKE_CURRENT_LIST_DIR}/../tools/host_readers.cmake)

find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB TOOLS_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/*_test.cpp)
list(FILTER TOOLS_TEST_SOURCES EXCLUDE REGEX "_win_test\\.cpp$")
add_executable(tools_tests ${TOOLS_TEST_SOURCES})
target_link_libraries(tools_tests PRIVATE host_readers GTest::gtest_main)
# The sample test reads the committed samples from the source tree.
target_compile_definitions(tools_tests PRIVATE
  KOLVEX_SAMPLES_DIR="${CMAKE_CURRENT_LIST_DIR}/../samples")
gtest_discover_tests(tools_tests NO_PRETTY_VALUES)
