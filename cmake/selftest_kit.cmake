# The self-test kit, <product>-<version>-selftest.zip beside the release's
# parts: Stats.dll, every Windows test program and the stand-in host (their
# symbols stripped from the copies), the host's sample logs and country
# file, run-tests.cmd and its README.  Built with everything, so the kit the
# Wine tests run is the one scripts/release.sh ships.  Included by
# cmake/windows.cmake once the test programs and the host exist.
if(NOT TARGET stand_in_host)
  return()
endif()
find_program(PYTHON3 NAMES python3 REQUIRED)

set(kit ${CMAKE_BINARY_DIR}/selftest)
set(STATS_KIT_ZIP ${CMAKE_BINARY_DIR}/release/${PROJECT_NAME}-${PROJECT_VERSION}-selftest.zip)
configure_file(${CMAKE_SOURCE_DIR}/tests/kit/README-selftest.txt.in ${kit}/README-selftest.txt
  @ONLY NEWLINE_STYLE CRLF)

# The programs are the ones windows.cmake made from the glob of test sources.
set(programs ${STATS_WIN_TEST_PROGRAMS})
# run-tests.cmd runs the programs of this list, not whatever it finds: one
# that is missing from an unpacked kit is a failure.
list(JOIN programs " " STATS_KIT_PROGRAMS)
configure_file(${CMAKE_SOURCE_DIR}/tests/kit/run-tests.cmd.in ${kit}/run-tests.cmd
  @ONLY NEWLINE_STYLE CRLF)
list(APPEND programs stand_in_host)

# strip stamps the PE header with the time, or with SOURCE_DATE_EPOCH where
# set (but not with 0, which the linker wrote): one second after 1970 then,
# the same at every build.
set(strip_commands)
set(members ${kit}/README-selftest.txt ${kit}/run-tests.cmd $<TARGET_FILE:Stats>)
foreach(program ${programs})
  list(APPEND strip_commands
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=1
      ${CMAKE_STRIP} -o ${kit}/${program}.exe $<TARGET_FILE:${program}>)
  list(APPEND members ${kit}/${program}.exe)
endforeach()
set(samples kolvex_sample.adi edge_cases.adi cty.dat)
set(sample_files)
foreach(sample ${samples})
  list(APPEND sample_files ${CMAKE_SOURCE_DIR}/samples/${sample})
  list(APPEND members ${CMAKE_SOURCE_DIR}/samples/${sample}=samples/${sample})
endforeach()

# What the zip holds, for its test (tests/tools/check_release_zip.py).
string(REPLACE ";" "\n" member_lines "${members}")
file(GENERATE OUTPUT ${STATS_KIT_ZIP}.members CONTENT "${member_lines}\n")

# The members' time is the commit's, as in the release zip: a new commit
# (HEAD's log grows) makes the zip again.
set(commit_log)
execute_process(COMMAND git -C ${CMAKE_SOURCE_DIR} rev-parse --absolute-git-dir
  OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(git_dir AND EXISTS ${git_dir}/logs/HEAD)
  set(commit_log ${git_dir}/logs/HEAD)
endif()
add_custom_command(OUTPUT ${STATS_KIT_ZIP}
  ${strip_commands}
  COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/scripts/pack-zip.py ${STATS_KIT_ZIP}
    git:${CMAKE_SOURCE_DIR} ${members}
  DEPENDS Stats ${programs} ${sample_files} ${kit}/run-tests.cmd ${kit}/README-selftest.txt
    ${CMAKE_SOURCE_DIR}/scripts/pack-zip.py ${commit_log}
  COMMENT "Packing the self-test kit ${STATS_KIT_ZIP}"
  VERBATIM)
add_custom_target(selftest_kit ALL DEPENDS ${STATS_KIT_ZIP})

# Stand-ins for the test of run-tests.cmd's count, which puts them in place
# of listed programs in a copy of the unpacked kit: not members of the zip.
foreach(kind PASSES SKIPS FAILS RUNS_NONE CRASHES)
  string(TOLOWER ${kind} suffix)
  add_executable(kit_stand_in_${suffix} ${CMAKE_SOURCE_DIR}/tests/kit/kit_stand_in.cpp)
  target_compile_definitions(kit_stand_in_${suffix} PRIVATE KIT_STAND_IN_${kind})
  target_link_libraries(kit_stand_in_${suffix} PRIVATE ${STATS_STATIC_LINK})
endforeach()
