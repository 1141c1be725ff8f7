# Installs the pinned npm packages of SOURCE (package.json, package-lock.json) into TARGET with
# `npm ci`, unless TARGET already holds exactly that lockfile's install.
# PACKAGE (default web-ifc) is the package whose presence tells that the install is there.
#   cmake -DNPM=npm -DSOURCE=tests/external-readers -DTARGET=build/dev/tests/external-readers/npm [-DPACKAGE=name] -P RunNpmCi.cmake
if(NOT DEFINED PACKAGE)
  set(PACKAGE web-ifc)
endif()
file(SHA256 ${SOURCE}/package-lock.json wanted)
set(stamp ${TARGET}/installed-lock.sha256)
if(EXISTS ${stamp})
  file(READ ${stamp} installed)
  if(installed STREQUAL wanted AND EXISTS ${TARGET}/node_modules/${PACKAGE}/package.json)
    message(STATUS "npm packages up to date in ${TARGET}")
    return()
  endif()
endif()
file(MAKE_DIRECTORY ${TARGET})
file(COPY ${SOURCE}/package.json ${SOURCE}/package-lock.json DESTINATION ${TARGET})
execute_process(COMMAND ${NPM} ci --no-audit --no-fund --loglevel=error
                WORKING_DIRECTORY ${TARGET} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "npm ci failed in ${TARGET} (exit ${result}): the checks need the npm registry once "
                      "to install ${PACKAGE}")
endif()
file(WRITE ${stamp} ${wanted})
