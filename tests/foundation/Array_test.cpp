#include "KT/Array.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "AllocationSweep.h"

namespace {

using IFCAPI::Testing::LiveAllocationDelta;
using IFCAPI::Testing::SweepAllOrNothing;
using KT::MemoryManager;

// An element that owns heap memory, so that copies can fail and leaks show.
using Text = std::string;
using Texts = KT::Array<Text>;
Text Long(int i) {
  return "element number " + std::to_string(i) + " with a text longer than any inline buffer";
}

template <class Elements>
std::vector<Text> Contents(const Elements& values) {
  std::vector<Text> all;
  for (const auto& element : values) {
    all.push_back(Text(element));
  }
  return all;
}

// A list's exact length, growth to the larger of size + 1 and twice the size, a shrink at a quarter
// to twice the size, value-initialised growth; an inline buffer serves its one element without the
// allocator and is never given back.
TEST(Array, CapacityFollowsTheGrowthAndShrinkRules) {
  // An empty list (not `{}`, which picks the default constructor) takes no buffer either.
  KT::Array<int> values(std::initializer_list<int>{});
  EXPECT_EQ(values.GetCapacity(), 0u);
  const std::uint32_t expected[] = {1, 2, 4, 4, 8, 8, 8, 8, 16};
  for (int i = 0; i < 9; ++i) {
    values.Push(i);
    EXPECT_EQ(values.GetCapacity(), expected[i]) << "after push " << i;
  }
  values.SetSize(16);
  for (std::uint32_t i = 0; i < 16; ++i) {
    EXPECT_EQ(values[i], i < 9 ? static_cast<int>(i) : 0);
  }
  values.SetSize(5);  // above a quarter: the buffer stays
  EXPECT_EQ(values.GetCapacity(), 16u);
  values.SetSize(4);  // a quarter: reallocated to twice the size
  EXPECT_EQ(values.GetCapacity(), 8u);
  values.Clear();
  EXPECT_TRUE(values.GetCapacity() == 0 && values.GetSize() == 0);

  const LiveAllocationDelta delta;
  KT::ArrayFB<int*, 1> slots;
  slots.SetSize(1);
  EXPECT_TRUE(slots.GetCapacity() == 1 && slots[0] == nullptr && delta.Get() == 0);
  slots.SetSize(7);
  EXPECT_EQ(delta.Get(), 1);
  slots.Clear();
  EXPECT_TRUE(slots.GetCapacity() == 1 && delta.Get() == 0);
}

// An element whose default construction allocates: growing by SetSize makes every new element or none.
struct Boxed {
  std::unique_ptr<int> value = std::make_unique<int>(7);
  explicit operator Text() const { return std::to_string(*value); }
};

// A growth that fails leaves the array as it was, also when the pushed element is one of its own,
// which must be read before the old buffer goes.
TEST(Array, EveryGrowthIsAllOrNothing) {
  const struct {
    void (*operation)(Texts&);
    std::uint32_t size;
    Text last;
  } cases[] = {
      {[](Texts& values) { values.Push(std::move(values[0])); }, 4, Long(0)},
      {[](Texts& values) { values.Push(values[2]); }, 4, Long(2)},
      {[](Texts& values) { values.Push(Long(3)); }, 4, Long(3)},
      {[](Texts& values) { values.SetSize(5); }, 5, Text()},
      {[](Texts& values) {
         values = Texts{Long(0), Long(1), Long(2), Long(9)};
       },
       4, Long(9)},
  };
  const auto full = [] { return Texts{Long(0), Long(1), Long(2)}; };
  for (const auto& c : cases) {
    EXPECT_GE(SweepAllOrNothing(full, c.operation, Contents<Texts>, [](const Texts&) {}), 2u) << c.last;
    Texts values = full();
    c.operation(values);
    ASSERT_EQ(values.GetSize(), c.size);
    EXPECT_EQ(values[c.size - 1], c.last);
  }
  const auto boxes = [] {
    KT::Array<Boxed> values;
    values.SetSize(2);
    return values;
  };
  EXPECT_GE(SweepAllOrNothing(
                boxes, [](KT::Array<Boxed>& values) { values.SetSize(6); }, Contents<KT::Array<Boxed>>,
                [](const KT::Array<Boxed>&) {}),
            5u);
}

// Elements whose move may throw are copied into a new buffer; when a copy throws something other
// than a lack of memory, the new buffer is given back and the array keeps its elements.
struct Fragile {
  static inline int copiesLeft = -1;  // copies that succeed before one throws; -1: never throws
  explicit Fragile(int i = 0) : text(Long(i)) {}
  Fragile(const Fragile& other) : text(other.text) {
    if (copiesLeft == 0) {
      throw std::runtime_error("copy refused");
    }
    if (copiesLeft > 0) {
      --copiesLeft;
    }
  }
  Fragile(Fragile&& other) noexcept(false) : Fragile(static_cast<const Fragile&>(other)) {}
  Fragile& operator=(const Fragile&) = delete;
  explicit operator Text() const { return text; }
  Text text;
};
using Fragiles = KT::Array<Fragile>;

TEST(Array, AnElementCopyThatFailsDuringReallocationLeaksNothing) {
  for (int copies = 0; copies <= 4; ++copies) {  // the new element first, then each old one
    Fragiles values{Fragile(0), Fragile(1), Fragile(2), Fragile(3)};
    const LiveAllocationDelta delta;
    Fragile::copiesLeft = copies;
    EXPECT_THROW(values.Push(Fragile(4)), std::runtime_error) << copies;
    Fragile::copiesLeft = -1;
    EXPECT_TRUE(delta.Get() == 0 && values.GetSize() == 4 && values.GetCapacity() == 4) << copies;
    EXPECT_EQ(values[3].text, Long(3));
  }
  // A copy that runs out of memory while growing fails the growth.
  const auto two = [] { return Fragiles{Fragile(0), Fragile(1)}; };
  const auto grow = [](Fragiles& values) { values.SetSize(4); };
  EXPECT_GE(SweepAllOrNothing(two, grow, Contents<Fragiles>, [](const Fragiles&) {}), 4u);
  Fragiles values{Fragile(0), Fragile(1), Fragile(2), Fragile(3), Fragile(4)};
  values.Push(Fragile(5));
  values.Push(Fragile(6));
  const LiveAllocationDelta delta;
  Fragile::copiesLeft = 0;
  EXPECT_THROW(values.SetSize(1), std::runtime_error);  // the shrink copies the one element kept
  Fragile::copiesLeft = -1;
  EXPECT_EQ(delta.Get(), -6);  // the six texts destroyed, the new buffer given back
  EXPECT_EQ(Contents(values), std::vector<Text>{Long(0)});

  // A shrink that runs out of memory, for the new buffer or for the element copy, is swallowed and
  // keeps the old buffer.
  for (const std::uint64_t failing : {1u, 2u}) {
    while (values.GetSize() < 5) {
      values.Push(Fragile(static_cast<int>(values.GetSize())));
    }
    ASSERT_EQ(values.GetCapacity(), 10u);
    const LiveAllocationDelta shrinking;
    MemoryManager::FailAllocation(failing, MemoryManager::FailureMode::Once);
    values.SetSize(1);
    MemoryManager::StopFailing();
    EXPECT_TRUE(MemoryManager::HasInjectedFailure() && values.GetCapacity() == 10u) << failing;
    EXPECT_EQ(Contents(values), std::vector<Text>{Long(0)});
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
  TypeParam single;
  single.Push(Counted(9));  // fits an inline buffer
  TypeParam values(std::move(single));
  // A moved-from array is empty and takes new elements: that is what is checked here.
  EXPECT_TRUE(values[0].value == 9 && single.GetSize() == 0 && Counted::live == 1);  // NOLINT(bugprone-use-after-move)
  single = std::move(values);
  for (int i = 0; i < 20; ++i) {
    values.Push(Counted(i));
  }
  values.SetSize(3);
  EXPECT_TRUE(Counted::live == 4 && values.GetCapacity() == 6);
  {
    TypeParam copy(values);
    TypeParam moved(std::move(copy));
    copy.Push(Counted(7));  // NOLINT(bugprone-use-after-move): the moved-from state is used
    values = copy;
    EXPECT_TRUE(Counted::live == 6 && moved[2].value == 2 && values[0].value == 7);
    values = std::move(moved);
  }
  values.SetSize(5);
  EXPECT_TRUE(Counted::live == 6 && values[4].value == 0);
  // Assigned to itself, by copy or by move, an array keeps its elements: none lost, none made twice.
  TypeParam& sameValues = values;
  TypeParam& sameSingle = single;  // one element, in the inline buffer where there is one
  values = sameValues;
  values = std::move(sameValues);
  single = std::move(sameSingle);
  single = sameSingle;  // NOLINT(bugprone-use-after-move): `sameSingle` is `single`, moved onto itself
  EXPECT_EQ(Counted::live, 6);
  ASSERT_TRUE(values.GetSize() == 5 && single.GetSize() == 1);
  EXPECT_TRUE(values[2].value == 2 && single[0].value == 9);
  values.Clear();
  EXPECT_EQ(Counted::live, 1);
}

}  // namespace
