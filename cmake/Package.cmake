# The archive handed out to add-on developers: what `cmake --install` puts in place (headers,
# libraries, the CMake package, the export tool), packed by CPack as a .tar.gz on Linux and a .zip on
# Windows. `cmake --workflow --preset package` builds the library alone and packs it into
# build/package/.
set(CPACK_PACKAGE_NAME IFCAPI)
set(CPACK_PACKAGE_VENDOR "IFCAPI")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Object side of the add-on interface for IFC export")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x64)
else()
  set(CPACK_GENERATOR TGZ)
  set(CPACK_SYSTEM_NAME linux-${CMAKE_SYSTEM_PROCESSOR})
endif()
set(IFCAPI_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_PACKAGE_FILE_NAME ${IFCAPI_PACKAGE_FILE_NAME})
# The archive holds one folder named like the archive, which is the prefix to give CMAKE_PREFIX_PATH.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)
