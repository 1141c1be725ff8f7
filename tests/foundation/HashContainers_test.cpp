#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <tuple>
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
using KT::MemoryManager;

const API_Guid Token = ToAPIGuid(KT::Guid("{AAAAAAAA-0000-0000-0000-000000000001}"));

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
K MakeKey(unsigned int i);
template <>
unsigned int MakeKey<unsigned int>(unsigned int i) {
  return i * 7919u;
}
template <>
IPL::IFCType MakeKey<IPL::IFCType>(unsigned int i) {
  return static_cast<IPL::IFCType>(i);
}
template <>
KT::UniString MakeKey<KT::UniString>(unsigned int i) {
  return KT::UniString(std::string_view(LongText(i)));
}
template <>
ObjectID MakeKey<ObjectID>(unsigned int i) {
  if (i % 5 == 0)
    return ObjectID(Token, static_cast<IPL::IFCType>(i));
  KT::Guid::Bytes bytes{};
  const std::uint32_t low = i / 2, high = i / 2 + 1000;
  const std::uint32_t first = i % 2 == 0 ? low : high, second = i % 2 == 0 ? high : low;
  for (int b = 0; b < 4; ++b) {
    bytes[b] = static_cast<std::uint8_t>(first >> (8 * b));
    bytes[4 + b] = static_cast<std::uint8_t>(second >> (8 * b));
  }
  return ObjectID(Token, KT::Guid(bytes));
}
using Text = KT::UniString;
Text Key(unsigned int i) {
  return MakeKey<Text>(i);
}

// The search cost recounted from the keys' buckets (identity hash).
template <class Set>
std::uint32_t RecountCost(const Set& set) {
  std::vector<std::uint32_t> lengths(set.GetBucketCount());
  std::uint32_t cost = 0;
  for (const unsigned int key : set)
    cost += ++lengths[key % set.GetBucketCount()];
  return cost;
}

template <class K>
class KeyTypes : public testing::Test {};
using LibraryKeys = testing::Types<ObjectID, IPL::IFCType, KT::UniString, unsigned int>;
TYPED_TEST_SUITE(KeyTypes, LibraryKeys);

TYPED_TEST(KeyTypes, EveryKeyIsFoundAndEnumeratedInInsertionOrder) {
  using K = TypeParam;
  constexpr unsigned int Count = 300;
  KT::HashSet<K> set;
  KT::HashTable<K, unsigned int> table;
  for (unsigned int i = 0; i < Count; ++i) {
    ASSERT_TRUE(set.Add(MakeKey<K>(i)));
    ASSERT_TRUE(table.Add(MakeKey<K>(i), i));
  }
  EXPECT_FALSE(set.Add(MakeKey<K>(17)));
  ASSERT_EQ(set.GetCount(), Count);
  for (unsigned int i = 0; i < Count; ++i) {
    const K* stored = set.Get(MakeKey<K>(i));
    ASSERT_TRUE(stored != nullptr && *stored == MakeKey<K>(i)) << i;
    ASSERT_NE(table.Get(MakeKey<K>(i)), nullptr) << i;
    EXPECT_EQ(*table.Get(MakeKey<K>(i)), i);
  }
  EXPECT_FALSE(set.Contains(MakeKey<K>(Count + 1)));
  EXPECT_EQ(set.Get(MakeKey<K>(Count + 1)), nullptr);
  EXPECT_EQ(table.Get(MakeKey<K>(Count + 1)), nullptr);
  unsigned int next = 0;
  for (const K& key : set)
    EXPECT_TRUE(key == MakeKey<K>(next++));
  next = 0;
  for (const auto& entry : table) {
    EXPECT_TRUE(entry.key == MakeKey<K>(next));
    EXPECT_EQ(entry.value, next++);
  }
  EXPECT_EQ(next, Count);
}

