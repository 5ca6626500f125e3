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
configure_file(${CMAKE_SOURCE_DIR}/tests/kit/run-tests.cmd.in ${kit}/run-tests.cmd
  @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/tests/kit/README-selftest.txt.in ${kit}/README-selftest.txt
  @ONLY NEWLINE_STYLE CRLF)

# The programs are the ones windows.cmake made from the glob of test sources.
set(programs)
foreach(source ${STATS_WIN_TESTS})
  get_filename_component(name ${source} NAME_WE)
  list(APPEND programs ${name})
endforeach()
list(SORT programs)
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

# The members' time is the commit's, as in the release zip.
add_custom_command(OUTPUT ${STATS_KIT_ZIP}
  ${strip_commands}
  COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/scripts/pack-zip.py ${STATS_KIT_ZIP}
    git:${CMAKE_SOURCE_DIR} ${members}
  DEPENDS Stats ${programs} ${sample_files} ${kit}/run-tests.cmd ${kit}/README-selftest.txt
    ${CMAKE_SOURCE_DIR}/scripts/pack-zip.py
  COMMENT "Packing the self-test kit ${STATS_KIT_ZIP}"
  VERBATIM)
add_custom_target(selftest_kit ALL DEPENDS ${STATS_KIT_ZIP})
