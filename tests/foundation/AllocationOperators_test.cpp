// The library's allocation operators must be the process's in every build the test command runs,
// the sanitizer build included; otherwise the failure injection of these tests would prove nothing.
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "KT/MemoryManager.h"
#include "KT/OutOfMemoryException.h"
#include "KT/UniString.h"

namespace {

using KT::MemoryManager;

// A heap int that the optimiser cannot elide: the compiler may drop a new/delete pair whose block
// never escapes, which would hide the allocation from these tests.
std::unique_ptr<int> HeapInt(int value) {
  auto block = std::make_unique<int>(value);
#if defined(__GNUC__)
  asm volatile("" : : "g"(block.get()) : "memory");
#else
  static int* volatile sink;
  sink = block.get();
#endif
  return block;
}

TEST(AllocationOperators, NewAndDeleteGoThroughTheMemoryManager) {
  const std::size_t live = MemoryManager::GetLiveAllocationCount();
  const std::size_t bytes = MemoryManager::GetLiveByteCount();
  auto block = std::make_unique<std::vector<char>>(1000);
  EXPECT_EQ(MemoryManager::GetLiveAllocationCount(), live + 2);
  EXPECT_GE(MemoryManager::GetLiveByteCount(), bytes + 1000);
  block.reset();
  EXPECT_EQ(MemoryManager::GetLiveAllocationCount(), live);
  EXPECT_EQ(MemoryManager::GetLiveByteCount(), bytes);
}

TEST(AllocationOperators, InjectedFailuresReachEveryForm) {
  MemoryManager::FailAllocation(1, MemoryManager::FailureMode::Once);
  EXPECT_THROW(std::string(200, 'x'), KT::OutOfMemoryException);
  EXPECT_TRUE(MemoryManager::HasInjectedFailure());

  MemoryManager::FailAllocation(1, MemoryManager::FailureMode::Once);
  EXPECT_EQ(new (std::nothrow) int[4], nullptr);

  // Code of another module (the foundation library) allocates through the same operators.
  MemoryManager::FailAllocation(1, MemoryManager::FailureMode::Once);
  EXPECT_THROW(KT::UniString("a text of the foundation library that is long enough to need the heap"), std::bad_alloc);

  MemoryManager::FailAllocation(2, MemoryManager::FailureMode::Once);
  auto first = HeapInt(1);
  EXPECT_THROW(HeapInt(2), KT::OutOfMemoryException);
  auto third = HeapInt(3);  // only the second one failed
  MemoryManager::StopFailing();
  EXPECT_EQ(*first + *third, 4);

  MemoryManager::FailAllocation(1, MemoryManager::FailureMode::FromThenOn);
  EXPECT_THROW(HeapInt(1), KT::OutOfMemoryException);
  EXPECT_THROW(HeapInt(2), KT::OutOfMemoryException);
  MemoryManager::StopFailing();
  EXPECT_NO_THROW(HeapInt(3));
}

}  // namespace