// Growth needs both limits passed: one long chain stays until the load factor is reached, and full
// buckets stay until the average search passes its limit.
TEST(HashContainerGrowth, BucketsGrowOnlyWhenTheLoadFactorAndTheAverageSearchPassTheirLimits) {
  KT::HashTable<unsigned int, int, SameBucket> chain;
  const std::uint32_t first = KT::GetNextHashCapacity(0);
  std::uint32_t expectedCost = 0;  // the k-th key of the one chain costs k comparisons
  unsigned int key = 0;
  for (; (key + 1) < 0.75 * first; ++key) {
    ASSERT_TRUE(chain.Add(key, 0));
    expectedCost += key + 1;
    EXPECT_EQ(chain.GetBucketCount(), first) << "rehashed at " << key + 1 << " entries";
    EXPECT_EQ(chain.GetTotalSearchCost(), expectedCost);
  }
  ASSERT_GT(chain.GetTotalSearchCost(), 2u * chain.GetCount());  // the average is far above its limit
  ASSERT_TRUE(chain.Add(key, 0));
  EXPECT_EQ(chain.GetBucketCount(), KT::GetNextHashCapacity(first));
  const std::uint32_t n = chain.GetCount();
  EXPECT_EQ(chain.GetTotalSearchCost(), n * (n + 1) / 2);  // recounted: still one chain

  // Keys 0..b-1 fill every bucket once; each further round of b keys lengthens every chain by one.
  KT::HashSet<unsigned int> set;
  set.Add(0);
  const std::uint32_t b = set.GetBucketCount();
  for (unsigned int k = 1; k < 3 * b; ++k) {
    ASSERT_TRUE(set.Add(k));
    ASSERT_EQ(set.GetBucketCount(), b) << "rehashed at " << k + 1 << " entries";
  }
  EXPECT_EQ(set.GetTotalSearchCost(), 6 * b);  // three per chain: average exactly 2.0
  ASSERT_TRUE(set.Add(3 * b));
  EXPECT_EQ(set.GetBucketCount(), KT::GetNextHashCapacity(b));
  EXPECT_EQ(set.GetTotalSearchCost(), RecountCost(set));
}

// Rehash(0) may not leave entries without a bucket to hang in: a non-empty container keeps one
// chain holding everything; only an empty one gives its buckets back.
TEST(HashContainerGrowth, RehashToZeroKeepsOneBucketForEntriesAndFreesThemOtherwise) {
  KT::HashTable<unsigned int, std::string> table;
  for (unsigned int i = 0; i < 20; ++i)
    ASSERT_TRUE(table.Add(MakeKey<unsigned int>(i), LongText(i)));
  table.Rehash(0);
  EXPECT_EQ(table.GetBucketCount(), 1u);
  EXPECT_EQ(table.GetTotalSearchCost(), 20u * 21u / 2u);
  for (unsigned int i = 0; i < 20; ++i)
    ASSERT_EQ(*table.Get(MakeKey<unsigned int>(i)), LongText(i)) << i;
  EXPECT_TRUE(table.Add(MakeKey<unsigned int>(20), LongText(20)));  // the growth test divides by the count
  EXPECT_GT(table.GetBucketCount(), 1u);

  KT::HashSet<unsigned int> set;
  ASSERT_TRUE(set.Add(1u));
  set.Clear();
  set.Rehash(0);
  EXPECT_EQ(set.GetBucketCount(), 0u);
  EXPECT_FALSE(set.Contains(1u));
  EXPECT_TRUE(set.Add(1u));
  EXPECT_EQ(set.GetBucketCount(), KT::GetNextHashCapacity(0));
}

TEST(HashContainerGrowth, LimitsBelowTheirMinimumAreReplacedByTheDefaults) {
  const struct {
    float averageGiven, loadGiven, average, load;
  } cases[] = {{0.5f, 0.001f, 2.0f, 0.75f}, {1.0f, 0.02f, 1.0f, 0.02f}, {3.0f, 0.01f, 3.0f, 0.75f}};
  for (const auto& c : cases) {  // 0.01f is below the double 0.01
    const KT::HashTable<int, int> table(c.averageGiven, c.loadGiven);
    EXPECT_EQ(table.GetMaxAverageSearch(), c.average) << c.averageGiven;
    EXPECT_EQ(table.GetMaxLoadFactor(), c.load) << c.loadGiven;
  }
  EXPECT_EQ(KT::HashSet<int>().GetMaxAverageSearch(), 2.0f);
  EXPECT_EQ(KT::HashSet<int>().GetMaxLoadFactor(), 0.75f);
}

