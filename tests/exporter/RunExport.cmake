# Runs ifcapi-export with ARGUMENTS and WORK/out.ifc (or the given output) as its output and checks that it fails with
# EXIT_CODE, prints a message matching MESSAGE, and leaves neither the output nor a partial file.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# OUTPUT_IS_GIVEN at the end: the arguments name their own output, the last path before it.
set(output ${WORK}/out.ifc)
if(ARGUMENTS MATCHES ";OUTPUT_IS_GIVEN$")
  list(REMOVE_AT ARGUMENTS -1)
  list(GET ARGUMENTS -1 output)
  list(REMOVE_AT ARGUMENTS -1)
endif()
execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGUMENTS} ${output}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT code STREQUAL EXIT_CODE)
  message(FATAL_ERROR "exit code ${code}, expected ${EXIT_CODE}\nstdout: ${out}\nstderr: ${err}")
endif()
if(NOT err MATCHES "${MESSAGE}")
  message(FATAL_ERROR "the message does not match '${MESSAGE}':\n${err}")
endif()
if(EXISTS ${output} OR EXISTS ${output}.partial)
  message(FATAL_ERROR "a failed run left an output file behind")
endif()
