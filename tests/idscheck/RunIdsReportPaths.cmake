# What a report path may name. Runs ifcapi-ids on copies of MODEL and IDS with reports naming the
# model, the IDS document (also as a hard link or under another spelling), each other, or a folder,
# and checks each run is refused with exit code 2 before anything is read: the inputs keep their
# bytes and the folder gains no file. An IDS document that is not valid shows the refusal comes first
# (reading it would give exit code 4). Then a symbolic link planted at the name older versions wrote
# the report to must not be followed: its target keeps its text.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/sub)
set(model ${WORK}/m.ifc)
set(ids ${WORK}/r.ids)
file(COPY_FILE ${MODEL} ${model})
file(COPY_FILE ${IDS} ${ids})
file(WRITE ${WORK}/bad.ids "<not an IDS document")
file(CREATE_LINK ${model} ${WORK}/hard.ifc)
include(${CMAKE_CURRENT_LIST_DIR}/../support/RefusedRun.cmake)
keep_unchanged(${model} ${ids} ${WORK}/bad.ids)

expect_refused("m.ifc is the model .*m.ifc; choose another report" ${model} ${ids} --report-json ${model})
expect_refused("hard.ifc is the model" ${model} ${ids} --report-html ${WORK}/hard.ifc)
expect_refused("r.ids is the IDS document .*r.ids; choose another report" ${model} ${ids} --report-html ${ids})
expect_refused("bad.ids is the IDS document" ${model} ${WORK}/bad.ids --report-json ${WORK}/bad.ids)
expect_refused("same.out is the JSON report .*same.out; choose another report"
  ${model} ${ids} --report-json ${WORK}/same.out --report-html ${WORK}/sub/../same.out)
expect_refused("sub: not a regular file; name a file to write the report to"
  ${model} ${WORK}/bad.ids --report-json ${WORK}/sub)

if(NOT WIN32 AND NOT EMULATOR)
  file(WRITE ${WORK}/victim "V")
  file(CREATE_LINK ${WORK}/victim ${WORK}/r.json.partial SYMBOLIC)
  execute_process(COMMAND ${TOOL} ${model} ${ids} --report-json ${WORK}/r.json
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  file(READ ${WORK}/victim victim)
  if(code GREATER 1 OR NOT victim STREQUAL "V" OR IS_SYMLINK ${WORK}/r.json OR NOT EXISTS ${WORK}/r.json)
    message(FATAL_ERROR "the report was written through the link planted at r.json.partial (exit code ${code})\n${err}")
  endif()
endif()