TEST(HashContainerGrowth, IntegerGrowthTestEqualsTheRatioTestAtItsBoundaries) {
  using KT::HashInternal::GrowthDue;
  using KT::HashInternal::GrowthDueByRatio;
  const std::uint32_t bucketCounts[] = {1, 3, 4, 7, 1361, 89834777u, 2874713497u, 0xFFFFFFFFu};
  const float limits[][2] = {{2.0f, 0.75f}, {1.5f, 0.75f}, {2.0f, 0.5f}};
  for (const std::uint32_t b : bucketCounts) {
    const std::uint64_t atLoad = (3 * std::uint64_t{b} + 3) / 4;  // smallest count with 4 count >= 3 b
    for (std::uint64_t c = atLoad > 2 ? atLoad - 2 : 1; c <= atLoad + 2 && c <= UINT32_MAX; ++c) {
      for (const std::uint64_t cost : {2 * c - 1, 2 * c, 2 * c + 1}) {
        for (const auto& limit : limits) {
          if (cost > UINT32_MAX)
            continue;
          const auto count = static_cast<std::uint32_t>(c);
          const auto cost32 = static_cast<std::uint32_t>(cost);
          EXPECT_EQ(GrowthDue(count, b, cost32, limit[0], limit[1]),
                    GrowthDueByRatio(count, b, cost32, limit[0], limit[1]))
              << count << " entries, " << b << " buckets, cost " << cost << ", limits " << limit[0] << ", " << limit[1];
        }
      }
    }
  }
}

TEST(HashContainerGrowth, BucketIndexEqualsTheRemainderForEveryCount) {
  std::vector<std::uint32_t> counts = {1, 2, 3, 6, 8, 1000, 65536, 4294967291u, 0xFFFFFFFFu};
  for (std::uint32_t b = KT::GetNextHashCapacity(0); b != 0xFFFFFFFFu; b = KT::GetNextHashCapacity(b))
    counts.push_back(b);
  std::vector<std::uint32_t> hashes = {0, 1, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFEu, 0xFFFFFFFFu};
  std::uint32_t mixed = 12345;
  for (int i = 0; i < 200; ++i)
    hashes.push_back(mixed = mixed * 1664525u + 1013904223u);
  for (const std::uint32_t b : counts) {
    for (const std::uint32_t near : {b - 1, b, b + 1, 2 * b - 1, 2 * b})  // around multiples, wrapping too
      hashes.push_back(near);
    for (const std::uint32_t h : hashes)
      ASSERT_EQ(KT::HashInternal::ReduceToBucket(h, b), h % b) << h << " % " << b;
    hashes.resize(hashes.size() - 5);
  }
}

// The search cost kept by the container equals the one recounted from the keys' buckets, after
// growth, a copy and rehashes by hand to counts with and without a precomputed reciprocal.
TEST(HashContainerGrowth, SearchCostEqualsARecountFromTheKeys) {
  KT::HashSet<unsigned int> set;
  std::uint32_t buckets = 0;
  int growths = 0;
  for (unsigned int i = 0; i < 20000; ++i) {
    set.Add(i * 2654435761u);
    if (set.GetBucketCount() != buckets) {
      buckets = set.GetBucketCount();
      ++growths;
      ASSERT_EQ(set.GetTotalSearchCost(), RecountCost(set)) << "after growing to " << buckets << " buckets";
    }
  }
  EXPECT_GT(growths, 5);
  const KT::HashSet<unsigned int> copy(set);
  EXPECT_EQ(copy.GetTotalSearchCost(), RecountCost(copy));
  for (const std::uint32_t n : {1u, 2u, 7u, 1000u, 1361u, 4096u, 87719u}) {
    set.Rehash(n);
    EXPECT_EQ(set.GetTotalSearchCost(), RecountCost(set)) << n << " buckets";
  }
}

