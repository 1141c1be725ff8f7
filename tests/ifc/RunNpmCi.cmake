# Installs the pinned npm packages of SOURCE (package.json, package-lock.json) into TARGET with
# `npm ci`, unless TARGET already holds exactly that lockfile's install.
#   cmake -DNPM=npm -DSOURCE=tests/ifc -DTARGET=build/dev/tests/ifc/npm -P RunNpmCi.cmake
file(SHA256 ${SOURCE}/package-lock.json wanted)
set(stamp ${TARGET}/installed-lock.sha256)
if(EXISTS ${stamp})
  file(READ ${stamp} installed)
  if(installed STREQUAL wanted AND EXISTS ${TARGET}/node_modules/web-ifc/package.json)
    message(STATUS "npm packages up to date in ${TARGET}")
    return()
  endif()
endif()
file(MAKE_DIRECTORY ${TARGET})
file(COPY ${SOURCE}/package.json ${SOURCE}/package-lock.json DESTINATION ${TARGET})
execute_process(COMMAND ${NPM} ci --no-audit --no-fund --loglevel=error
                WORKING_DIRECTORY ${TARGET} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "npm ci failed in ${TARGET} (exit ${result}): the IFC checks need the npm registry once "
                      "to install web-ifc")
endif()
file(WRITE ${stamp} ${wanted})
