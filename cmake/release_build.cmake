# What makes the shipped DLL the same bytes from every build of a commit,
# lean, and versioned from the project version.  Included by the top
# CMakeLists.txt before any target, in the cross build only.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Windows")
  return()
endif()

# No build folder in the binary: __FILE__ and the debug paths say "." for
# the sources and "build" for what the build made.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                    -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
# No build time in the PE header and the export directory (they hold 0).
add_link_options(-Wl,--no-insert-timestamp)
# One section per function and object, so that the linker leaves out what
# nothing calls, from our code and from the static C++ runtime.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)

# The version resource takes its numbers from project(VERSION).
if(NOT PROJECT_VERSION_TWEAK)
  set(PROJECT_VERSION_TWEAK 0)
endif()
set(STATS_VERSION_NUMBERS
  "${PROJECT_VERSION_MAJOR}, ${PROJECT_VERSION_MINOR}, ${PROJECT_VERSION_PATCH}, ${PROJECT_VERSION_TWEAK}")
set(STATS_VERSION_TEXT
  "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${PROJECT_VERSION_TWEAK}")
set(STATS_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/resources/stats_version.h.in
  ${STATS_GENERATED_DIR}/stats_version.h @ONLY)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${STATS_GENERATED_DIR}")

# What the release zip holds beside the DLL: the operator's guide (CR LF)
# and the version that names the zip.
configure_file(${CMAKE_SOURCE_DIR}/docs/guide.txt.in
  ${CMAKE_BINARY_DIR}/release/Stats-Guide.txt @ONLY NEWLINE_STYLE CRLF)
file(WRITE ${CMAKE_BINARY_DIR}/release/version.txt "${PROJECT_NAME}-${PROJECT_VERSION}\n")