// Blocks of 1, 2, 3, 4 pages of 8 entries; enumeration steps within a page by address and reads the
// page table when it crosses into the next, so it is checked on both sides of every boundary.
TEST(HashContainerStore, BlocksGrowByOnePageAndEnumerationCrossesEveryBoundary) {
  KT::HashSet<unsigned int> set;
  EXPECT_FALSE(set.Contains(5));  // no buckets yet
  const struct {
    unsigned int count, capacity, lastBlockPages;
  } steps[] = {{0, 0, 0},   {1, 8, 1},   {7, 8, 1},   {8, 8, 1},   {9, 24, 2},
               {24, 24, 2}, {25, 48, 3}, {48, 48, 3}, {49, 80, 4}, {129, 168, 6}};
  unsigned int added = 0;
  for (const auto& step : steps) {
    for (; added < step.count; ++added)
      set.Add(added);
    EXPECT_EQ(set.GetEntryCapacity(), step.capacity) << step.count << " entries";
    EXPECT_EQ(set.GetLastBlockPageCount(), step.lastBlockPages) << step.count << " entries";
    unsigned int next = 0;
    for (const unsigned int& key : set) {
      ASSERT_EQ(key, next) << step.count << " entries";
      EXPECT_EQ(&key, set.Get(next++));
    }
    EXPECT_EQ(next, step.count);
  }
  set.Clear();
  EXPECT_EQ(set.GetCount() + set.GetBucketCount() + set.GetEntryCapacity() + set.GetTotalSearchCost(), 0u);
  EXPECT_FALSE(set.Contains(3));
  set.Add(42);
  EXPECT_EQ(set.GetEntryCapacity(), 8u);
  EXPECT_EQ(set.GetLastBlockPageCount(), 1u);
  EXPECT_EQ(set.GetBucketCount(), KT::GetNextHashCapacity(0));
  EXPECT_EQ(*set.begin(), 42u);
}

TEST(HashContainerStore, PointersToValuesAndKeysSurviveRehashesAndNewBlocks) {
  KT::HashTable<unsigned int, std::string> table;
  std::string* first = nullptr;
  ASSERT_TRUE(table.Add(0, LongText(0), &first));
  std::string& second = table.FindOrAdd(1);
  second = LongText(1);
  KT::HashSet<Text> names;
  names.Add(Key(0));
  const Text* firstName = names.Get(Key(0));
  const std::uint32_t bucketsBefore = table.GetBucketCount();
  for (unsigned int i = 2; i < 5000; ++i) {
    table.Add(i, LongText(i));
    names.Add(Key(i));
  }
  ASSERT_GT(table.GetBucketCount(), KT::GetNextHashCapacity(KT::GetNextHashCapacity(bucketsBefore)));
  EXPECT_EQ(table.Get(0), first);
  EXPECT_EQ(table.Get(1), &second);
  EXPECT_EQ(*first, LongText(0));
  EXPECT_EQ(second, LongText(1));
  EXPECT_EQ(names.Get(Key(0)), firstName);
  table.Rehash(1);  // by hand, down to a single chain: nothing moves either
  EXPECT_EQ(table.GetBucketCount(), 1u);
  EXPECT_EQ(table.Get(0), first);
  EXPECT_EQ(*table.Get(4999), LongText(4999));
}

TEST(HashContainerStore, AddOfAPresentKeyChangesNothingAndReportsTheStoredValue) {
  KT::HashTable<Text, std::string> table;
  for (unsigned int i = 0; i < 20; ++i)
    table.Add(Key(i), LongText(i));
  const std::uint32_t cost = table.GetTotalSearchCost();
  const std::string* stored = table.Get(Key(7));
  std::string* found = nullptr;
  std::string offered = "offered";
  EXPECT_FALSE(table.Add(Key(7), std::move(offered), &found));
  EXPECT_EQ(found, stored);
  EXPECT_EQ(*found, LongText(7));
  EXPECT_EQ(offered, "offered");  // NOLINT(bugprone-use-after-move): a refused value is not moved from
  EXPECT_EQ(&table.FindOrAdd(Key(7)), stored);
  EXPECT_EQ(table.GetCount(), 20u);
  EXPECT_EQ(table.GetTotalSearchCost(), cost);

  const KT::HashSet<unsigned int> listed{4, 9, 4, 1};
  EXPECT_EQ(std::vector<unsigned int>(listed.begin(), listed.end()), (std::vector<unsigned int>{4, 9, 1}));
  // An empty list sizes no buckets and leaves a set that still takes keys.
  KT::HashSet<unsigned int> none(std::initializer_list<unsigned int>{});
  EXPECT_EQ(none.GetBucketCount(), 0u);
  EXPECT_TRUE(none.Add(3) && none.Contains(3));
}

