# The cheap half of the reproducible-build check, run with the other tests
# of the DLL file (the release script builds twice and compares the rest).
# Included by the top CMakeLists.txt after cmake/wine.cmake.
add_test(NAME stats_dll_reproducible
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/plugin/check_dll_reproducible.sh
    ${MINGW_OBJDUMP} ${STATS_WIN32_BIN}/Stats.dll ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
