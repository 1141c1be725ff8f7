# Runs ifcapi-export twice on INPUT with ADDON into two folders: both runs succeed, the two files are
# byte for byte the same, the header names the tool, and no partial file is left.
# EMULATOR, when set, runs the tool (a cross build's program under Wine).
file(REMOVE_RECURSE ${WORK})
foreach(run a b)
  file(MAKE_DIRECTORY ${WORK}/${run})
  execute_process(COMMAND ${EMULATOR} ${TOOL} --addon ${ADDON} ${INPUT} ${WORK}/${run}/out.ifc
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT code EQUAL 0 OR NOT out MATCHES "written: .*out.ifc")
    message(FATAL_ERROR "run ${run}: exit code ${code}\nstdout: ${out}\nstderr: ${err}")
  endif()
  if(EXISTS ${WORK}/${run}/out.ifc.partial)
    message(FATAL_ERROR "run ${run} left its partial file")
  endif()
  file(SHA256 ${WORK}/${run}/out.ifc hash_${run})
endforeach()
if(NOT hash_a STREQUAL hash_b)
  message(FATAL_ERROR "the same input and add-on gave different files")
endif()
file(READ ${WORK}/a/out.ifc text)
if(NOT text MATCHES "FILE_NAME\\('out.ifc',[^;]*'ifcapi-export [0-9.]+'")
  message(FATAL_ERROR "the header does not name the tool")
endif()
