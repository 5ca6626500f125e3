# The stand-in host's portable readers, shared by the native and the cross build.
add_library(host_readers STATIC
  ${CMAKE_CURRENT_LIST_DIR}/adif_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/band_plan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bmp_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/call_prefix.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cty_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/host_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/host_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/host_qso.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ole_date.cpp
  ${CMAKE_CURRENT_LIST_DIR}/synthetic_log.cpp
)
target_include_directories(host_readers PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
