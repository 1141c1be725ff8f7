# Script run by CTest in the Windows build: no DLL may export a global operator new or delete. An
# exported operator would replace the importing module's own only where that module names it, not
# inside its statically linked C++ runtime, so blocks would again meet the wrong allocator. A DLL
# without any export attribute would export every symbol, the operators included.
#   cmake -DOBJDUMP=... -DDLLS=a.dll;b.dll -P CheckDllExports.cmake
foreach(dll IN LISTS DLLS)
  execute_process(COMMAND ${OBJDUMP} -p ${dll} RESULT_VARIABLE status OUTPUT_VARIABLE table ERROR_VARIABLE error)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${dll} failed: ${error}")
  endif()
  string(FIND "${table}" "[Ordinal/Name Pointer] Table" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "${dll} exports nothing")
  endif()
  string(SUBSTRING "${table}" ${start} -1 exports)
  # _Znw/_Zna: operator new and new[]; _Zdl/_Zda: operator delete and delete[] (every overload).
  string(REGEX MATCHALL "_Z(nw|na|dl|da)[A-Za-z0-9_]*" operators "${exports}")
  if(operators)
    message(FATAL_ERROR "${dll} exports allocation operators: ${operators}")
  endif()
endforeach()
