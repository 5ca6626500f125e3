# Cross-builds the DLL and the Windows test programs into <build>/win32 and
# runs them under Wine as part of this build's tests.  Included by the top
# CMakeLists.txt in the native build.
include(ExternalProject)

set(STATS_WIN32_DIR ${CMAKE_BINARY_DIR}/win32)
set(STATS_WIN32_BIN ${STATS_WIN32_DIR}/bin)

ExternalProject_Add(win32
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${STATS_WIN32_DIR}
  PREFIX ${CMAKE_BINARY_DIR}/win32-project
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
  # The inner build decides itself what is out of date.
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  USES_TERMINAL_BUILD ON
)

find_program(MINGW_OBJDUMP NAMES i686-w64-mingw32-objdump REQUIRED)
find_program(LLVM_UNDNAME NAMES llvm-undname-14 llvm-undname REQUIRED
  HINTS /usr/lib/llvm-14/bin)

set(WINE_SESSION ${CMAKE_SOURCE_DIR}/scripts/wine-session.sh)
set(WINE_STATE ${CMAKE_BINARY_DIR}/wine)

# The export and import tables, read from the file itself.
add_test(NAME stats_dll_exports
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/plugin/check_dll_exports.sh
    ${MINGW_OBJDUMP} ${LLVM_UNDNAME} ${STATS_WIN32_BIN}/Stats.dll
    ${CMAKE_SOURCE_DIR}/tests/plugin/stats_exports.txt)
# Every import exists on Windows XP SP3, the oldest Windows the DLL supports.
add_test(NAME stats_dll_xp_imports
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/plugin/check_xp_imports.sh
    ${MINGW_OBJDUMP} ${STATS_WIN32_BIN}/Stats.dll
    ${CMAKE_SOURCE_DIR}/tests/plugin/xp_imports.txt)

# Wine sessions, each with its own prefix, X display and wineserver.  The
# tests of a session run one at a time (they share its screen and its
# windows); the sessions run side by side under ctest -j.  The Wine tests
# mostly wait (for windows, timers, the host's pace), so four sessions fit
# on two cores.  The test command runs four: the self-test kit in two fresh
# sessions of its own (every Windows test program once, shared out, about
# two and a half minutes), and the stand-in host's shell tests spread over
# two by their measured times (the unloads and the live run in the second; the load run,
# the automation test and the export run in the first).  The test programs
# one by one (label wine_program, left out by the test command: the kit runs
# them) share a third.
set(WINE_SESSION_TESTS_2 unload_cycles_wine_test stand_in_host_live_wine_test)
foreach(session wine wine-2 wine-3)
  add_test(NAME ${session}_session_start
    COMMAND bash ${WINE_SESSION} start ${CMAKE_BINARY_DIR}/${session})
  add_test(NAME ${session}_session_stop
    COMMAND bash ${WINE_SESSION} stop ${CMAKE_BINARY_DIR}/${session})
  set_tests_properties(${session}_session_start PROPERTIES FIXTURES_SETUP ${session} TIMEOUT 600)
  set_tests_properties(${session}_session_stop PROPERTIES FIXTURES_CLEANUP ${session} TIMEOUT 60)
endforeach()
set_tests_properties(wine-3_session_start wine-3_session_stop PROPERTIES LABELS wine_program)

# The session of the test NAME: its state folder and its fixture, which is
# also the name of the lock on its display.
function(wine_session_of name)
  if(name MATCHES "_win_test$")
    set(session wine-3)
  elseif(name IN_LIST WINE_SESSION_TESTS_2)
    set(session wine-2)
  else()
    set(session wine)
  endif()
  set(session ${session} PARENT_SCOPE)
  set(session_state ${CMAKE_BINARY_DIR}/${session} PARENT_SCOPE)
endfunction()

# One test per Windows test program (starting Wine costs about two seconds,
# so the cases of one program run in one process).  Each runs in a folder of
# its own because the plug-in writes files relative to the current one.
include(cmake/win_test_programs.cmake)
foreach(source ${STATS_WIN_TESTS})
  get_filename_component(name ${source} NAME_WE)
  set(workdir ${WINE_STATE}/work/${name})
  file(MAKE_DIRECTORY ${workdir})
  # The fault injection fills up a small file system of its own.
  set(wrapper)
  if(name STREQUAL "fault_injection_win_test")
    set(wrapper bash ${CMAKE_SOURCE_DIR}/tests/plugin/with_small_disk.sh ${workdir}.disk)
  endif()
  wine_session_of(${name})
  add_test(NAME win.${name}
    COMMAND ${wrapper} bash ${WINE_SESSION} run ${session_state} ${STATS_WIN32_BIN}/${name}.exe
    WORKING_DIRECTORY ${workdir})
  set_tests_properties(win.${name} PROPERTIES
    FIXTURES_REQUIRED ${session}
    RESOURCE_LOCK ${session}_display
    TIMEOUT 300
    LABELS wine_program
    ENVIRONMENT "STATS_SCREENSHOT_DIR=${CMAKE_BINARY_DIR}/screenshots")
endforeach()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/screenshots)

# A shell test that drives the stand-in host through the real DLL, in an
# empty folder of its own (the script empties it first).
# The mark lets the script empty the folder (tests/tools/wine_test_lib.sh).
function(make_test_folder workdir)
  file(MAKE_DIRECTORY ${workdir})
  file(TOUCH ${workdir}/.made-by-wine-test)
endfunction()

