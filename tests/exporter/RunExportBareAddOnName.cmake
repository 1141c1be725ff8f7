# Runs ifcapi-export (through EMULATOR when set) in WORK with `--addon NAME`, a bare file name, after
# copying ADDON there under that NAME: the copy in the current folder is what the tool must load, not
# the library of that name on the loader's search path. ADDON refuses to start, so loading it shows as
# exit code 5 with its refusal; the other library would lack the add-on's functions.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY_FILE ${ADDON} ${WORK}/${NAME})
execute_process(COMMAND ${EMULATOR} ${TOOL} --addon ${NAME} ${INPUT} ${WORK}/out.ifc
  WORKING_DIRECTORY ${WORK} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
set(expected "add-on ${NAME}: IFCAPIAddOnRegister refused to start \\(it returned 7\\)")
if(NOT code STREQUAL 5 OR NOT err MATCHES "${expected}")
  message(FATAL_ERROR "exit code ${code}, expected 5 with '${expected}'\nstdout: ${out}\nstderr: ${err}")
endif()
