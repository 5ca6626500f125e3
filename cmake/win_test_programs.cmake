# The Windows test programs, one per tests/**/*_win_test.cpp: the MinGW
# build makes them, the Wine tests run them and the self-test kit lists
# them, all from this one glob.  STATS_WIN_TEST_PROGRAMS holds their names,
# sorted.
file(GLOB STATS_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*/*_win_test.cpp
  ${CMAKE_SOURCE_DIR}/tests/*/win32/*_win_test.cpp)
set(STATS_WIN_TEST_PROGRAMS)
foreach(source ${STATS_WIN_TESTS})
  get_filename_component(name ${source} NAME_WE)
  list(APPEND STATS_WIN_TEST_PROGRAMS ${name})
endforeach()
list(SORT STATS_WIN_TEST_PROGRAMS)