TEST(HashContainerCopyAndMove, CopyKeepsOrderAndLimitsWithDoubledBuckets) {
  KT::HashTable<unsigned int, std::string> source(3.0f, 0.5f);
  for (unsigned int i = 0; i < 100; ++i)
    source.Add((i * 37) % 101, LongText(i));
  const KT::HashTable<unsigned int, std::string> copy(source);
  EXPECT_EQ(copy.GetMaxAverageSearch(), 3.0f);
  EXPECT_EQ(copy.GetMaxLoadFactor(), 0.5f);
  EXPECT_EQ(copy.GetBucketCount(), KT::GetNextHashCapacity(KT::GetNextHashCapacity(100 / 5)));
  source.FindOrAdd(0) = "changed";
  auto from = source.begin();
  unsigned int position = 0;
  for (const auto& entry : copy) {
    EXPECT_EQ(entry.key, (*from).key);
    EXPECT_EQ(entry.value, LongText(position++));
    EXPECT_NE(&entry.value, &(*from).value);
    ++from;
  }
  EXPECT_EQ(position, 100u);
  EXPECT_EQ(*copy.Get(0), LongText(0));
  const KT::HashSet<unsigned int> empty;
  const KT::HashSet<unsigned int> emptyCopy(empty);
  EXPECT_TRUE(emptyCopy.IsEmpty() && !emptyCopy.Contains(0));
}

TEST(HashContainerCopyAndMove, MoveTakesTheEntriesWhereTheyAreAndLeavesAnEmptyUsableSource) {
  // Small (inline page table) and large (allocated page table and buckets) containers, and one whose
  // single bucket is the inline one.
  for (const unsigned int count : {1u, 5u, 300u}) {
    for (const bool oneBucket : {false, true}) {
      KT::HashTable<Text, std::string> source(4.0f, 1.0f);
      for (unsigned int i = 0; i < count; ++i)
        source.Add(Key(i), LongText(i));
      if (oneBucket)
        source.Rehash(1);
      const std::string* last = source.Get(Key(count - 1));
      const std::uint32_t buckets = source.GetBucketCount();

      SCOPED_TRACE(std::to_string(count) + " entries, one bucket " + std::to_string(oneBucket));
      KT::HashTable<Text, std::string> moved(std::move(source));
      EXPECT_EQ(moved.GetCount(), count);
      EXPECT_EQ(moved.GetBucketCount(), buckets);
      EXPECT_EQ(moved.GetMaxAverageSearch(), 4.0f);
      EXPECT_EQ(moved.Get(Key(count - 1)), last);
      // The moved-from source is checked: empty, with default limits, and usable.
      EXPECT_TRUE(source.IsEmpty() && source.GetBucketCount() == 0 &&  // NOLINT(bugprone-use-after-move)
                  source.GetEntryCapacity() == 0 && source.begin() == source.end());
      EXPECT_EQ(source.GetMaxAverageSearch(), 2.0f);
      EXPECT_TRUE(source.Add(Key(0), "again"));
      EXPECT_EQ(*source.Get(Key(0)), "again");

      KT::HashTable<Text, std::string> assigned;
      assigned.Add("to be dropped", "x");
      assigned = std::move(moved);
      EXPECT_FALSE(assigned.Contains("to be dropped"));
      // Moved onto itself, a container keeps its entries (clearing first would lose them all).
      auto& alias = assigned;
      assigned = std::move(alias);
      unsigned int next = 0;
      for (const auto& entry : assigned)
        EXPECT_EQ(entry.value, LongText(next++));
      EXPECT_EQ(next, count);
      EXPECT_TRUE(moved.IsEmpty());  // NOLINT(bugprone-use-after-move): moved-from, checked empty
    }
  }
}

using SweptTable = KT::HashTable<Text, std::string>;

// The identity of a table's contents, taken without allocating: entries never move, so equal entry
// addresses in equal order (with equal figures) mean an unchanged table.
struct Fingerprint {
  static constexpr std::uint32_t Max = 128;

  static Fingerprint Of(const SweptTable& table) {
    Fingerprint print;
    print.figures = {table.GetCount(), table.GetBucketCount(), table.GetTotalSearchCost(), table.GetEntryCapacity(),
                     table.GetLastBlockPageCount()};
    std::uint32_t i = 0;
    for (const auto& entry : table) {
      if (i < Max)
        print.values[i++] = &entry.value;
    }
    return print;
  }
  bool operator==(const Fingerprint& o) const { return std::tie(figures, values) == std::tie(o.figures, o.values); }

