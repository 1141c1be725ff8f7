# How the project's targets are made, so that every stand-in and every subsystem is built the same way.

# A stand-in of one of the host's closed libraries: a shared library of its own, with its public
# headers in include/ and the export definition that its export macro tests while it is built.
# Installed, its headers go to include/IFCAPI-host/, apart from IFCAPI's own, so that an add-on
# project can tell at a glance which headers belong to the host and which to this library.
#   ifcapi_add_platform_library(Name EXPORT_DEFINITION X_BUILDING SOURCES ... [DEPENDS ...]
#                               [USES_FOUNDATION_HEADERS])
# USES_FOUNDATION_HEADERS: the library's interface takes KT::Array, which is header-only and written
# in the foundation subsystem.
function(ifcapi_add_platform_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "USES_FOUNDATION_HEADERS" "EXPORT_DEFINITION" "SOURCES;DEPENDS")
  add_library(${name} SHARED ${arg_SOURCES})
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
