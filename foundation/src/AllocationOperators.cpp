// The library's global allocation operators: every block that the library's code, std::string and
// std::vector included, takes from the heap comes from KT::MemoryManager.
//
// Who ends up calling these differs by platform, and in each case a block goes back to the
// allocator that gave it:
// - Windows: the operators of a DLL are its own. Blocks cross module boundaries (a std::string made
//   here is freed by inline code in the add-on), so every module of the host process forwards its
//   operators to the same KT::MemoryManager, exported by the foundation library; any module may
//   then free any block.
// - Linux, library linked by the executable (the tests, the example host): the dynamic linker binds
//   every reference to operator new and delete in the process, the C++ runtime's own included, to
//   the first definition in load order, which is this one (it comes before libstdc++). The whole
//   process then allocates through KT::MemoryManager, so there is one allocator for every block.
// - Linux, library loaded later with dlopen: the process's operators were bound before these were
//   seen, so the process, this library included, keeps using the C++ runtime's operators throughout;
//   again one allocator, only the memory manager's counters miss those blocks.
// - Sanitizer builds: clang's C++ driver links the sanitizer's own operators into each executable,
//   and an executable's definition would take precedence over this one. Our sanitizer executables are
//   linked without them (see cmake/Sanitizers.cmake), so these stay the process's operators and the
//   sanitizer checks every block below them, at malloc.
//
// Over-aligned operators (std::align_val_t) are left to the C++ runtime as a matched pair; the
// library allocates no over-aligned type.
#include <cstddef>
#include <new>

#include "IFCAPI/Export.h"
#include "KT/MemoryManager.h"

IFCAPI_EXPORT void* operator new(std::size_t size) {
  return KT::MemoryManager::Allocate(size);
}

IFCAPI_EXPORT void* operator new[](std::size_t size) {
  return KT::MemoryManager::Allocate(size);
}

IFCAPI_EXPORT void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return KT::MemoryManager::Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

IFCAPI_EXPORT void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return KT::MemoryManager::Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

IFCAPI_EXPORT void operator delete(void* block) noexcept {
  KT::MemoryManager::Free(block);
}

IFCAPI_EXPORT void operator delete[](void* block) noexcept {
  KT::MemoryManager::Free(block);
}

IFCAPI_EXPORT void operator delete(void* block, std::size_t) noexcept {
  KT::MemoryManager::Free(block);
}

IFCAPI_EXPORT void operator delete[](void* block, std::size_t) noexcept {
  KT::MemoryManager::Free(block);
}

IFCAPI_EXPORT void operator delete(void* block, const std::nothrow_t&) noexcept {
  KT::MemoryManager::Free(block);
}

IFCAPI_EXPORT void operator delete[](void* block, const std::nothrow_t&) noexcept {
  KT::MemoryManager::Free(block);
}
