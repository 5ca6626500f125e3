# Sanitizer builds, chosen with -DSTATS_SANITIZE=address (ASan and UBSan)
# or -DSTATS_SANITIZE=thread (TSan).  scripts/sanitize.sh hands this file to
# CMake as CMAKE_PROJECT_INCLUDE, so it applies to every target of the tree.
set(STATS_SANITIZE "" CACHE STRING "Sanitizer build: address, thread or empty")

if(STATS_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
elseif(STATS_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT STATS_SANITIZE STREQUAL "")
  message(FATAL_ERROR "STATS_SANITIZE must be address, thread or empty")
endif()
