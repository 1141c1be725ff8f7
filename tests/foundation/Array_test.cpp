#include "KT/Array.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

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
  // An empty list (not `{}`, which picks the default constructor) takes no buffer either.
  KT::Array<int> values(std::initializer_list<int>{});
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

std::vector<Text> Contents(const KT::Array<Text>& values) {
  return std::vector<Text>(values.begin(), values.end());
}

// A full array that pushes one of its own elements must read it before the old buffer goes, and a
// growth that fails must leave that element as it was, even when it was to be moved in.
TEST(Array, PushOfItsOwnElementWhileGrowingIsAllOrNothing) {
  const auto full = [] { return KT::Array<Text>{Long(0), Long(1), Long(2)}; };
  const auto noInvariant = [](const KT::Array<Text>&) {};
  EXPECT_GE(IFCAPI::Testing::SweepAllOrNothing(
                full, [](KT::Array<Text>& values) { values.Push(std::move(values[0])); }, Contents, noInvariant),
            2u);
  EXPECT_GE(IFCAPI::Testing::SweepAllOrNothing(
                full, [](KT::Array<Text>& values) { values.Push(values[2]); }, Contents, noInvariant),
            2u);
  KT::Array<Text> values = full();
  values.Push(std::move(values[0]));
  values.Push(values[3]);
  ASSERT_EQ(values.GetSize(), 5u);
  EXPECT_EQ(values[3], Long(0));
  EXPECT_EQ(values[4], Long(0));
}

// An element whose default construction allocates: growing by SetSize either makes every new
// element or none.
struct Boxed {
  std::unique_ptr<int> value = std::make_unique<int>(7);
};

TEST(Array, SetSizeGrowthMakesAllNewElementsOrNone) {
  const std::uint64_t failures = IFCAPI::Testing::SweepAllOrNothing(
      [] {
        KT::Array<Boxed> values;
        values.SetSize(2);
        return values;
      },
      [](KT::Array<Boxed>& values) { values.SetSize(6); },
      [](const KT::Array<Boxed>& values) { return values.GetSize(); },
      [](const KT::Array<Boxed>& values) {
        for (const Boxed& box : values)
          EXPECT_EQ(*box.value, 7);
      });
  EXPECT_GE(failures, 5u);
}

// Elements whose move may throw are copied into a new buffer; when a copy throws something other
// than a lack of memory, the new buffer is given back and the array keeps its elements.
struct Fragile {
  static inline int copiesLeft = -1;  // copies that succeed before one throws; -1: never throws
  explicit Fragile(int i = 0) : text(Long(i)) {}
  Fragile(const Fragile& other) : text(other.text) {
    if (copiesLeft == 0)
      throw std::runtime_error("copy refused");
    if (copiesLeft > 0)
      --copiesLeft;
  }
  Fragile(Fragile&& other) noexcept(false) : Fragile(static_cast<const Fragile&>(other)) {}
  Fragile& operator=(const Fragile&) = delete;
  Text text;
};

TEST(Array, AnElementCopyThatThrowsDuringReallocationLeaksNothing) {
  for (int copies = 0; copies <= 4; ++copies) {
    KT::Array<Fragile> values{Fragile(0), Fragile(1), Fragile(2), Fragile(3)};
    const IFCAPI::Testing::LiveAllocationDelta delta;
    Fragile::copiesLeft = copies;
    EXPECT_THROW(values.Push(Fragile(4)), std::runtime_error) << copies;
    Fragile::copiesLeft = -1;
    EXPECT_EQ(delta.Get(), 0) << copies;
    ASSERT_EQ(values.GetSize(), 4u);
    EXPECT_EQ(values.GetCapacity(), 4u);
    EXPECT_EQ(values[3].text, Long(3));
  }
  // A copy that runs out of memory while growing, by Push or by SetSize, fails the growth: the array
  // is left as it was.
  const auto texts = [](const KT::Array<Fragile>& values) {
    std::vector<Text> all;
    for (const Fragile& element : values)
      all.push_back(element.text);
    return all;
  };
  for (const auto grow : {+[](KT::Array<Fragile>& values) { values.Push(Fragile(2)); },
                          +[](KT::Array<Fragile>& values) { values.SetSize(4); }}) {
    EXPECT_GE(IFCAPI::Testing::SweepAllOrNothing(
                  [] {
                    return KT::Array<Fragile>{Fragile(0), Fragile(1)};
                  },
                  grow, texts, [](const KT::Array<Fragile>&) {}),
              4u);
  }
  KT::Array<Fragile> values{Fragile(0), Fragile(1), Fragile(2), Fragile(3), Fragile(4)};
  values.Push(Fragile(5));
  values.Push(Fragile(6));
  const IFCAPI::Testing::LiveAllocationDelta delta;
  Fragile::copiesLeft = 0;
  EXPECT_THROW(values.SetSize(1), std::runtime_error);  // the shrink copies the one element kept
  Fragile::copiesLeft = -1;
  EXPECT_EQ(delta.Get(), -6);  // the six texts destroyed, the new buffer given back
  ASSERT_EQ(values.GetSize(), 1u);
  EXPECT_EQ(values[0].text, Long(0));

  // A shrink that runs out of memory, for the new buffer or for the element copy, is a failed
  // shrink: swallowed, the old buffer kept.
  for (const std::uint64_t failing : {1u, 2u}) {
    while (values.GetSize() < 5)
      values.Push(Fragile(static_cast<int>(values.GetSize())));
    ASSERT_EQ(values.GetCapacity(), 10u);
    const IFCAPI::Testing::LiveAllocationDelta shrinking;
    MemoryManager::FailAllocation(failing, MemoryManager::FailureMode::Once);
    values.SetSize(1);
    MemoryManager::StopFailing();
    EXPECT_TRUE(MemoryManager::HasInjectedFailure());
    EXPECT_EQ(values.GetCapacity(), 10u) << failing;
    ASSERT_EQ(values.GetSize(), 1u);
    EXPECT_EQ(values[0].text, Long(0));
    EXPECT_EQ(shrinking.Get(), -4) << failing;
  }
}

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
  // A moved-from array is empty and takes new elements: that is what is checked here.
  EXPECT_EQ(values.GetSize(), 0u);  // NOLINT(bugprone-use-after-move)
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
    EXPECT_EQ(copy.GetSize(), 0u);  // NOLINT(bugprone-use-after-move): the moved-from state is checked
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
  // Assigned to itself, by copy or by move, an array keeps its elements: none lost, none made twice.
  TypeParam& alias = values;
  values = alias;
  values = std::move(alias);
  TypeParam& single = taken;  // one element, in the inline buffer where there is one
  taken = std::move(single);
  taken = single;  // NOLINT(bugprone-use-after-move): `single` is `taken`, moved onto itself
  EXPECT_EQ(Counted::live, 6);
  ASSERT_EQ(values.GetSize(), 5u);
  EXPECT_EQ(values[2].value, 2);
  ASSERT_EQ(taken.GetSize(), 1u);
  EXPECT_EQ(taken[0].value, 9);
  values.Clear();
  taken.Clear();
  EXPECT_EQ(Counted::live, 0);
  values.Push(Counted(7));  // usable after clearing
  EXPECT_EQ(values[0].value, 7);
}

}  // namespace
