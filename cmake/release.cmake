# The cheap half of the reproducible-build check, run with the other tests
# of the DLL file (the release script builds twice and compares the rest).
# Included by the top CMakeLists.txt after cmake/wine.cmake.
add_test(NAME stats_dll_reproducible
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/plugin/check_dll_reproducible.sh
    ${MINGW_OBJDUMP} ${STATS_WIN32_BIN}/Stats.dll ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
# The self-test kit's zip as Windows' own extractor reads it: every member a
# plain file with the commit's time, in the kit's layout, as packed.
find_program(PYTHON3 NAMES python3 REQUIRED)
add_test(NAME selftest_kit_zip
  COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/tests/tools/check_release_zip.py ${STATS_KIT_ZIP}
    git:${CMAKE_SOURCE_DIR} @${STATS_KIT_ZIP}.members)
