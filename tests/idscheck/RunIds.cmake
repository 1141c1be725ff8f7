# Runs ifcapi-ids with ARGUMENTS and checks its exit code (EXIT_CODE) and that its standard error
# matches MESSAGE. EMULATOR, when set, runs the program (a cross build's under Wine).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGUMENTS}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
if(NOT code STREQUAL EXIT_CODE)
  message(FATAL_ERROR "exit code ${code}, expected ${EXIT_CODE}\nstdout: ${out}\nstderr: ${err}")
endif()
if(NOT err MATCHES "${MESSAGE}")
  message(FATAL_ERROR "standard error does not match '${MESSAGE}':\n${err}")
endif()
