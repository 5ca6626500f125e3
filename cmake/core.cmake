# The portable core: every source of the portable folders, each folder
# whole.  Their Win32 files live in a win32/ folder of their own and are
# built into the DLL by cmake/windows.cmake, all but the platform calls of
# the core itself, chosen below.
file(GLOB STATS_CORE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/contest/*.cpp
  ${CMAKE_SOURCE_DIR}/settings/*.cpp
  ${CMAKE_SOURCE_DIR}/results/*.cpp
  ${CMAKE_SOURCE_DIR}/windows/*.cpp
  ${CMAKE_SOURCE_DIR}/plugin/*.cpp)
add_library(stats_core STATIC ${STATS_CORE_SOURCES})
target_include_directories(stats_core PUBLIC ${CMAKE_SOURCE_DIR})

# The core's platform calls, MoveIntoPlace and FlushToDisk (contest/file_output.h):
# MoveFileExA and _commit in the DLL, POSIX rename and fsync in the native builds.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  target_sources(stats_core PRIVATE ${CMAKE_SOURCE_DIR}/contest/win32/disk_calls.cpp)
else()
  target_sources(stats_core PRIVATE ${CMAKE_SOURCE_DIR}/contest/posix/disk_calls.cpp)
endif()
