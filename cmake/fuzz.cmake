# libFuzzer target for the host's calls on the plug-in, with refresh passes in
# between.  Only clang has libFuzzer, so other compilers skip it;
# scripts/fuzz.sh makes a clang build.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(STATS_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
      -fno-omit-frame-pointer)
  # The core again, instrumented for coverage and the sanitizers.
  get_target_property(STATS_CORE_SOURCES stats_core SOURCES)
  add_library(stats_core_fuzz STATIC ${STATS_CORE_SOURCES})
  target_include_directories(stats_core_fuzz PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_options(stats_core_fuzz PUBLIC ${STATS_FUZZ_FLAGS})
  # Coverage of the plug-in's code only: the checker's and the references'
  # branches would be features that tell nothing new of the plug-in, and
  # libFuzzer weighs every feature an input reaches after every run.
  target_compile_options(stats_core_fuzz PRIVATE -fsanitize=fuzzer-no-link)

  add_executable(host_calls_fuzzer
    ${CMAKE_SOURCE_DIR}/fuzz/host_calls_fuzzer.cpp
    ${CMAKE_SOURCE_DIR}/fuzz/host_inputs.cpp
    ${CMAKE_SOURCE_DIR}/fuzz/table_rows_run.cpp
    ${CMAKE_SOURCE_DIR}/fuzz/model_rules.cpp
    ${CMAKE_SOURCE_DIR}/fuzz/plugin_checker.cpp
    ${CMAKE_SOURCE_DIR}/fuzz/rate_report.cpp
    ${CMAKE_SOURCE_DIR}/fuzz/refresh_checker.cpp
    ${CMAKE_SOURCE_DIR}/fuzz/refresh_driver.cpp
    ${CMAKE_SOURCE_DIR}/fuzz/refresh_inputs.cpp
    ${CMAKE_SOURCE_DIR}/fuzz/refresh_model.cpp
    ${CMAKE_SOURCE_DIR}/fuzz/result_parser.cpp
    ${STATS_REFERENCE_SOURCES}
    ${STATS_FAKE_ENV_SOURCES})
  target_include_directories(host_calls_fuzzer PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(host_calls_fuzzer PRIVATE stats_core_fuzz)
  target_link_options(host_calls_fuzzer PRIVATE ${STATS_FUZZ_FLAGS} -fsanitize=fuzzer)
endif()
