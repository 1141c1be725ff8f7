# Runs ifcapi-export with its output naming its input in four ways (the same path, another spelling,
# a hard link, a symbolic link), naming the add-on and an IDS document given with --ids, then naming a
# folder and a FIFO, and checks each run is refused with exit code 2 before anything is read or
# written: every input keeps its bytes, the folder gains no file, and the folder or FIFO is still
# there (writing beside it and renaming into place would have replaced it). An IDS document that is
# not valid shows the refusal comes before reading (reading it first would give exit code 4).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/sub)
set(input ${WORK}/in.ifc)
file(COPY_FILE ${INPUT} ${input})
file(COPY_FILE ${ADDON} ${WORK}/addon.bin)
file(COPY_FILE ${IDS} ${WORK}/r.ids)
file(WRITE ${WORK}/bad.ids "<not an IDS document")
file(CREATE_LINK ${input} ${WORK}/hard.ifc)
set(outputs ${input} ${WORK}/sub/../in.ifc ${WORK}/hard.ifc)
if(NOT WIN32 AND NOT EMULATOR)
  file(CREATE_LINK ${input} ${WORK}/soft.ifc SYMBOLIC)
  list(APPEND outputs ${WORK}/soft.ifc)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/../support/RefusedRun.cmake)
keep_unchanged(${input} ${WORK}/addon.bin ${WORK}/r.ids ${WORK}/bad.ids)

foreach(output IN LISTS outputs)
  expect_refused("is the input file" --addon ${ADDON} ${input} ${output})
endforeach()
expect_refused("addon.bin is the add-on .*addon.bin; choose another output"
  --addon ${WORK}/addon.bin ${input} ${WORK}/addon.bin)
expect_refused("r.ids is the IDS document .*r.ids; choose another output"
  --addon ${ADDON} --ids ${WORK}/r.ids ${input} ${WORK}/r.ids)
expect_refused("bad.ids is the IDS document" --addon ${ADDON} --ids ${WORK}/bad.ids ${input} ${WORK}/bad.ids)
expect_refused("sub: not a regular file" --addon ${ADDON} ${input} ${WORK}/sub)
if(NOT IS_DIRECTORY ${WORK}/sub)
  message(FATAL_ERROR "the folder named as output was replaced")
endif()
if(NOT WIN32 AND NOT EMULATOR)
  execute_process(COMMAND mkfifo ${WORK}/fifo RESULT_VARIABLE made)
  if(made STREQUAL "0")
    file(GLOB entries_before ${WORK}/*)
    expect_refused("fifo: not a regular file" --addon ${ADDON} ${input} ${WORK}/fifo)
    execute_process(COMMAND test -p ${WORK}/fifo RESULT_VARIABLE still_fifo)
    if(NOT still_fifo STREQUAL "0")
      message(FATAL_ERROR "the FIFO named as output was replaced")
    endif()
  endif()
endif()
