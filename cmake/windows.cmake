# The Windows side: Stats.dll, its Win32 layer, and the Windows test
# programs that run under Wine.  Included by the top CMakeLists.txt when
# cross-building (cmake/mingw-i686.cmake).
enable_language(RC)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Link the C and C++ runtimes and winpthreads into every binary so that the
# DLL imports only Windows system DLLs and the tests run from any folder.
set(STATS_STATIC_LINK -static -static-libgcc -static-libstdc++)

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}")

# The Win32 side: the owner-drawn controls and every win32/ folder, each
# folder whole.  The DLL's own entry points (plugin/win32) are linked into
# the DLL itself, the rest into a library the Windows tests link too.
file(GLOB STATS_WIN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/controls/*.cpp
  ${CMAKE_SOURCE_DIR}/settings/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/results/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/windows/win32/*.cpp)
add_library(stats_win STATIC ${STATS_WIN_SOURCES})
target_include_directories(stats_win PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(stats_win PUBLIC stats_core user32 gdi32 kernel32 ole32 oleaut32 uuid)

# The same two libraries with the lock rule (contest/lock_rule.h) and the
# log's live last slot checked,
# for the Windows test programs: their runs of the real window thread, COM
# calls into the host and dialogs stop on a blocking call under the lock.
# The DLL links the libraries above and leaves the check out.
get_target_property(STATS_CORE_SOURCES stats_core SOURCES)
add_library(stats_core_checked STATIC ${STATS_CORE_SOURCES})
target_include_directories(stats_core_checked PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(stats_core_checked PUBLIC STATS_CHECK_LOCK_RULE STATS_CHECK_LOG_TAIL)
add_library(stats_win_checked STATIC ${STATS_WIN_SOURCES})
target_link_libraries(stats_win_checked PUBLIC stats_core_checked user32 gdi32 kernel32 ole32
  oleaut32 uuid)

set(STATS_RESOURCES ${CMAKE_SOURCE_DIR}/resources/stats.rc)
set_source_files_properties(${STATS_RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/resource.h;${CMAKE_SOURCE_DIR}/resources/windows.rc;${CMAKE_SOURCE_DIR}/resources/version.rc;${CMAKE_SOURCE_DIR}/resources/stats.ico")

file(GLOB STATS_DLL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/plugin/win32/*.cpp)
add_library(Stats SHARED
  ${STATS_DLL_SOURCES}
  plugin/win32/Stats.def
  ${STATS_RESOURCES}
)
set_target_properties(Stats PROPERTIES PREFIX "" OUTPUT_NAME Stats SUFFIX ".dll")
target_link_libraries(Stats PRIVATE stats_win stats_core ${STATS_STATIC_LINK})
# The file that ships carries no debug information or symbol table; the
# tests load this same file.
target_link_options(Stats PRIVATE -s)

# GoogleTest, cross-built from the Debian sources.
set(GTEST_SOURCE_DIR /usr/src/googletest/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(target gtest gtest_main)
  # Not our code: keep its warnings from failing the build.
  get_target_property(options ${target} COMPILE_OPTIONS)
  list(REMOVE_ITEM options -Werror)
  set_target_properties(${target} PROPERTIES COMPILE_OPTIONS "${options}")
endforeach()

# One program per tests/<area>/<name>_win_test.cpp; cmake/wine.cmake in the
# native build finds the same files and runs each program under Wine.
add_library(win_test_support STATIC
  tests/support/window_driver_win.cpp
  tests/support/own_windows_win.cpp
  tests/support/temp_folder.cpp
  tools/stats_exports.cpp
)
target_include_directories(win_test_support PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(win_test_support PUBLIC gtest)

# GoogleTest's and Windows' headers, parsed once for all the test programs
# (half the compile time of a small one) in a build from scratch such as the
# test command's.  Not under a compiler cache, which cannot keep what a
# precompiled header went into.  The DLL's sources take none.
function(stats_reuse_test_headers target)
  if(NOT CMAKE_CXX_COMPILER_LAUNCHER)
    target_precompile_headers(${target} REUSE_FROM win_test_support)
  endif()
endfunction()
if(NOT CMAKE_CXX_COMPILER_LAUNCHER)
  target_precompile_headers(win_test_support PRIVATE <gtest/gtest.h> <windows.h>)
endif()

include(cmake/win_test_programs.cmake)
foreach(source ${STATS_WIN_TESTS})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source} ${STATS_RESOURCES})
  target_link_libraries(${name} PRIVATE stats_win_checked win_test_support gtest gtest_main version
    ${STATS_STATIC_LINK})
  stats_reuse_test_headers(${name})
  add_dependencies(${name} Stats)
endforeach()

# Programs that are the host themselves: they serve the automation object
# and load and unload the plug-in.  The keystroke benchmark below is one too.
set(STATS_LIVE_HOST_SOURCES tests/support/live_host_win.cpp
  tools/automation_server.cpp tools/automation_service.cpp tools/message_pump.cpp
  tools/host_options.cpp tools/ole_date.cpp tools/stats_plugin_api.cpp tools/heap_in_use.cpp)
# Compiled once for the four test programs that are hosts.
add_library(live_host_checked OBJECT ${STATS_LIVE_HOST_SOURCES} tools/window_watcher.cpp
  tools/crash_report.cpp)
target_link_libraries(live_host_checked PUBLIC stats_win_checked win_test_support)
stats_reuse_test_headers(live_host_checked)
foreach(name live_windows_win_test stress_win_test bad_host_answers_win_test slow_disk_win_test)
  if(TARGET ${name})
    target_link_libraries(${name} PRIVATE live_host_checked)
  endif()
endforeach()
# The version test reads the project version the resource was made from.
target_include_directories(version_resource_win_test PRIVATE ${STATS_GENERATED_DIR})
# The tests of the DLL's platform layer and of its window thread take their
# sources from the DLL's, the window thread's compiled once for both.
add_library(window_thread_checked OBJECT plugin/win32/window_thread.cpp
  plugin/win32/host_automation.cpp)
target_link_libraries(window_thread_checked PUBLIC stats_win_checked)
target_link_libraries(win32_environment_win_test PRIVATE window_thread_checked)
target_sources(win32_environment_win_test PRIVATE plugin/win32/win32_environment.cpp)
target_link_libraries(window_thread_win_test PRIVATE window_thread_checked)
if(TARGET stress_win_test)
  target_sources(stress_win_test PRIVATE tests/windows/win32/stress_host_log.cpp)
endif()

# The keystroke benchmark: a host program like the live tests, timing how
# long a typed call takes to reach the screen (bench/README.md).  Built,
# never run by the tests.
add_executable(keystroke_bench_win bench/keystroke_bench_win.cpp ${STATS_LIVE_HOST_SOURCES}
  tests/support/own_windows_win.cpp tests/support/temp_folder.cpp tools/stats_exports.cpp
  tools/synthetic_log.cpp)
target_compile_options(keystroke_bench_win PRIVATE -O2)
target_link_libraries(keystroke_bench_win PRIVATE stats_win ${STATS_STATIC_LINK})
add_dependencies(keystroke_bench_win Stats)

# The stand-in host, when its fragment is there.
option(STATS_BUILD_HOST "Build the stand-in host" ON)
if(STATS_BUILD_HOST AND EXISTS ${CMAKE_SOURCE_DIR}/cmake/tools.cmake)
  include(${CMAKE_SOURCE_DIR}/cmake/tools.cmake)
endif()

# The self-test kit of those programs, for any Windows.
include(${CMAKE_SOURCE_DIR}/cmake/selftest_kit.cmake)
