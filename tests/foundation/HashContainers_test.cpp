#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "AllocationSweep.h"
#include "IFCAPI/ObjectID.h"
#include "IPL/IFCType.h"
#include "KT/HashCapacity.h"
#include "KT/HashSet.h"
#include "KT/HashTable.h"
#include "KT/Internal/HashContainerBase.h"
#include "KT/UniString.h"

namespace {

using IFCAPI::Impl::ObjectID;
using Text = KT::UniString;
using Table = KT::HashTable<Text, std::string>;

// Sends every key to the same bucket, so that chains grow as long as the growth rule allows.
struct SameBucket {
  std::uint32_t operator()(unsigned int) const noexcept { return 0; }
};

std::string LongText(unsigned int i) {
  return "entry number " + std::to_string(i) + ", longer than any inline buffer";
}

// Keys of each kind the library stores, made from a number. ObjectIDs mix both kinds and pairs of
// GUIDs whose words are swapped, which hash alike.
template <class K>
K MakeKey(unsigned int i) {
  if constexpr (std::is_same_v<K, unsigned int>) {
    return i * 7919u;
  } else if constexpr (std::is_same_v<K, IPL::IFCType>) {
    return static_cast<IPL::IFCType>(i);
  } else if constexpr (std::is_same_v<K, Text>) {
    return Text(std::string_view(LongText(i)));
  } else {
    const API_Guid token = ToAPIGuid(KT::Guid("{AAAAAAAA-0000-0000-0000-000000000001}"));
    if (i % 5 == 0) {
      return ObjectID(token, static_cast<IPL::IFCType>(i));
    }
    const std::uint32_t words[2] = {i / 2 + (i % 2) * 1000, i / 2 + (1 - i % 2) * 1000};
    KT::Guid::Bytes bytes{};
    std::memcpy(bytes.data(), words, sizeof words);
    return ObjectID(token, KT::Guid(bytes));
  }
}
Text Key(unsigned int i) {
  return MakeKey<Text>(i);
}

Table Filled(unsigned int count) {
  Table table;
  for (unsigned int i = 0; i < count; ++i) {
    table.Add(Key(i), LongText(i));
  }
  return table;
}

// The search cost recounted from the keys' buckets (identity hash).
std::uint32_t RecountCost(const KT::HashSet<unsigned int>& set) {
  std::vector<std::uint32_t> lengths(set.GetBucketCount());
  std::uint32_t cost = 0;
  for (const unsigned int key : set) {
    cost += ++lengths[key % set.GetBucketCount()];
  }
  return cost;
}

template <class K>
class KeyTypes : public testing::Test {};
using LibraryKeys = testing::Types<ObjectID, IPL::IFCType, Text, unsigned int>;
TYPED_TEST_SUITE(KeyTypes, LibraryKeys);

TYPED_TEST(KeyTypes, EveryKeyIsFoundOnceAndEnumeratedInInsertionOrder) {
  using K = TypeParam;
  KT::HashSet<K> set;
  KT::HashTable<K, unsigned int> table;
  for (unsigned int i = 0; i < 300; ++i) {
    ASSERT_TRUE(set.Add(MakeKey<K>(i)) && table.Add(MakeKey<K>(i), i)) << i;
  }
  EXPECT_FALSE(set.Add(MakeKey<K>(17)));
  EXPECT_EQ(set.GetCount(), 300u);
  EXPECT_TRUE(!set.Contains(MakeKey<K>(300)) && set.Get(MakeKey<K>(300)) == nullptr);
  EXPECT_EQ(table.Get(MakeKey<K>(300)), nullptr);
  unsigned int next = 0;
  auto key = set.begin();
  for (const auto& entry : table) {
    ASSERT_TRUE(entry.key == MakeKey<K>(next) && *key == MakeKey<K>(next)) << next;
    EXPECT_EQ(table.Get(entry.key), &entry.value);
    EXPECT_EQ(set.Get(entry.key), &*key);
    EXPECT_EQ(entry.value, next++);
    ++key;
  }
  EXPECT_EQ(next, 300u);
}

// Growth needs both limits passed: one long chain stays until the load factor is reached, and full
// buckets stay until the average search passes its limit.
TEST(HashContainerGrowth, BucketsGrowOnlyWhenTheLoadFactorAndTheAverageSearchPassTheirLimits) {
  KT::HashTable<unsigned int, int, SameBucket> chain;
  const std::uint32_t first = KT::GetNextHashCapacity(0);
  unsigned int n = 1;
  for (; n < 0.75 * first; ++n) {
    ASSERT_TRUE(chain.Add(n, 0));
    EXPECT_EQ(chain.GetBucketCount(), first) << "rehashed at " << n << " entries";
    EXPECT_EQ(chain.GetTotalSearchCost(), n * (n + 1) / 2);  // the n-th key of the one chain costs n
  }
  ASSERT_TRUE(chain.Add(n, 0));
  EXPECT_EQ(chain.GetBucketCount(), KT::GetNextHashCapacity(first));
  EXPECT_EQ(chain.GetTotalSearchCost(), n * (n + 1) / 2);  // recounted: still one chain
  // A bucket count set by hand can make the load exactly the limit: growth is due when it is reached.
  for (const float load : {0.75f, 0.5f}) {
    KT::HashTable<unsigned int, int, SameBucket> eight(2.0f, load);
    eight.Rehash(8);
    for (unsigned int k = 1; k < 8 * load; ++k) {
      ASSERT_TRUE(eight.Add(k, 0) && eight.GetBucketCount() == 8) << "rehashed at " << k << " entries, limit " << load;
    }
    ASSERT_TRUE(eight.Add(0, 0));
    EXPECT_GT(eight.GetBucketCount(), 8u) << load;
  }

  // Keys 0..b-1 fill every bucket once; each further round of b keys lengthens every chain by one.
  KT::HashSet<unsigned int> set;
  set.Add(0);
  const std::uint32_t b = set.GetBucketCount();
  for (unsigned int k = 1; k < 3 * b; ++k) {
    ASSERT_TRUE(set.Add(k) && set.GetBucketCount() == b) << "rehashed at " << k + 1 << " entries";
  }
  EXPECT_EQ(set.GetTotalSearchCost(), 6 * b);  // three per chain: average exactly 2.0
  ASSERT_TRUE(set.Add(3 * b));
  EXPECT_EQ(set.GetBucketCount(), KT::GetNextHashCapacity(b));
  EXPECT_EQ(set.GetTotalSearchCost(), RecountCost(set));
}

// The kept search cost equals a recount after a copy and after rehashes by hand to counts with and
// without a precomputed reciprocal. Rehash(0) keeps one chain for a container's entries and frees
// the buckets only of an empty one.
TEST(HashContainerGrowth, SearchCostEqualsARecountAfterEveryRehash) {
  KT::HashSet<unsigned int> set;
  for (unsigned int i = 0; i < 2000; ++i) {
    set.Add(i * 2654435761u);
  }
  const KT::HashSet<unsigned int> copy(set);
  EXPECT_EQ(copy.GetTotalSearchCost(), RecountCost(copy));
  for (const std::uint32_t count : {2u, 1000u, 1361u, 0u}) {
    set.Rehash(count);
    EXPECT_EQ(set.GetTotalSearchCost(), RecountCost(set)) << count << " buckets";
  }
  EXPECT_EQ(set.GetBucketCount(), 1u);
  EXPECT_TRUE(set.Contains(0u) && set.Contains(1999u * 2654435761u));
  EXPECT_TRUE(set.Add(1u));  // the growth test divides by the count
  EXPECT_GT(set.GetBucketCount(), 1u);
  set.Clear();
  set.Rehash(0);
  EXPECT_TRUE(set.GetBucketCount() == 0 && set.GetEntryCapacity() == 0 && !set.Contains(1u));
}

// Blocks of 1, 2, 3, 4 pages of 8 entries; enumeration steps within a page by address and reads the
// page table when it crosses into the next, so it is checked on both sides of every boundary. No
// entry moves, through new blocks, rehashes and a rehash by hand down to one chain.
TEST(HashContainerStore, BlocksGrowByOnePageAndEntriesNeverMove) {
  KT::HashTable<unsigned int, std::string> table;
  EXPECT_FALSE(table.Contains(5));  // no buckets yet
  const struct {
    unsigned int count, capacity, lastBlockPages;
  } steps[] = {{0, 0, 0},   {1, 8, 1},   {7, 8, 1},   {8, 8, 1},   {9, 24, 2},
               {24, 24, 2}, {25, 48, 3}, {48, 48, 3}, {49, 80, 4}, {129, 168, 6}};
  std::vector<const std::string*> places;
  for (const auto& step : steps) {
    while (places.size() < step.count) {
      const auto key = static_cast<unsigned int>(places.size());
      std::string* place = nullptr;
      ASSERT_TRUE(table.Add(key, LongText(key), &place));
      places.push_back(place);
    }
    EXPECT_EQ(table.GetEntryCapacity(), step.capacity) << step.count << " entries";
    EXPECT_EQ(table.GetLastBlockPageCount(), step.lastBlockPages) << step.count << " entries";
    unsigned int next = 0;
    for (const auto& entry : table) {
      ASSERT_EQ(entry.key, next) << step.count << " entries";
      EXPECT_EQ(table.Get(next), &entry.value);
      EXPECT_EQ(places[next++], &entry.value);
    }
    EXPECT_EQ(next, step.count);
  }
  table.Rehash(1);
  EXPECT_EQ(table.GetBucketCount(), 1u);
  EXPECT_TRUE(table.Get(0) == places[0] && table.Get(128) == places[128] && *places[128] == LongText(128));
  table.Clear();
  EXPECT_EQ(table.GetCount() + table.GetBucketCount() + table.GetEntryCapacity() + table.GetTotalSearchCost(), 0u);
  EXPECT_FALSE(table.Contains(3));
  table.FindOrAdd(42) = "again";
  EXPECT_TRUE(table.GetEntryCapacity() == 8 && table.GetLastBlockPageCount() == 1);
  EXPECT_EQ(table.GetBucketCount(), KT::GetNextHashCapacity(0));
  EXPECT_EQ((*table.begin()).value, "again");
}

TEST(HashContainerStore, AddOfAPresentKeyChangesNothingAndReportsTheStoredValue) {
  Table table = Filled(20);
  const std::uint32_t cost = table.GetTotalSearchCost();
  const std::string* stored = table.Get(Key(7));
  std::string* found = nullptr;
  std::string offered = "offered";
  EXPECT_FALSE(table.Add(Key(7), std::move(offered), &found));
  EXPECT_EQ(found, stored);
  EXPECT_EQ(offered, "offered");  // NOLINT(bugprone-use-after-move): a refused value is not moved from
  EXPECT_EQ(&table.FindOrAdd(Key(7)), stored);
  EXPECT_EQ(*stored, LongText(7));
  EXPECT_TRUE(table.GetCount() == 20 && table.GetTotalSearchCost() == cost);

  const KT::HashSet<unsigned int> listed{4, 9, 4, 1};
  EXPECT_EQ(std::vector<unsigned int>(listed.begin(), listed.end()), (std::vector<unsigned int>{4, 9, 1}));
  // An empty list sizes no buckets and leaves a set that still takes keys.
  KT::HashSet<unsigned int> none(std::initializer_list<unsigned int>{});
  EXPECT_EQ(none.GetBucketCount(), 0u);
  EXPECT_TRUE(none.Add(3) && none.Contains(3));
}

// A copy keeps order and limits, with the buckets its count needs; limits below their minimum are
// replaced by the defaults (0.01f is below the double 0.01).
TEST(HashContainerCopyAndMove, CopyKeepsOrderAndLimitsWithDoubledBuckets) {
  const struct {
    float averageGiven, loadGiven, average, load;
  } limits[] = {
      {2.0f, 0.5f, 2.0f, 0.5f}, {0.5f, 0.001f, 2.0f, 0.75f}, {1.0f, 0.02f, 1.0f, 0.02f}, {3.0f, 0.01f, 3.0f, 0.75f}};
  for (const auto& limit : limits) {
    KT::HashTable<unsigned int, std::string> source(limit.averageGiven, limit.loadGiven);
    for (unsigned int i = 0; i < 100; ++i) {
      source.Add((i * 37) % 101, LongText(i));
    }
    const KT::HashTable<unsigned int, std::string> copy(source);
    EXPECT_EQ(copy.GetMaxAverageSearch(), limit.average) << limit.averageGiven;
    EXPECT_EQ(copy.GetMaxLoadFactor(), limit.load) << limit.loadGiven;
    if (limit.load == 0.5f) {
      EXPECT_EQ(copy.GetBucketCount(), KT::GetNextHashCapacity(KT::GetNextHashCapacity(100 / 5)));
    }
    source.FindOrAdd(0) = "changed";
    auto from = source.begin();
    unsigned int position = 0;
    for (const auto& entry : copy) {
      EXPECT_TRUE(entry.key == (*from).key && &entry.value != &(*from).value);
      EXPECT_EQ(entry.value, LongText(position++));
      ++from;
    }
    EXPECT_EQ(position, 100u);
  }
  EXPECT_TRUE(KT::HashSet<int>().GetMaxAverageSearch() == 2.0f && KT::HashSet<int>().GetMaxLoadFactor() == 0.75f);
  const KT::HashSet<unsigned int> empty;
  const KT::HashSet<unsigned int> emptyCopy(empty);
  EXPECT_TRUE(emptyCopy.IsEmpty() && !emptyCopy.Contains(0));
}

TEST(HashContainerCopyAndMove, MoveTakesTheEntriesWhereTheyAreAndLeavesAnEmptyUsableSource) {
  // Small (inline page table) and large (allocated page table and buckets) containers, and one whose
  // single bucket is the inline one.
  for (const unsigned int count : {1u, 5u, 300u}) {
    for (const bool oneBucket : {false, true}) {
      SCOPED_TRACE(std::to_string(count) + " entries, one bucket " + std::to_string(oneBucket));
      Table source(4.0f, 1.0f);
      for (unsigned int i = 0; i < count; ++i) {
        source.Add(Key(i), LongText(i));
      }
      if (oneBucket) {
        source.Rehash(1);
      }
      const std::string* last = source.Get(Key(count - 1));
      const std::uint32_t buckets = source.GetBucketCount();
      Table moved(std::move(source));
      EXPECT_TRUE(moved.GetCount() == count && moved.GetBucketCount() == buckets);
      EXPECT_TRUE(moved.GetMaxAverageSearch() == 4.0f && moved.Get(Key(count - 1)) == last);
      // The moved-from source is checked: empty, with default limits, and usable.
      EXPECT_TRUE(source.IsEmpty() && source.GetBucketCount() == 0 &&  // NOLINT(bugprone-use-after-move)
                  source.GetEntryCapacity() == 0 && source.begin() == source.end());
      EXPECT_EQ(source.GetMaxAverageSearch(), 2.0f);
      EXPECT_TRUE(source.Add(Key(0), "again") && *source.Get(Key(0)) == "again");

      Table assigned;
      assigned.Add("to be dropped", "x");
      assigned = std::move(moved);
      EXPECT_FALSE(assigned.Contains("to be dropped"));
      // Moved onto itself, a container keeps its entries (clearing first would lose them all).
      auto& alias = assigned;
      assigned = std::move(alias);
      unsigned int next = 0;
      for (const auto& entry : assigned) {
        EXPECT_EQ(entry.value, LongText(next++));
      }
      EXPECT_EQ(next, count);
      EXPECT_TRUE(moved.IsEmpty());  // NOLINT(bugprone-use-after-move): moved-from, checked empty
    }
  }
}

// Entries never move, so equal figures and equal entry addresses in equal order mean an unchanged table.
std::vector<std::uintptr_t> Fingerprint(const Table& table) {
  std::vector<std::uintptr_t> print = {table.GetCount(), table.GetBucketCount(), table.GetTotalSearchCost(),
                                       table.GetEntryCapacity(), table.GetLastBlockPageCount()};
  for (const auto& entry : table) {
    print.push_back(reinterpret_cast<std::uintptr_t>(&entry.value));
  }
  return print;
}

// Every entry is found again under its key and holds the text of its key.
void ExpectConsistent(const Table& table) {
  unsigned int seen = 0;
  for (const auto& entry : table) {
    EXPECT_EQ(table.Get(entry.key), &entry.value);
    EXPECT_EQ(Key(static_cast<unsigned int>(std::stoul(entry.value.substr(13)))), entry.key);
    ++seen;
  }
  EXPECT_EQ(seen, table.GetCount());
}

// At every size up to 60 entries (blocks of 1 to 4 pages, page table growth, rehashes), an insertion,
// a copy and a FindOrAdd that run out of memory leave the table as it was.
TEST(HashContainerAllocationFailure, EveryFailedAllocationLeavesTheTableAsItWas) {
  const std::function<void(Table&)> operations[] = {
      [](Table& table) { table.Add(Key(500), LongText(500)); },
      [](Table& table) {
        Table copy(table);
        table = std::move(copy);
      },
      [](Table& table) {
        std::string text = LongText(501);  // made first: an assignment that fails would leave an empty value
        table.FindOrAdd(Key(501)) = std::move(text);
      },
  };
  std::uint64_t failures = 0;
  for (unsigned int count = 0; count <= 60; ++count) {
    for (const auto& operation : operations) {
      failures += IFCAPI::Testing::SweepAllOrNothing([count] { return Filled(count); }, operation, Fingerprint,
                                                     ExpectConsistent);
    }
  }
  EXPECT_GT(failures, 400u);
}

// RemoveLast undoes the newest insertion: after it the table holds what it held before, every key
// is found again, and the search cost matches a recount, also when the insertion rehashed or the
// newest entry shares its chain with every other.
TEST(HashContainerUndo, RemoveLastRestoresTheContentsAfterGrowingAndCollidingInsertions) {
  Table table;
  KT::HashTable<unsigned int, std::string, SameBucket> colliding;
  for (unsigned int i = 0; i < 40; ++i) {
    ASSERT_TRUE(table.Add(Key(i), LongText(i)) && colliding.Add(i, LongText(i)));
    table.RemoveLast();
    colliding.RemoveLast();
    ExpectConsistent(table);
    EXPECT_TRUE(table.GetCount() == i && table.Get(Key(i)) == nullptr) << i;
    EXPECT_TRUE(colliding.GetCount() == i && colliding.Get(i) == nullptr) << i;
    const std::uint32_t cost = table.GetTotalSearchCost();
    table.Rehash(table.GetBucketCount());  // recounts
    EXPECT_EQ(table.GetTotalSearchCost(), cost) << i;
    EXPECT_EQ(colliding.GetTotalSearchCost(), i * (i + 1) / 2);
    // Added back for the next round, so that the store fills blocks and the buckets grow.
    ASSERT_TRUE(table.Add(Key(i), LongText(i)) && colliding.Add(i, LongText(i)));
    EXPECT_EQ(*colliding.Get(i), LongText(i));
  }
}

}  // namespace

// Moves and destruction never throw, so containers can move through standard containers and
// unwind safely.
static_assert(std::is_nothrow_move_constructible_v<KT::HashTable<ObjectID, KT::HashSet<ObjectID>>>);
static_assert(std::is_nothrow_move_constructible_v<KT::HashSet<KT::UniString>>);
static_assert(std::is_nothrow_destructible_v<KT::HashTable<KT::UniString, unsigned int>>);
static_assert(std::is_nothrow_move_constructible_v<KT::ArrayFB<ObjectID*, 1>>);
