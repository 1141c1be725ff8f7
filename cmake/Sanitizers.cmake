# AddressSanitizer + UndefinedBehaviorSanitizer build.
#
# The library replaces the global allocation operators so that every block comes from
# KT::MemoryManager. clang's C++ driver would also link ASan's own operator new/delete into each
# executable, and those would take precedence over the library's for the whole process, so the
# memory manager (its counters and its failure injection) would never see a block. Executables are
# therefore linked through the C driver, which links ASan's malloc-level runtime only: ASan still
# checks every block (the memory manager allocates with malloc), and the library's operators stay
# the process's. The vptr check needs the C++ part of the runtime; so does the function-type check, so those two checks (vptr, function) are left out.
if(IFCAPI_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "IFCAPI_SANITIZE expects clang")
  endif()
  set(IFCAPI_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize=vptr,function -fno-sanitize-recover=all
                             -fno-omit-frame-pointer)
  add_compile_options(${IFCAPI_SANITIZER_FLAGS})
  add_link_options(${IFCAPI_SANITIZER_FLAGS})
  set(CMAKE_CXX_LINK_EXECUTABLE
      "<CMAKE_C_COMPILER> <FLAGS> <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES> -lstdc++ -lm")
endif()

# Fuzzing shares the sanitizer build: every target gets libFuzzer's coverage instrumentation
# (fuzzer-no-link), and only the fuzz executables link libFuzzer itself (fuzz/CMakeLists.txt), so the
# tests and fuzzers come from one build tree.
if(IFCAPI_BUILD_FUZZERS)
  if(NOT IFCAPI_SANITIZE)
    message(FATAL_ERROR "IFCAPI_BUILD_FUZZERS needs IFCAPI_SANITIZE (clang)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
