# Run by CTest: pack, unpack, check the layout, build the first add-on against the archive and run
# the packed tool with it.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

# Pack and unpack the archive as an add-on developer receives it.
run(${CPACK} -G TGZ --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/archives)
set(archive ${WORK_DIR}/archives/${PACKAGE_NAME}.tar.gz)
if(NOT EXISTS ${archive})
  message(FATAL_ERROR "cpack did not write ${archive}")
endif()
file(ARCHIVE_EXTRACT INPUT ${archive} DESTINATION ${WORK_DIR})
set(prefix ${WORK_DIR}/${PACKAGE_NAME})

# Layout: the host stand-ins' headers only under include/IFCAPI-host, IFCAPI's own beside it,
# versioned shared libraries, the CMake package, and nothing stray.
set(problems "")
file(GLOB_RECURSE host_headers RELATIVE ${SOURCE_DIR}/platform ${SOURCE_DIR}/platform/*/include/*.h)
if(NOT host_headers)
  string(APPEND problems "no host stand-in header found in ${SOURCE_DIR}/platform\n")
endif()
foreach(header IN LISTS host_headers)
  string(REGEX REPLACE "^[^/]+/include/" "" header ${header})
  if(NOT EXISTS ${prefix}/include/IFCAPI-host/${header})
    string(APPEND problems "missing include/IFCAPI-host/${header}\n")
  endif()
  if(EXISTS ${prefix}/include/${header})
    string(APPEND problems "host header outside IFCAPI-host: include/${header}\n")
  endif()
endforeach()
set(expected include/IFCAPI/HookManager.h include/IFCAPI/AddOnEntry.h include/KT/Array.h include/TSAPI/Result.h
             ${LIBDIR}/libifcapi.so.${VERSION} ${LIBDIR}/libKTRoot.so.${VERSION} ${LIBDIR}/cmake/IFCAPI/IFCAPIConfig.cmake)
list(APPEND expected bin/${TOOL})
foreach(file IN LISTS expected)
  if(NOT EXISTS ${prefix}/${file})
    string(APPEND problems "missing ${file}\n")
  endif()
endforeach()
if(NOT IS_SYMLINK ${prefix}/${LIBDIR}/libifcapi.so)
  string(APPEND problems "${LIBDIR}/libifcapi.so is not a link to the versioned library\n")
endif()
file(GLOB_RECURSE stray RELATIVE ${prefix} ${prefix}/*.keep ${prefix}/*.orig ${prefix}/*~)
if(stray)
  string(APPEND problems "stray files: ${stray}\n")
endif()
if(problems)
  message(FATAL_ERROR "the archive's layout is wrong:\n${problems}")
endif()

# Build the walkthrough's add-on against the unpacked archive, as its reader does.
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/first-add-on -B ${WORK_DIR}/first-add-on -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/first-add-on)

# The packed tool exports the sample model with the first add-on: every element asked gets its
# property value and its attribute, and the one property set and the one reference are shared.
run(${prefix}/bin/${TOOL} --addon ${WORK_DIR}/first-add-on/libfirst_add_on.so
    ${prefix}/share/doc/IFCAPI/sample-building.ifc ${WORK_DIR}/enriched.ifc)
if(NOT output MATCHES "([0-9]+) elements asked" OR CMAKE_MATCH_1 EQUAL 0)
  message(FATAL_ERROR "the tool asked about no element:\n${output}")
endif()
set(elements ${CMAKE_MATCH_1})
set(summary "${elements} property values in 1 property sets, ${elements} attributes, 1 classification references")
string(FIND "${output}" "${summary}" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the tool's summary lacks \"${summary}\":\n${output}")
endif()
file(READ ${WORK_DIR}/enriched.ifc enriched)
foreach(contribution IN ITEMS "IFCPROPERTYSET\\([^;]*'FirstAddOn_Review'"
                              "IFCPROPERTYSINGLEVALUE\\('ReviewStatus',\\$,IFCLABEL\\('Approved'\\)"
                              "'Reviewed by the first add-on'" "IFCCLASSIFICATIONREFERENCE\\([^;]*'FA-100'")
  if(NOT enriched MATCHES "${contribution}")
    message(FATAL_ERROR "the enriched file lacks ${contribution}")
  endif()
endforeach()
