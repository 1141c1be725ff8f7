#include "KT/Array.h"

#include <gtest/gtest.h>

#include <string>

#include "AllocationSweep.h"

namespace {

using IFCAPI::Testing::SweepAllocationFailures;
using KT::MemoryManager;

// An element that owns heap memory, so that copies can fail and leaks show.
using Text = std::string;
Text Long(int i) {
  return "element number " + std::to_string(i) + " with a text longer than any inline buffer";
}

TEST(Array, GrowsFromAListsExactLengthToTheLargerOfSizePlusOneAndTwiceTheSize) {
  KT::Array<int> values{};
  EXPECT_EQ(values.GetCapacity(), 0u);
  const std::uint32_t expected[] = {1, 2, 4, 4, 8, 8, 8, 8, 16};
  for (int i = 0; i < 9; ++i) {
    values.Push(i);
    EXPECT_EQ(values.GetCapacity(), expected[i]) << "after push " << i;
  }
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ(values[static_cast<std::uint32_t>(i)], i);

  KT::Array<Text> texts{Long(0), Long(1)};
  ASSERT_EQ(texts.GetCapacity(), 2u);
  texts.Push(texts[0]);  // reallocates: the source element lives in the buffer being freed
  texts.Push(std::move(texts[1]));
  ASSERT_EQ(texts.GetSize(), 4u);
  EXPECT_EQ(texts[2], Long(0));
  EXPECT_EQ(texts[3], Long(1));
}

TEST(Array, SetSizeShrinksTheBufferAtAQuarterAndFillsGrowthWithNull) {
  KT::Array<int*> slots;
  slots.SetSize(16);
  EXPECT_EQ(slots.GetCapacity(), 16u);
  for (int* slot : slots)
    EXPECT_EQ(slot, nullptr);
  slots.SetSize(5);  // above a quarter: the buffer stays
  EXPECT_EQ(slots.GetCapacity(), 16u);
  slots.SetSize(4);  // a quarter: reallocated to twice the size
  EXPECT_EQ(slots.GetCapacity(), 8u);
  slots.Clear();
  EXPECT_EQ(slots.GetCapacity(), 0u);
  EXPECT_EQ(slots.GetSize(), 0u);
}

TEST(Array, AFailedShrinkIsSwallowedAndKeepsTheOldBuffer) {
  KT::Array<Text> values;
  for (int i = 0; i < 16; ++i)
    values.Push(Long(i));
  MemoryManager::FailAllocation(1, MemoryManager::FailureMode::FromThenOn);
  values.SetSize(2);
  MemoryManager::StopFailing();
  EXPECT_TRUE(MemoryManager::HasInjectedFailure());
  EXPECT_EQ(values.GetSize(), 2u);
  EXPECT_EQ(values.GetCapacity(), 16u);
  EXPECT_EQ(values[1], Long(1));
}

TEST(Array, InlineBufferServesOneElementWithoutTheAllocator) {
  IFCAPI::Testing::LiveAllocationDelta delta;
  KT::ArrayFB<int*, 1> slots;
  EXPECT_EQ(slots.GetCapacity(), 1u);
  slots.SetSize(1);
  EXPECT_EQ(delta.Get(), 0);
  slots.SetSize(7);
  EXPECT_EQ(delta.Get(), 1);
  slots.Clear();  // back to the inline buffer, never below the minimum capacity
  EXPECT_EQ(slots.GetCapacity(), 1u);
  EXPECT_EQ(delta.Get(), 0);
}

TEST(Array, EveryFailedAllocationLeavesAValidArrayAndLeaksNothing) {
  for (const auto mode : {MemoryManager::FailureMode::Once, MemoryManager::FailureMode::FromThenOn}) {
    const std::uint64_t runs = SweepAllocationFailures(
        mode,
        [] {
          return KT::Array<Text>{Long(0), Long(1)};
        },
        [](KT::Array<Text>& values) {
          values.Push(values[1]);
          values.Push(Long(3));
          KT::Array<Text> copy(values);
          copy.SetSize(1);
          values.Push(copy[0]);
          values = copy;
        },
        [](KT::Array<Text>& values, bool failed) {
          ASSERT_GE(values.GetSize(), 1u);
          EXPECT_EQ(values[0], Long(0));
          for (std::uint32_t i = 1; i < values.GetSize(); ++i)
            EXPECT_FALSE(values[i].empty());
          if (!failed) {
            EXPECT_EQ(values.GetSize(), 1u);
          }
          values.Push(Long(9));  // still usable
          EXPECT_EQ(values[values.GetSize() - 1], Long(9));
        });
    EXPECT_GT(runs, 5u);
  }
}

}  // namespace

namespace {

// Counts its live instances, so that a test can tell a leaked or doubly destroyed element.
struct Counted {
  static inline int live = 0;
  explicit Counted(int value = 0) : value(value) { ++live; }
  Counted(const Counted& other) : value(other.value) { ++live; }
  Counted(Counted&& other) noexcept : value(other.value) {
    other.value = -1;
    ++live;
  }
  ~Counted() { --live; }
  Counted& operator=(const Counted&) = delete;
  int value;
};

template <class A>
class ArrayOfCounted : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(Counted::live, 0); }
};

using ArrayKinds = ::testing::Types<KT::Array<Counted>, KT::ArrayFB<Counted, 1>>;
TYPED_TEST_SUITE(ArrayOfCounted, ArrayKinds);

TYPED_TEST(ArrayOfCounted, EveryOperationKeepsExactlyTheHeldElementsAliveAndMovedFromArraysUsable) {
  TypeParam values;
  values.Push(Counted(1));  // fits an inline buffer
  TypeParam taken(std::move(values));
  EXPECT_EQ(taken[0].value, 1);
  EXPECT_EQ(values.GetSize(), 0u);
  EXPECT_EQ(Counted::live, 1);
  for (int i = 0; i < 20; ++i) {
    values.Push(Counted(i));
    EXPECT_EQ(Counted::live, i + 2);
  }
  taken.Clear();
  values.SetSize(3);
  EXPECT_EQ(Counted::live, 3);
  EXPECT_EQ(values.GetCapacity(), 6u);
  {
    TypeParam copy(values);
    EXPECT_EQ(Counted::live, 6);
    TypeParam moved(std::move(copy));
    EXPECT_EQ(Counted::live, 6);
    EXPECT_EQ(moved[2].value, 2);
    EXPECT_EQ(copy.GetSize(), 0u);
    copy.Push(Counted(9));
    values = moved;
    EXPECT_EQ(Counted::live, 7);
    taken = std::move(copy);
    EXPECT_EQ(taken[0].value, 9);
  }
  EXPECT_EQ(Counted::live, 4);
  values.SetSize(5);
  EXPECT_EQ(Counted::live, 6);
  EXPECT_EQ(values[4].value, 0);
  values.Clear();
  taken.Clear();
  EXPECT_EQ(Counted::live, 0);
  values.Push(Counted(7));  // usable after clearing
  EXPECT_EQ(values[0].value, 7);
}

}  // namespace
