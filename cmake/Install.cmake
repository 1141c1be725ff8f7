# Installation and the CMake package, so that an add-on project can write
#   find_package(IFCAPI REQUIRED)
#   target_link_libraries(addon PRIVATE IFCAPI::ifcapi)
include(CMakePackageConfigHelpers)

set(IFCAPI_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/IFCAPI)

install(TARGETS ifcapi ifcapi_allocation ${IFCAPI_PLATFORM_TARGETS}
  EXPORT IFCAPITargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(EXPORT IFCAPITargets NAMESPACE IFCAPI:: DESTINATION ${IFCAPI_INSTALL_CMAKEDIR})

configure_package_config_file(cmake/IFCAPIConfig.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/IFCAPIConfig.cmake
  INSTALL_DESTINATION ${IFCAPI_INSTALL_CMAKEDIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/IFCAPIConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/IFCAPIConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/IFCAPIConfigVersion.cmake
  DESTINATION ${IFCAPI_INSTALL_CMAKEDIR})

# The export tool's add-on entry header: every add-on includes it, whether or not the tool is built.
install(FILES ${PROJECT_SOURCE_DIR}/exporter/include/IFCAPI/AddOnEntry.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/IFCAPI)

# The walkthrough and its project, so that the archive alone is enough to write a first add-on.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/first-add-on.md
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/first-add-on DESTINATION ${CMAKE_INSTALL_DOCDIR})
