# A tree with one allowed include (the export tool's command line on the IFC layer) and one upward
# include (the IFC layer on the export tool): the check must fail, naming the upward one only.
file(REMOVE_RECURSE ${WORK})
file(WRITE ${WORK}/ifc/step/Model.h "#pragma once\n")
file(WRITE ${WORK}/exporter/main/Arguments.h "#pragma once\n#include \"ifc/step/Model.h\"\n")
file(WRITE ${WORK}/ifc/step/Planted.h "#pragma once\n\n#include \"exporter/main/Arguments.h\"\n")
execute_process(COMMAND ${PYTHON} ${CHECK} --root ${WORK} --rules ${RULES}
                RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_VARIABLE output)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "the check exited ${status}, not 1:\n${output}${errors}")
endif()
set(expected "ifc/step/Planted.h:3: ifc/step must not include exporter/main (\"exporter/main/Arguments.h\")\n")
if(NOT errors STREQUAL expected)
  message(FATAL_ERROR "the check reported:\n${errors}\ninstead of:\n${expected}")
endif()

# A rules file that lets a folder include one listed below it would allow a cycle: refused.
file(WRITE ${WORK}/cyclic.txt "ifc/step: exporter/main\nexporter/main: ifc/step\n")
execute_process(COMMAND ${PYTHON} ${CHECK} --root ${WORK} --rules ${WORK}/cyclic.txt
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 2 OR NOT errors MATCHES "cyclic.txt:1: ifc/step allows exporter/main, not listed above it")
  message(FATAL_ERROR "an upward rule was not refused (exit ${status}):\n${errors}")
endif()
