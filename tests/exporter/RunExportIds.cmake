# Runs ifcapi-export with ARGUMENTS, writing WORK/out.ifc, and checks its exit code (EXIT_CODE) and
# that its standard output matches REPORT: the written file's requirements report.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGUMENTS} ${WORK}/out.ifc
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT code STREQUAL EXIT_CODE)
  message(FATAL_ERROR "exit code ${code}, expected ${EXIT_CODE}\nstdout: ${out}\nstderr: ${err}")
endif()
if(NOT out MATCHES "${REPORT}")
  message(FATAL_ERROR "the report does not match '${REPORT}':\n${out}")
endif()
if(NOT EXISTS ${WORK}/out.ifc)
  message(FATAL_ERROR "the file was not written")
endif()
