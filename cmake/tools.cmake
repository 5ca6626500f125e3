# Cross build of the stand-in host, a console program that plays the host
# program: it loads Stats.dll and replays a log through its exports.
include(${CMAKE_CURRENT_LIST_DIR}/../tools/host_readers.cmake)

add_executable(stand_in_host
  ${CMAKE_CURRENT_LIST_DIR}/../tools/stand_in_host.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tools/stats_plugin_api.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tools/window_watcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tools/replay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tools/load_run.cpp
)
set_target_properties(stand_in_host PROPERTIES OUTPUT_NAME stand_in_host SUFFIX ".exe")
target_link_libraries(stand_in_host PRIVATE host_readers psapi user32)
# One self-contained .exe: no libgcc, libstdc++ or winpthread DLLs beside it.
target_link_options(stand_in_host PRIVATE -static -static-libgcc -static-libstdc++)
