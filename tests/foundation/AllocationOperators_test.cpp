// The library's allocation operators must be the process's in every build the test command runs,
// the sanitizer build included; otherwise the failure injection of these tests would prove nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "KT/MemoryManager.h"
#include "KT/OutOfMemoryException.h"
#include "KT/UniString.h"

namespace {

using KT::MemoryManager;
using Mode = MemoryManager::FailureMode;
constexpr auto Wide = std::align_val_t{256};
struct alignas(256) Page {
  unsigned char bytes[256];
};

// Keeps the optimiser from eliding a block: the compiler may drop a new/delete pair whose block never
// escapes, which would hide the allocation from these tests.
void Escape(const void* block) {
#if defined(__GNUC__)
  asm volatile("" : : "g"(block) : "memory");
#else
  static const void* volatile sink;
  sink = block;
#endif
}

template <class T = int>
std::unique_ptr<T> Heap() {
  auto block = std::make_unique<T>();
  Escape(block.get());
  return block;
}

TEST(AllocationOperators, InjectedFailuresReachEveryForm) {
  MemoryManager::FailAllocation(1, Mode::Once);
  EXPECT_THROW(std::string(200, 'x'), KT::OutOfMemoryException);
  EXPECT_TRUE(MemoryManager::HasInjectedFailure());
  // Code of another module (the foundation library) allocates through the same operators.
  MemoryManager::FailAllocation(1, Mode::Once);
  EXPECT_THROW(KT::UniString("a text of the foundation library that is long enough to need the heap"), std::bad_alloc);

  MemoryManager::FailAllocation(2, Mode::Once);
  auto first = Heap();
  EXPECT_THROW(Heap(), KT::OutOfMemoryException);
  EXPECT_NO_THROW(Heap());  // only the second one failed
  MemoryManager::FailAllocation(1, Mode::FromThenOn);
  EXPECT_THROW(Heap(), KT::OutOfMemoryException);
  EXPECT_THROW(Heap<Page>(), KT::OutOfMemoryException);
  MemoryManager::StopFailing();
  EXPECT_NO_THROW(Heap());
}

// Every block is counted while it lives, bytes included. Over-aligned blocks are carved out of a larger block of the
// memory manager; the start of that block must come back to it, whichever form of delete the
// compiler picks.
TEST(AllocationOperators, OrdinaryAndOverAlignedBlocksAreCountedAndReturned) {
  const std::size_t live = MemoryManager::GetLiveAllocationCount();
  const std::size_t bytes = MemoryManager::GetLiveByteCount();
  {
    auto single = Heap<Page>();
    auto several = std::make_unique<Page[]>(3);
    for (const void* block : {static_cast<const void*>(single.get()), static_cast<const void*>(several.get())}) {
      Escape(block);
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % 256, 0u);
    }
    EXPECT_EQ(MemoryManager::GetLiveAllocationCount(), live + 2);
    EXPECT_GE(MemoryManager::GetLiveByteCount(), bytes + 4 * 256);
  }
  EXPECT_TRUE(MemoryManager::GetLiveAllocationCount() == live && MemoryManager::GetLiveByteCount() == bytes);
}

// The forms called by hand: each no-throw form, freed by each of its matching deletes, gives a block
// while memory is there and null when it is not. An alignment the memory manager gives anyway takes no
// extra word below the block (freeing must not look for one), a size that cannot fit with its
// alignment fails instead of wrapping round to a small block, and freeing null is a no-op.
TEST(AllocationOperators, FormsCalledByHandGiveABlockOrNull) {
  const struct {
    void* (*allocate)();
    void (*free)(void*);
  } forms[] = {
      {[] { return ::operator new(24, std::nothrow); }, [](void* b) { ::operator delete(b, std::nothrow); }},
      {[] { return ::operator new[](24, std::nothrow); }, [](void* b) { ::operator delete[](b, std::nothrow); }},
      {[] { return ::operator new(24, Wide, std::nothrow); },
       [](void* b) { ::operator delete(b, Wide, std::nothrow); }},
      {[] { return ::operator new[](24, Wide, std::nothrow); },
       [](void* b) { ::operator delete[](b, Wide, std::nothrow); }},
      {[] { return ::operator new (24, std::align_val_t{alignof(std::max_align_t)}); },
       [](void* b) { ::operator delete (b, std::align_val_t{alignof(std::max_align_t)}); }},
#ifdef __cpp_sized_deallocation
      {[] { return ::operator new[](24, std::nothrow); }, [](void* b) { ::operator delete[](b, 24); }},
      {[] { return ::operator new[](24, Wide, std::nothrow); }, [](void* b) { ::operator delete[](b, 24, Wide); }},
#endif
  };
  const std::size_t live = MemoryManager::GetLiveAllocationCount();
  for (const auto& form : forms) {
    void* block = form.allocate();
    Escape(block);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u);
    EXPECT_EQ(MemoryManager::GetLiveAllocationCount(), live + 1);
    form.free(block);
    EXPECT_EQ(MemoryManager::GetLiveAllocationCount(), live);
    MemoryManager::FailAllocation(1, Mode::Once);
    try {
      block = form.allocate();
    } catch (const KT::OutOfMemoryException&) {
      block = nullptr;  // the throwing form
    }
    MemoryManager::StopFailing();
    EXPECT_EQ(block, nullptr);
  }
  volatile std::size_t hidden = SIZE_MAX - 100;  // read at run time, so the compiler cannot reject it
  const std::size_t huge = hidden;
  EXPECT_THROW(Escape(::operator new(huge, Wide)), KT::OutOfMemoryException);
  EXPECT_EQ(::operator new[](huge, Wide, std::nothrow), nullptr);
  ::operator delete(nullptr, Wide);
  ::operator delete[](nullptr, Wide);
  EXPECT_EQ(MemoryManager::GetLiveAllocationCount(), live);
}

}  // namespace
