# For the command tests that check a run is refused before it reads or writes anything. Uses EMULATOR
# (a cross build's runner, may be empty), TOOL and WORK from the including script.
#   keep_unchanged(FILES...)       the files no run may change, and the entries WORK holds now
#   expect_refused(REASON ARGS...) runs the tool with ARGS: exit code 2, standard error matching
#                                  REASON, the kept files' bytes and WORK's entries as they were
macro(keep_unchanged)
  set(kept ${ARGN})
  foreach(file IN LISTS kept)
    file(SHA256 ${file} before_${file})
  endforeach()
  file(GLOB entries_before ${WORK}/*)
endmacro()

function(expect_refused reason)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err
    TIMEOUT 60)
  if(NOT code STREQUAL "2" OR NOT err MATCHES "${reason}")
    message(FATAL_ERROR "${ARGN}: exit code ${code}, expected 2 and '${reason}'\n${err}")
  endif()
  foreach(file IN LISTS kept)
    file(SHA256 ${file} after)
    if(NOT after STREQUAL "${before_${file}}")
      message(FATAL_ERROR "${ARGN}: ${file} was written")
    endif()
  endforeach()
  file(GLOB entries_after ${WORK}/*)
  if(NOT "${entries_after}" STREQUAL "${entries_before}")
    message(FATAL_ERROR "${ARGN}: the folder holds '${entries_after}'")
  endif()
endfunction()
