# Cross build of the stand-in host, a console program that plays the host
# program: it loads Stats.dll and replays a log through its exports, and
# can serve the host's automation object to the plug-in's windows.
include(${CMAKE_CURRENT_LIST_DIR}/../tools/host_readers.cmake)

set(STAND_IN_TOOLS ${CMAKE_CURRENT_LIST_DIR}/../tools)

# The automation object and the client side of a dispatch call, shared by
# the host and the probe.
add_library(host_automation STATIC
  ${STAND_IN_TOOLS}/automation_server.cpp
  ${STAND_IN_TOOLS}/dispatch_call.cpp
)
target_link_libraries(host_automation PUBLIC host_readers ole32 oleaut32 uuid)

add_executable(stand_in_host
  ${STAND_IN_TOOLS}/stand_in_host.cpp
  ${STAND_IN_TOOLS}/stats_plugin_api.cpp
  ${STAND_IN_TOOLS}/stats_exports.cpp
  ${STAND_IN_TOOLS}/window_watcher.cpp
  ${STAND_IN_TOOLS}/replay.cpp
  ${STAND_IN_TOOLS}/load_run.cpp
  ${STAND_IN_TOOLS}/heap_in_use.cpp
  ${STAND_IN_TOOLS}/automation_service.cpp
  ${STAND_IN_TOOLS}/crash_report.cpp
  ${STAND_IN_TOOLS}/message_pump.cpp
  ${STAND_IN_TOOLS}/plugin_unload.cpp
  ${STAND_IN_TOOLS}/unload_cycles.cpp
  ${STAND_IN_TOOLS}/screen_capture.cpp
)
set_target_properties(stand_in_host PROPERTIES OUTPUT_NAME stand_in_host SUFFIX ".exe")
target_link_libraries(stand_in_host PRIVATE host_readers host_automation psapi user32 gdi32)
# One self-contained .exe: no libgcc, libstdc++ or winpthread DLLs beside it.
target_link_options(stand_in_host PRIVATE -static -static-libgcc -static-libstdc++)

# A client of the automation object, for the tests: what the plug-in's
# window thread asks, and every wrong shape of call.
add_executable(automation_probe ${STAND_IN_TOOLS}/automation_probe.cpp)
set_target_properties(automation_probe PROPERTIES SUFFIX ".exe")
target_link_libraries(automation_probe PRIVATE host_automation)
target_link_options(automation_probe PRIVATE -static -static-libgcc -static-libstdc++)
