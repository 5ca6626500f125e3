# The portable core: every source of the portable folders, each folder
# whole.  Their Win32 files live in a win32/ folder of their own and are
# built into the DLL by cmake/windows.cmake.
file(GLOB STATS_CORE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/contest/*.cpp
  ${CMAKE_SOURCE_DIR}/results/*.cpp
  ${CMAKE_SOURCE_DIR}/windows/*.cpp
  ${CMAKE_SOURCE_DIR}/plugin/*.cpp)
add_library(stats_core STATIC ${STATS_CORE_SOURCES})
target_include_directories(stats_core PUBLIC ${CMAKE_SOURCE_DIR})
