# Run at install time: moves the debug information of each installed binary in IFCAPI_SPLIT_FILES into
# a file beside it, NAME.debug, and leaves in the binary only a .gnu_debuglink naming that file, which
# gdb follows by itself (it looks beside the binary). IFCAPI_OBJCOPY is the objcopy to use.
foreach(binary IN LISTS IFCAPI_SPLIT_FILES)
  if(NOT EXISTS "${binary}")
    continue()
  endif()
  execute_process(COMMAND "${IFCAPI_OBJCOPY}" --only-keep-debug "${binary}" "${binary}.debug" RESULT_VARIABLE kept)
  if(kept EQUAL 0)
    execute_process(COMMAND "${IFCAPI_OBJCOPY}" --strip-debug "--add-gnu-debuglink=${binary}.debug" "${binary}"
                    RESULT_VARIABLE stripped)
  endif()
  if(NOT kept EQUAL 0 OR NOT stripped EQUAL 0)
    message(FATAL_ERROR "cannot split the debug information of ${binary}")
  endif()
  message(STATUS "Debug information: ${binary}.debug")
endforeach()
