# Benchmarks of the indexed log against a plain linear-scan reference.
# Built only where Google Benchmark is installed (Debian: libbenchmark-dev).
# The benchmarks measure the core as the DLL has it (-O2, NDEBUG), so that
# the figures mean something whatever the build type of the tests: a
# RelWithDebInfo build has it so already, any other compiles it again here.
option(STATS_BENCH "Build the benchmarks" ON)
find_package(benchmark QUIET)
if(STATS_BENCH AND benchmark_FOUND)
  if(CMAKE_BUILD_TYPE STREQUAL "RelWithDebInfo")
    set(STATS_BENCH_CORE stats_core)
  else()
    get_target_property(STATS_CORE_SOURCES stats_core SOURCES)
    add_library(stats_core_bench STATIC ${STATS_CORE_SOURCES})
    target_include_directories(stats_core_bench PUBLIC ${CMAKE_SOURCE_DIR})
    target_compile_options(stats_core_bench PRIVATE -O2)
    target_compile_definitions(stats_core_bench PUBLIC NDEBUG)
    set(STATS_BENCH_CORE stats_core_bench)
  endif()

  add_library(stats_reference STATIC ${STATS_REFERENCE_SOURCES})
  target_link_libraries(stats_reference PUBLIC ${STATS_BENCH_CORE})
  target_compile_options(stats_reference PRIVATE -O2)

  # A benchmark program: its own source beside the shared helpers.
  function(add_stats_benchmark name library)
    add_executable(${name}
      ${CMAKE_SOURCE_DIR}/bench/${name}.cpp
      ${CMAKE_SOURCE_DIR}/bench/random_log.cpp
      ${CMAKE_SOURCE_DIR}/bench/ratio_reporter.cpp
      ${STATS_FAKE_ENV_SOURCES})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
    target_compile_options(${name} PRIVATE -O2)
    target_link_libraries(${name} PRIVATE ${library} benchmark::benchmark pthread)
  endfunction()
  add_stats_benchmark(stats_bench stats_reference)
  add_stats_benchmark(refresh_bench ${STATS_BENCH_CORE})
elseif(STATS_BENCH)
  message(STATUS "Google Benchmark not found: stats_bench is not built")
endif()
