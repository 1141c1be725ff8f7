// KT::HashTable<ObjectID, V> and KT::HashSet<ObjectID> against std::unordered_map and
// std::unordered_set with the same hash (ObjectID::GenerateHashValue) on random GUIDs.
//
// Figures, each for N = 1,000, 100,000, 1,000,000 and for the entry counts just below and just
// above a rehash of KT::HashTable near 100,000: insertion of N keys into a fresh container,
// N successful and N failed lookups (in random order), one enumeration that reads every entry, and
// copy construction. Heap bytes per entry come from KT::MemoryManager's live byte count; the
// standard containers allocate through the same operators. After the runs a table gives every
// figure of the KT container as a ratio to the standard one (below 1 means faster or smaller). Times
// are CPU times, which other processes on a shared machine disturb less than wall-clock times.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "IFCAPI/ObjectID.h"
#include "KT/HashSet.h"
#include "KT/HashTable.h"
#include "KT/MemoryManager.h"

namespace {

using IFCAPI::Impl::ObjectID;

struct Payload {
  std::uint64_t a;
  std::uint64_t b;
};
static_assert(sizeof(Payload) == 16);

struct WordSumHash {
  std::size_t operator()(const ObjectID& id) const noexcept { return id.GenerateHashValue(); }
};

// Random GUID identities (with random tokens, so that reading a key reads its memory).
std::vector<ObjectID> RandomIds(std::size_t n, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::vector<ObjectID> ids;
  ids.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    KT::Guid::Bytes bytes;
    API_Guid token;
    for (std::size_t b = 0; b < 16; ++b) {
      bytes[b] = static_cast<std::uint8_t>(random());
      token.bytes[b] = static_cast<std::uint8_t>(random());
    }
    ids.emplace_back(token, KT::Guid(bytes));
  }
  return ids;
}

constexpr std::size_t MaxN = 1000000;

const std::vector<ObjectID>& Present() {
  static const std::vector<ObjectID> ids = RandomIds(MaxN, 1);
  return ids;
}
const std::vector<ObjectID>& Absent() {
  static const std::vector<ObjectID> ids = RandomIds(MaxN, 2);
  return ids;
}
// The first n present keys in a random order, for lookups.
std::vector<const ObjectID*> Shuffled(std::size_t n) {
  std::vector<const ObjectID*> order;
  order.reserve(n);
  for (std::size_t i = 0; i < n; ++i)
    order.push_back(&Present()[i]);
  std::shuffle(order.begin(), order.end(), std::mt19937_64(3));
  return order;
}

struct KtTable {
  using C = KT::HashTable<ObjectID, Payload>;
  static void Insert(C& c, const ObjectID& key, std::uint64_t i) { c.Add(key, Payload{i, i}); }
  static std::uint64_t Find(const C& c, const ObjectID& key) {
    const Payload* p = c.Get(key);
    return p != nullptr ? p->a : 1;
  }
  static std::uint64_t Sum(const C& c) {
    std::uint64_t sum = 0;
    for (const auto& entry : c)
      sum += entry.value.a;
    return sum;
  }
};

struct StdTable {
  using C = std::unordered_map<ObjectID, Payload, WordSumHash>;
  static void Insert(C& c, const ObjectID& key, std::uint64_t i) { c.emplace(key, Payload{i, i}); }
  static std::uint64_t Find(const C& c, const ObjectID& key) {
    const auto it = c.find(key);
    return it != c.end() ? it->second.a : 1;
  }
  static std::uint64_t Sum(const C& c) {
    std::uint64_t sum = 0;
    for (const auto& entry : c)
      sum += entry.second.a;
    return sum;
  }
};

struct KtSet {
  using C = KT::HashSet<ObjectID>;
  static void Insert(C& c, const ObjectID& key, std::uint64_t) { c.Add(key); }
  static std::uint64_t Find(const C& c, const ObjectID& key) {
    const ObjectID* p = c.Get(key);
    return p != nullptr ? p->GetToken().bytes[0] : 1;
  }
  static std::uint64_t Sum(const C& c) {
    std::uint64_t sum = 0;
    for (const ObjectID& key : c)
      sum += key.GetToken().bytes[0];
    return sum;
  }
};

