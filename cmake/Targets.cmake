# How the project's targets are made, so that every stand-in and every subsystem is built the same way.

# Links the allocation operators (IFCAPI::allocation) whole into `target`, so that its every heap block
# comes from KT::MemoryManager even where only its statically linked C++ runtime allocates. PUBLIC passes
# them on to whatever links `target`, as the library does for each add-on.
#   ifcapi_link_allocation(target PRIVATE|PUBLIC)
function(ifcapi_link_allocation target scope)
  target_link_libraries(${target} ${scope} "$<LINK_LIBRARY:WHOLE_ARCHIVE,IFCAPI::allocation>")
endfunction()

# A stand-in of one of the host's closed libraries: a shared library of its own, with its public
# headers in include/ and the export definition that its export macro tests while it is built.
# Installed, its headers go to include/IFCAPI-host/, apart from IFCAPI's own, so that an add-on
# project can tell at a glance which headers belong to the host and which to this library.
#   ifcapi_add_platform_library(Name EXPORT_DEFINITION X_BUILDING SOURCES ... [DEPENDS ...]
#                               [USES_FOUNDATION_HEADERS] [DEFINES_MEMORY_MANAGER])
# USES_FOUNDATION_HEADERS: the library's interface takes KT::Array, which is header-only and written
# in the foundation subsystem.
# DEFINES_MEMORY_MANAGER: the library defines KT::MemoryManager, so it compiles the allocation operators
# itself rather than import the memory manager from its own DLL.
function(ifcapi_add_platform_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "USES_FOUNDATION_HEADERS;DEFINES_MEMORY_MANAGER" "EXPORT_DEFINITION"
                        "SOURCES;DEPENDS")
  add_library(${name} SHARED ${arg_SOURCES})
  if(arg_DEFINES_MEMORY_MANAGER)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/foundation/allocation/AllocationOperators.cpp)
  else()
    ifcapi_link_allocation(${name} PRIVATE)
  endif()
  target_include_directories(${name}
    PUBLIC
      $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
      $<INSTALL_INTERFACE:${IFCAPI_INSTALL_HOST_INCLUDEDIR}>
    PRIVATE
      # Internal headers are included by their path from the project root.
      ${PROJECT_SOURCE_DIR})
  if(arg_USES_FOUNDATION_HEADERS)
    target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/foundation/include>
                                              $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  endif()
  target_compile_definitions(${name} PRIVATE ${arg_EXPORT_DEFINITION})
  if(arg_DEPENDS)
    target_link_libraries(${name} PUBLIC ${arg_DEPENDS})
  endif()
  set_target_properties(${name} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  ifcapi_set_warnings(${name})
  install(DIRECTORY include/ DESTINATION ${IFCAPI_INSTALL_HOST_INCLUDEDIR})
endfunction()

# Adds one subsystem's sources and public headers (include/) to the library.
#   ifcapi_add_subsystem(SOURCES ...)
function(ifcapi_add_subsystem)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "" "SOURCES")
  target_sources(ifcapi PRIVATE ${arg_SOURCES})
  target_include_directories(ifcapi PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  install(DIRECTORY include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
endfunction()
