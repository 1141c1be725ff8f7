# Run by CTest: the IDS file docs/ids.md opens with is valid and checks the sample model as the
# document shows. Its first xml block is written to WORK/requirements.ids and checked with TOOL against
# MODEL; the exit code must be 1 and standard output the document's first text block.
cmake_minimum_required(VERSION 3.25)
file(READ ${DOCUMENT} text)
set(fence "```")

# The body of the first block of `language` after `from` in the text, into `out`; `from` moves past it.
function(next_block language out)
  string(FIND "${text}" "${fence}${language}\n" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "${DOCUMENT}: no ${language} block")
  endif()
  string(LENGTH "${fence}${language}\n" opening)
  math(EXPR start "${start} + ${opening}")
  string(SUBSTRING "${text}" ${start} -1 rest)
  string(FIND "${rest}" "${fence}" end)
  string(SUBSTRING "${rest}" 0 ${end} block)
  string(SUBSTRING "${rest}" ${end} -1 rest)
  set(${out} "${block}" PARENT_SCOPE)
  set(text "${rest}" PARENT_SCOPE)
endfunction()

next_block(xml ids)
next_block(text expected)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/requirements.ids "${ids}")
execute_process(COMMAND ${EMULATOR} ${TOOL} ${MODEL} requirements.ids WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT code STREQUAL "1")
  message(FATAL_ERROR "exit code ${code}, expected 1 (requirements fail)\n${out}${err}")
endif()
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "the output differs from ${DOCUMENT}'s:\n${out}\nexpected:\n${expected}")
endif()
