# Native build of the stand-in host's readers and their tests.
include(${CMAKE_CURRENT_LIST_DIR}/../tools/host_readers.cmake)

find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(tools_tests
  ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/adif_reader_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/band_plan_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/bmp_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/call_prefix_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/cty_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/host_files_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/host_options_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/host_qso_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/ole_date_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/sample_log_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/synthetic_log_test.cpp
)
target_link_libraries(tools_tests PRIVATE host_readers GTest::gtest_main)
# The sample test reads the committed samples from the source tree.
target_compile_definitions(tools_tests PRIVATE
  KOLVEX_SAMPLES_DIR="${CMAKE_CURRENT_LIST_DIR}/../samples")
gtest_discover_tests(tools_tests NO_PRETTY_VALUES)