  std::array<std::uint32_t, 5> figures{};
  std::array<const void*, Max> values{};
};

// Every entry is found again under its key and holds the text of its key; returns the count seen.
unsigned int ExpectConsistent(const SweptTable& table) {
  unsigned int seen = 0;
  for (const auto& entry : table) {
    EXPECT_EQ(table.Get(entry.key), &entry.value);
    EXPECT_EQ(Key(static_cast<unsigned int>(std::stoul(entry.value.substr(13)))), entry.key);
    ++seen;
  }
  EXPECT_EQ(seen, table.GetCount());
  return seen;
}

struct Scenario {
  SweptTable table;
  Fingerprint before;  // taken before each step that may fail
  int steps = 0;
};

void RunSteps(Scenario& s) {
  auto step = [&s] {
    s.before = Fingerprint::Of(s.table);
    ++s.steps;
  };
  for (unsigned int i = 0; i < 60; ++i) {  // blocks of 1 to 4 pages, page table growth, rehashes
    step();
    s.table.Add(Key(i), LongText(i));
  }
  step();
  std::string text = LongText(60);  // made first: an assignment that fails would leave an empty value
  s.table.FindOrAdd(Key(60)) = std::move(text);
  step();
  SweptTable copy(s.table);
  step();
  SweptTable moved(std::move(copy));
  s.table = std::move(moved);
  step();
  s.table.Clear();
  for (unsigned int i = 100; i < 110; ++i) {
    step();
    s.table.Add(Key(i), LongText(i));
  }
}

TEST(HashContainerAllocationFailure, EveryFailedAllocationLeavesTheTableAsBeforeTheStep) {
  for (const auto mode : {MemoryManager::FailureMode::Once, MemoryManager::FailureMode::FromThenOn}) {
    int failures = 0;
    const std::uint64_t runs = IFCAPI::Testing::SweepAllocationFailures(
        mode,
        [] {
          Scenario s;
          s.table.Add(Key(1000), LongText(1000));
          return s;
        },
        RunSteps,
        [&failures](Scenario& s, bool failed) {
          ExpectConsistent(s.table);
          if (failed) {
            ++failures;
            EXPECT_TRUE(Fingerprint::Of(s.table) == s.before) << "failed in step " << s.steps;
          } else {
            EXPECT_EQ(s.table.GetCount(), 10u);
          }
          EXPECT_TRUE(s.table.Add(Key(2000), LongText(2000)));
          EXPECT_EQ(*s.table.Get(Key(2000)), LongText(2000));
        });
    EXPECT_GT(runs, 200u);
    EXPECT_EQ(static_cast<std::uint64_t>(failures), runs);
  }
}

// RemoveLast undoes the newest insertion: after it the table holds what it held before, every key
// is found again, and the search cost matches a recount, also when the insertion rehashed or the
// newest entry shares its chain with every other.
TEST(HashContainerUndo, RemoveLastRestoresTheContentsAfterGrowingAndCollidingInsertions) {
  SweptTable table;
  KT::HashTable<unsigned int, std::string, SameBucket> colliding;
  for (unsigned int i = 0; i < 40; ++i) {
    const std::uint32_t buckets = table.GetBucketCount();
    ASSERT_TRUE(table.Add(Key(i), LongText(i)));
    ASSERT_TRUE(colliding.Add(i, LongText(i)));
    const bool rehashed = table.GetBucketCount() != buckets;
    table.RemoveLast();
    colliding.RemoveLast();
    EXPECT_EQ(ExpectConsistent(table), i) << "after " << i << (rehashed ? ", which rehashed" : "");
    EXPECT_EQ(table.Get(Key(i)), nullptr);
    EXPECT_EQ(colliding.GetCount(), i);
    EXPECT_EQ(colliding.Get(i), nullptr);
    const std::uint32_t cost = table.GetTotalSearchCost();
    table.Rehash(table.GetBucketCount());  // recounts
    EXPECT_EQ(table.GetTotalSearchCost(), cost) << i;
    EXPECT_EQ(colliding.GetTotalSearchCost(), i * (i + 1) / 2);
    // Added back for the next round, so that the store fills blocks and the buckets grow.
    ASSERT_TRUE(table.Add(Key(i), LongText(i)));
    ASSERT_TRUE(colliding.Add(i, LongText(i)));
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
