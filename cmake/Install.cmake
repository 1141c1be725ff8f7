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

# The README, every document it links to, the walkthrough's project, the example add-on's sources and
# the sample model with its IDS requirements, so that the archive alone is enough to write and try a first add-on. They keep the
# source tree's layout below share/doc/IFCAPI, so that the documents' links work there as well.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs FILES_MATCHING PATTERN "*.md")
install(FILES ${PROJECT_SOURCE_DIR}/examples/model/sample-building.ifc ${PROJECT_SOURCE_DIR}/examples/model/README.md
  ${PROJECT_SOURCE_DIR}/examples/model/SampleModel.h ${PROJECT_SOURCE_DIR}/examples/model/sample-building-requirements.ids
  DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples/model)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/first-add-on DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/addon/src ${PROJECT_SOURCE_DIR}/examples/addon/include
  DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples/addon)

# The debug information of the installed ELF binaries (the library, the host stand-ins, the tool and
# its default add-on) ships beside each as NAME.debug, split off at install time; gdb finds it through
# the binary's .gnu_debuglink. Builds without -g (plain Release) ship near-empty .debug files.
if(NOT WIN32 AND CMAKE_OBJCOPY)
  set(split_files "")
  foreach(target IN LISTS IFCAPI_PLATFORM_TARGETS ITEMS ifcapi)
    list(APPEND split_files "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:${target}>")
  endforeach()
  foreach(target IN ITEMS ifcapi-export example_addon)
    if(TARGET ${target})
      list(APPEND split_files "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${target}>")
    endif()
  endforeach()
  install(CODE "set(IFCAPI_OBJCOPY \"${CMAKE_OBJCOPY}\")
set(IFCAPI_SPLIT_FILES \"${split_files}\")
include(\"${PROJECT_SOURCE_DIR}/cmake/SplitDebugInfo.cmake\")")
endif()