struct StdSet {
  using C = std::unordered_set<ObjectID, WordSumHash>;
  static void Insert(C& c, const ObjectID& key, std::uint64_t) { c.insert(key); }
  static std::uint64_t Find(const C& c, const ObjectID& key) {
    const auto it = c.find(key);
    return it != c.end() ? it->GetToken().bytes[0] : 1;
  }
  static std::uint64_t Sum(const C& c) {
    std::uint64_t sum = 0;
    for (const ObjectID& key : c)
      sum += key.GetToken().bytes[0];
    return sum;
  }
};

template <class Ops>
void Fill(typename Ops::C& c, std::size_t n) {
  const std::vector<ObjectID>& keys = Present();
  for (std::size_t i = 0; i < n; ++i)
    Ops::Insert(c, keys[i], i);
}

template <class Ops>
void Insert(benchmark::State& state, std::size_t n) {
  double bytesPerEntry = 0;
  for (auto _ : state) {
    const std::size_t before = KT::MemoryManager::GetLiveByteCount();
    std::optional<typename Ops::C> c(std::in_place);
    Fill<Ops>(*c, n);
    benchmark::DoNotOptimize(*c);
    state.PauseTiming();
    bytesPerEntry = static_cast<double>(KT::MemoryManager::GetLiveByteCount() - before) / static_cast<double>(n);
    c.reset();
    state.ResumeTiming();
  }
  state.counters["bytes_per_entry"] = bytesPerEntry;
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}

template <class Ops>
void Lookup(benchmark::State& state, std::size_t n, bool present) {
  typename Ops::C c;
  Fill<Ops>(c, n);
  std::vector<const ObjectID*> order = Shuffled(n);
  if (!present) {
    for (std::size_t i = 0; i < n; ++i)
      order[i] = &Absent()[i];
  }
  for (auto _ : state) {
    std::uint64_t sum = 0;
    for (const ObjectID* key : order)
      sum += Ops::Find(c, *key);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}

template <class Ops>
void Enumerate(benchmark::State& state, std::size_t n) {
  typename Ops::C c;
  Fill<Ops>(c, n);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Ops::Sum(c));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}

template <class Ops>
void Copy(benchmark::State& state, std::size_t n) {
  typename Ops::C c;
  Fill<Ops>(c, n);
  for (auto _ : state) {
    std::optional<typename Ops::C> copy(std::in_place, c);
    benchmark::DoNotOptimize(*copy);
    state.PauseTiming();
    copy.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}

// The entry count at which KT::HashTable<ObjectID, Payload> first rehashes at or after `from`
// entries, for these keys: that Add is the one that grows the buckets.
std::size_t RehashPoint(std::size_t from) {
  KT::HashTable<ObjectID, Payload> table;
  const std::vector<ObjectID>& keys = Present();
  std::uint32_t buckets = 0;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    table.Add(keys[i], Payload{i, i});
    if (table.GetBucketCount() != buckets && i + 1 > from)
      return i + 1;
    buckets = table.GetBucketCount();
  }
  return keys.size();
}

// One measured figure: its name, the container family, N, and whether it is the KT container.
struct Key {
  std::string figure;
  std::string family;
  std::size_t n;
  bool operator<(const Key& other) const {
    return std::tie(figure, family, n) < std::tie(other.figure, other.family, other.n);
  }
};
struct Measured {
  double kt = 0, standard = 0, ktBytes = 0, standardBytes = 0;
};
std::map<Key, Measured> results;
std::map<std::string, Key> keyOfName;
std::map<std::string, bool> isKtOfName;

