# Script run by CTest: install, configure the consumer against the install tree, build it, run it.
# With TOOLCHAIN_FILE set, the consumer is cross-built with it and run through EMULATOR, with the
# installed DLLs copied beside it as an add-on's installer would place them.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}")
  endif()
endfunction()

if(TOOLCHAIN_FILE)
  set(compiler -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN_FILE})
else()
  set(compiler -DCMAKE_CXX_COMPILER=${CXX_COMPILER})
endif()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE} -B ${WORK_DIR}/build -G ${GENERATOR} ${compiler}
    -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
if(EMULATOR)
  file(GLOB dlls ${prefix}/bin/*.dll)
  file(COPY ${dlls} DESTINATION ${WORK_DIR}/build)
  run(${EMULATOR} ${WORK_DIR}/build/consumer.exe)
else()
  run(${WORK_DIR}/build/consumer)
endif()
