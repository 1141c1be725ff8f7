// The global allocation operators of one module: every form of operator new and delete forwards to
// KT::MemoryManager, so that every heap block of the process, std::string's and std::vector's included,
// comes from the one allocator and may be freed by any module.
//
// This file is built into the static library IFCAPI::allocation, which is linked whole into every
// module (the library, each stand-in, the tests, the examples, the tools, and through the CMake
// package into each add-on), and compiled straight into the foundation library that defines the
// memory manager itself.
// - Windows: each DLL and EXE carries its own operators and its own C++ runtime; a block made in one
//   module is freed by inline code in another (a std::string made by the library and dropped by the
//   add-on). With these operators in every module, both ends reach the same KT::MemoryManager. They
//   are never exported: an exported operator would only replace the importing module's operators
//   where it names them, not those inside its statically linked runtime.
// - Linux: the dynamic linker binds every reference to operator new and delete in the process, the
//   C++ runtime's own included, to the first definition in load order (the executable's, else the
//   first library's), so the whole process allocates through KT::MemoryManager. A module loaded later
//   with dlopen finds the process's operators already bound and uses them, so there is still one
//   allocator. These definitions must therefore stay visible to the dynamic linker.
// - Sanitizer builds: executables are linked without the sanitizer's own operators (see
//   cmake/Sanitizers.cmake), so these stay the process's and the sanitizer checks every block below
//   them, at malloc.
#include <cstddef>
#include <cstdint>
#include <new>

#include "KT/MemoryManager.h"
#include "KT/OutOfMemoryException.h"

#if defined(_WIN32)
#define IFCAPI_ALLOCATION_OPERATOR
#else
#define IFCAPI_ALLOCATION_OPERATOR __attribute__((visibility("default")))
#endif

namespace {

// Over-aligned blocks: the memory manager gives the alignment of std::max_align_t, so a larger
// alignment takes `alignment` extra bytes and the start of the memory manager's block is kept in the
// word just below the aligned address. Since the memory manager's block is aligned to max_align_t and
// `alignment` is a larger power of two, that word always lies inside the block.
constexpr std::size_t FundamentalAlignment = alignof(std::max_align_t);
static_assert(FundamentalAlignment >= sizeof(void*), "the word below an aligned block must fit in the gap");

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
  const auto align = static_cast<std::size_t>(alignment);
  if (align <= FundamentalAlignment) {
    return KT::MemoryManager::Allocate(size);
  }
  if (size > SIZE_MAX - align) {
    throw KT::OutOfMemoryException();
  }
  void* block = KT::MemoryManager::Allocate(size + align);
  const std::uintptr_t aligned = (reinterpret_cast<std::uintptr_t>(block) + align) & ~(std::uintptr_t{align} - 1);
  reinterpret_cast<void**>(aligned)[-1] = block;
  return reinterpret_cast<void*>(aligned);
}

void FreeAligned(void* block, std::align_val_t alignment) noexcept {
  if (block == nullptr || static_cast<std::size_t>(alignment) <= FundamentalAlignment) {
    KT::MemoryManager::Free(block);
    return;
  }
  KT::MemoryManager::Free(static_cast<void**>(block)[-1]);
}

template <typename Allocation>
void* NoThrow(Allocation allocation) noexcept {
  try {
    return allocation();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

IFCAPI_ALLOCATION_OPERATOR void* operator new(std::size_t size) {
  return KT::MemoryManager::Allocate(size);
}

IFCAPI_ALLOCATION_OPERATOR void* operator new[](std::size_t size) {
  return KT::MemoryManager::Allocate(size);
}

IFCAPI_ALLOCATION_OPERATOR void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return NoThrow([size] { return KT::MemoryManager::Allocate(size); });
}

IFCAPI_ALLOCATION_OPERATOR void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return NoThrow([size] { return KT::MemoryManager::Allocate(size); });
}

IFCAPI_ALLOCATION_OPERATOR void* operator new(std::size_t size, std::align_val_t alignment) {
  return AllocateAligned(size, alignment);
}

IFCAPI_ALLOCATION_OPERATOR void* operator new[](std::size_t size, std::align_val_t alignment) {
  return AllocateAligned(size, alignment);
}

IFCAPI_ALLOCATION_OPERATOR void* operator new(std::size_t size, std::align_val_t alignment,
                                              const std::nothrow_t&) noexcept {
  return NoThrow([size, alignment] { return AllocateAligned(size, alignment); });
}

IFCAPI_ALLOCATION_OPERATOR void* operator new[](std::size_t size, std::align_val_t alignment,
                                                const std::nothrow_t&) noexcept {
  return NoThrow([size, alignment] { return AllocateAligned(size, alignment); });
}

IFCAPI_ALLOCATION_OPERATOR void operator delete(void* block) noexcept {
  KT::MemoryManager::Free(block);
}

IFCAPI_ALLOCATION_OPERATOR void operator delete[](void* block) noexcept {
  KT::MemoryManager::Free(block);
}

IFCAPI_ALLOCATION_OPERATOR void operator delete(void* block, std::size_t) noexcept {
  KT::MemoryManager::Free(block);
}

IFCAPI_ALLOCATION_OPERATOR void operator delete[](void* block, std::size_t) noexcept {
  KT::MemoryManager::Free(block);
}

IFCAPI_ALLOCATION_OPERATOR void operator delete(void* block, const std::nothrow_t&) noexcept {
  KT::MemoryManager::Free(block);
}

IFCAPI_ALLOCATION_OPERATOR void operator delete[](void* block, const std::nothrow_t&) noexcept {
  KT::MemoryManager::Free(block);
}

IFCAPI_ALLOCATION_OPERATOR void operator delete(void* block, std::align_val_t alignment) noexcept {
  FreeAligned(block, alignment);
}

IFCAPI_ALLOCATION_OPERATOR void operator delete[](void* block, std::align_val_t alignment) noexcept {
  FreeAligned(block, alignment);
}

IFCAPI_ALLOCATION_OPERATOR void operator delete(void* block, std::size_t, std::align_val_t alignment) noexcept {
  FreeAligned(block, alignment);
}

IFCAPI_ALLOCATION_OPERATOR void operator delete[](void* block, std::size_t, std::align_val_t alignment) noexcept {
  FreeAligned(block, alignment);
}

IFCAPI_ALLOCATION_OPERATOR void operator delete(void* block, std::align_val_t alignment,
                                                const std::nothrow_t&) noexcept {
  FreeAligned(block, alignment);
}

IFCAPI_ALLOCATION_OPERATOR void operator delete[](void* block, std::align_val_t alignment,
                                                  const std::nothrow_t&) noexcept {
  FreeAligned(block, alignment);
}