function(add_host_wine_test name)
  set(workdir ${WINE_STATE}/work/${name})
  make_test_folder(${workdir})
  wine_session_of(${name})
  add_test(NAME win.${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/tools/${name}.sh
      ${WINE_SESSION} ${session_state} ${STATS_WIN32_BIN} ${ARGN}
    WORKING_DIRECTORY ${workdir})
  set_tests_properties(win.${name} PROPERTIES
    FIXTURES_REQUIRED ${session}
    RESOURCE_LOCK ${session}_display
    TIMEOUT 600)
endfunction()

# An export run of the sample log and a run of the edge cases (python3 for
# the reference scorer); a load run of 100,000 made-up QSOs.
add_host_wine_test(stand_in_host_wine_test ${CMAKE_SOURCE_DIR}/samples)
add_host_wine_test(stand_in_host_load_wine_test 100000)
# The host's automation object served to a probe client, its bad-answer
# modes, and load-unload cycles.
add_host_wine_test(stand_in_host_automation_wine_test)
# A live run: the last QSOs typed with pauses, a screenshot after each step.
add_host_wine_test(stand_in_host_live_wine_test ${CMAKE_SOURCE_DIR}/samples)
# 100 unloads with the window thread and all its windows open.
add_host_wine_test(unload_cycles_wine_test 100)

# The self-test kit (cmake/selftest_kit.cmake) unpacked and run as on
# Windows, in a fresh session: the same programs as the tests above, with
# the small file system of the full-disk case and the screenshot folder.
# The test is told the programs the build made, not those the zip holds.
set(STATS_KIT_ZIP ${STATS_WIN32_DIR}/release/${PROJECT_NAME}-${PROJECT_VERSION}-selftest.zip)
list(JOIN STATS_WIN_TEST_PROGRAMS " " kit_programs)
# add_kit_wine_test(NAME SESSION [STAND_INS] [COMMAND PREFIX...])
function(add_kit_wine_test name session)
  cmake_parse_arguments(PARSE_ARGV 2 kit "STAND_INS" "" "COMMAND")
  set(workdir ${CMAKE_BINARY_DIR}/${name})
  make_test_folder(${workdir})
  set(stand_ins)
  if(kit_STAND_INS)
    set(stand_ins ${STATS_WIN32_BIN})
  endif()
  add_test(NAME win.${name}
    COMMAND ${kit_COMMAND} bash ${CMAKE_SOURCE_DIR}/tests/tools/selftest_kit_wine_test.sh
      ${session} ${CMAKE_BINARY_DIR}/${name}-session ${STATS_KIT_ZIP} "${kit_programs}" ${stand_ins}
    WORKING_DIRECTORY ${workdir})
  set_tests_properties(win.${name} PROPERTIES TIMEOUT 900)
endfunction()
add_kit_wine_test(selftest_kit ${WINE_SESSION}
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/plugin/with_small_disk.sh ${CMAKE_BINARY_DIR}/selftest_kit.disk)
# Its programs in two sessions side by side: these, about half the time
# of all, in the second (tests/tools/selftest_kit_wine_test.sh).
set(STATS_KIT_SECOND_SESSION bad_host_answers_win_test live_windows_win_test
  fault_injection_win_test info_painters_win_test cabrillo_dialog_win_test)
list(JOIN STATS_KIT_SECOND_SESSION " " kit_second_session)
set_tests_properties(win.selftest_kit PROPERTIES
  ENVIRONMENT "STATS_SCREENSHOT_DIR=${CMAKE_BINARY_DIR}/screenshots;KIT_SECOND_SESSION=${kit_second_session}")
# The same kit where a real Windows differs from the fresh prefix: at 120
# DPI, with the dialog fonts replaced by a serif font, and with a window
# manager that manages Wine's windows.  Without the small file system, so
# each also shows the full-disk case skipped.  Not run by the test command
# (label selftest_proxy: ctest -L selftest_proxy).
add_kit_wine_test(selftest_kit_120dpi ${WINE_SESSION})
add_kit_wine_test(selftest_kit_serif_font ${WINE_SESSION})
add_kit_wine_test(selftest_kit_window_manager ${WINE_SESSION})
set_tests_properties(win.selftest_kit_window_manager PROPERTIES LABELS selftest_proxy
  ENVIRONMENT "WINE_SESSION_WINDOW_MANAGER=openbox;STATS_SCREENSHOT_DIR=${CMAKE_BINARY_DIR}/screenshots/window_manager")
set_tests_properties(win.selftest_kit_120dpi PROPERTIES LABELS selftest_proxy
  ENVIRONMENT "WINE_SESSION_DPI=120;STATS_SCREENSHOT_DIR=${CMAKE_BINARY_DIR}/screenshots/120dpi")
set_tests_properties(win.selftest_kit_serif_font PROPERTIES LABELS selftest_proxy
  ENVIRONMENT "WINE_SESSION_DIALOG_FONT=Liberation Serif;STATS_SCREENSHOT_DIR=${CMAKE_BINARY_DIR}/screenshots/serif_font")
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/screenshots/120dpi ${CMAKE_BINARY_DIR}/screenshots/serif_font
  ${CMAKE_BINARY_DIR}/screenshots/window_manager)

# The kit's count: a copy of it with a failing, a crashing, a missing, a
# caseless and an all-skipping program, the others replaced by stand-ins
# that pass (tests/tools/selftest_kit_wine_test.sh; a minute or less).
add_kit_wine_test(selftest_kit_count ${WINE_SESSION} STAND_INS)
# The kit in a bare prefix, as a Linux user who runs MixW under Wine runs it:
# `wineboot --init`, then run-tests.cmd, nothing set in between
# (tests/tools/bare_wine_prefix.sh).  Beside the other proxy runs.
add_kit_wine_test(selftest_kit_bare_prefix bare)
set_tests_properties(win.selftest_kit_bare_prefix PROPERTIES LABELS selftest_proxy TIMEOUT 1200)
