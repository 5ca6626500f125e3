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

# Under ThreadSanitizer only the two-thread test of the shared state runs:
# a program of its own, so that this build compiles no other test.  Added
# once the top CMakeLists.txt has defined the core and the tests' support
# sources (cmake/native.cmake).
function(stats_add_thread_test)
  add_executable(shared_state_thread_test
    ${CMAKE_SOURCE_DIR}/tests/plugin/shared_state_thread_test.cpp ${STATS_FAKE_ENV_SOURCES})
  target_include_directories(shared_state_thread_test PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(shared_state_thread_test PRIVATE stats_core GTest::gtest_main pthread)
endfunction()
if(STATS_SANITIZE STREQUAL "thread")
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL stats_add_thread_test)
endif()