// Keeps the time per iteration (and the bytes per entry) of every run for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const std::string& name = run.run_name.function_name;
      const auto key = keyOfName.find(name);
      if (key == keyOfName.end() || run.run_type != Run::RT_Iteration)
        continue;
      Measured& m = results[key->second];
      const double time = run.GetAdjustedCPUTime();
      const auto bytes = run.counters.find("bytes_per_entry");
      const double perEntry = bytes != run.counters.end() ? bytes->second.value : 0;
      if (isKtOfName[name]) {
        m.kt = time;
        m.ktBytes = perEntry;
      } else {
        m.standard = time;
        m.standardBytes = perEntry;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

template <class Kt, class Std>
void RegisterFamily(const std::string& family, const std::vector<std::pair<std::string, std::size_t>>& sizes) {
  for (const auto& [label, n] : sizes) {
    auto add = [&](const std::string& figure, bool kt, auto function) {
      const std::string name = figure + "/" + family + (kt ? "/KT/" : "/std/") + label;
      benchmark::RegisterBenchmark(name.c_str(), function)
          ->Unit(benchmark::kMicrosecond)
          ->MinTime(n >= MaxN ? 0.1 : 0.05)
          // The first large run would otherwise pay for growing the process's heap.
          ->MinWarmUpTime(n >= MaxN ? 0.1 : 0.05);
      keyOfName[name] = Key{figure, family, n};
      isKtOfName[name] = kt;
    };
    const std::size_t count = n;
    add("insert", true, [count](benchmark::State& s) { Insert<Kt>(s, count); });
    add("insert", false, [count](benchmark::State& s) { Insert<Std>(s, count); });
    add("lookup_hit", true, [count](benchmark::State& s) { Lookup<Kt>(s, count, true); });
    add("lookup_hit", false, [count](benchmark::State& s) { Lookup<Std>(s, count, true); });
    add("lookup_miss", true, [count](benchmark::State& s) { Lookup<Kt>(s, count, false); });
    add("lookup_miss", false, [count](benchmark::State& s) { Lookup<Std>(s, count, false); });
    add("enumerate", true, [count](benchmark::State& s) { Enumerate<Kt>(s, count); });
    add("enumerate", false, [count](benchmark::State& s) { Enumerate<Std>(s, count); });
    add("copy", true, [count](benchmark::State& s) { Copy<Kt>(s, count); });
    add("copy", false, [count](benchmark::State& s) { Copy<Std>(s, count); });
  }
}

void PrintSummary() {
  std::printf("\nKT container / standard container (time per operation; heap bytes per entry)\n");
  std::printf("%-12s %-6s %9s %12s %12s %8s\n", "figure", "family", "N", "KT us", "std us", "ratio");
  for (const auto& [key, m] : results) {
    std::printf("%-12s %-6s %9zu %12.1f %12.1f %8.3f\n", key.figure.c_str(), key.family.c_str(), key.n, m.kt,
                m.standard, m.standard > 0 ? m.kt / m.standard : 0.0);
  }
  std::printf("\nheap bytes per entry after inserting N keys into a fresh container\n");
  std::printf("%-6s %9s %10s %10s %8s\n", "family", "N", "KT", "std", "ratio");
  for (const auto& [key, m] : results) {
    if (key.figure != "insert")
      continue;
    std::printf("%-6s %9zu %10.1f %10.1f %8.3f\n", key.family.c_str(), key.n, m.ktBytes, m.standardBytes,
                m.standardBytes > 0 ? m.ktBytes / m.standardBytes : 0.0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const std::size_t rehash = RehashPoint(100000);
  const std::vector<std::pair<std::string, std::size_t>> sizes = {
      {"1000", 1000}, {"100000", 100000}, {"1000000", 1000000}, {"below_rehash", rehash - 1}, {"at_rehash", rehash}};
  std::printf("rehash of KT::HashTable near 100,000 entries: the Add of entry %zu\n", rehash);
  RegisterFamily<KtTable, StdTable>("table", sizes);
  RegisterFamily<KtSet, StdSet>("set", sizes);
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  PrintSummary();
  return 0;
}
