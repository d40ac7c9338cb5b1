# Runs the Initialize Statistics run, 100 games per setting with a fixed seed,
# into PROGRAM_DIR/Winners when none of the records files exists yet.  The
# files' stamp is SOURCE_DATE_EPOCH from the environment when set, else
# RELEASE_EPOCH (the newest changelog entry's date): never the write time.
foreach(colours 5 6 7 8 9 10)
  if(EXISTS "${PROGRAM_DIR}/Winners/Winners${colours}")
    return()
  endif()
endforeach()
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(epoch STREQUAL "")
  set(epoch "${RELEASE_EPOCH}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
                        "${SIM}" init-stats --dir "${PROGRAM_DIR}" --games 100 --seed 20261206
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Seeding the records files failed")
endif()
