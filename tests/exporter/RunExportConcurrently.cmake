# Runs ifcapi-export on FIRST and on SECOND, each made 16 MB long by a comment so that the writes take
# a while, first alone, then both at once onto one output, a few times over. Both concurrent runs must
# succeed, the output must equal one of the two single runs' outputs byte for byte, and the output's
# folder must hold nothing else.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/first ${WORK}/second ${WORK}/both)
foreach(input first second)
  string(TOUPPER ${input} variable)
  file(READ ${${variable}} text)
  string(REPEAT "${input} ${input} ${input} ${input} ${input} ${input} ${input} ${input} ${input}\n" 200000 filler)
  string(REPLACE "DATA;\n" "DATA;\n/* ${filler}*/\n" text "${text}")
  file(WRITE ${WORK}/${input}.ifc "${text}")
  execute_process(COMMAND ${EMULATOR} ${TOOL} --addon ${ADDON} --quiet ${WORK}/${input}.ifc ${WORK}/${input}/out.ifc
    RESULT_VARIABLE code ERROR_VARIABLE err TIMEOUT 120)
  if(NOT code STREQUAL "0")
    message(FATAL_ERROR "${input} alone: exit code ${code}\n${err}")
  endif()
  file(SHA256 ${WORK}/${input}/out.ifc ${input}_sum)
endforeach()
# Under an emulator each run takes seconds, and two rounds already overlap.
set(rounds 5)
if(EMULATOR)
  set(rounds 2)
endif()
foreach(round RANGE 1 ${rounds})
  # The two commands of one execute_process run at once.
  execute_process(
    COMMAND ${EMULATOR} ${TOOL} --addon ${ADDON} --quiet ${WORK}/first.ifc ${WORK}/both/out.ifc
    COMMAND ${EMULATOR} ${TOOL} --addon ${ADDON} --quiet ${WORK}/second.ifc ${WORK}/both/out.ifc
    RESULTS_VARIABLE codes ERROR_VARIABLE err TIMEOUT 120)
  if(NOT codes STREQUAL "0;0")
    message(FATAL_ERROR "round ${round}: exit codes ${codes}, expected 0;0\n${err}")
  endif()
  file(SHA256 ${WORK}/both/out.ifc sum)
  if(NOT sum STREQUAL first_sum AND NOT sum STREQUAL second_sum)
    message(FATAL_ERROR "round ${round}: the output is neither run's file")
  endif()
  file(GLOB left RELATIVE ${WORK}/both ${WORK}/both/*)
  if(NOT "${left}" STREQUAL "out.ifc")
    message(FATAL_ERROR "round ${round}: the output's folder holds '${left}'")
  endif()
endforeach()
