# Cross-build for 64-bit Windows from Linux with MinGW-w64 (posix thread model).
#   cmake --preset windows
#
# Every DLL and EXE is linked with -static, so each carries its own copy of the C++ runtime, libgcc
# and winpthreads and needs no runtime DLL beside it. That is why each module must route its
# operator new/delete to KT::MemoryManager (IFCAPI::allocation): a block may be made in one module
# and freed in another, and the runtimes' heaps do not know each other.
#
# Test programs run through Wine (CMAKE_CROSSCOMPILING_EMULATOR) when Wine is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(IFCAPI_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${IFCAPI_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${IFCAPI_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${IFCAPI_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${IFCAPI_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# An add-on finds the installed library by CMAKE_PREFIX_PATH, outside the target's root.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)

# Debian installs the 64-bit loader outside PATH; /usr/bin/wine would look for the 32-bit one first.
find_program(IFCAPI_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(IFCAPI_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${IFCAPI_WINE64})
endif()
