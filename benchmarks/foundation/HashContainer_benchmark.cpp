// KT::HashTable<ObjectID, V> and KT::HashSet<ObjectID> against the node-based containers a user would
// pick instead (entries keep their address, as KT's do): std::unordered_map/set,
// boost::unordered_map/set and absl::node_hash_map/set, all with the same hash
// (ObjectID::GenerateHashValue), in the same run, on random GUIDs with 16-byte values.
//
// Figures, for N = 1,000 and 1,000,000 (--quick) and also 100,000 and the counts just below and at a
// rehash of KT::HashTable near 100,000 (full run):
//   insert     N keys into an empty container (its destruction is not timed)
//   find_hit   N successful lookups, keys read from a contiguous shuffled array
//   find_miss  N failed lookups, likewise
//   copy       copy construction of an N-entry container (its destruction is not timed)
//   iterate    one enumeration reading every entry
// Each figure's Time is for the whole N-entry operation; the label says so, and `per_entry` gives the
// time divided by N. Heap bytes per entry after insertion come from KT::MemoryManager's live byte
// count, which every container's allocations pass through. After the runs, a table gives each
// container's median time as a ratio to std's (below 1: faster), with the spread of the repetitions.
// Times are CPU times, which other processes on a shared machine disturb less than wall-clock times.
#include <absl/container/node_hash_map.h>
#include <absl/container/node_hash_set.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <boost/unordered_map.hpp>
#include <boost/unordered_set.hpp>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "BenchmarkRun.h"
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

// Lookup keys stored contiguously (copies, not pointers into the inserted keys, which would add a
// cache miss to every lookup of every container): the first n present keys shuffled, or n absent ones.
std::vector<ObjectID> LookupKeys(std::size_t n, bool present) {
  if (!present) {
    return std::vector<ObjectID>(Absent().begin(), Absent().begin() + static_cast<std::ptrdiff_t>(n));
  }
  std::vector<std::size_t> order(n);
  for (std::size_t i = 0; i < n; ++i) {
    order[i] = i;
  }
  std::shuffle(order.begin(), order.end(), std::mt19937_64(3));
  std::vector<ObjectID> keys;  // ObjectID is not assignable: shuffle the positions, then copy
  keys.reserve(n);
  for (const std::size_t i : order) {
    keys.push_back(Present()[i]);
  }
  return keys;
}

// Operations on a map-like container C of ObjectID to Payload.
template <class C>
struct MapOps {
  using Container = C;
  static void Insert(C& c, const ObjectID& key, std::uint64_t i) { c.emplace(key, Payload{i, i}); }
  static std::uint64_t Find(const C& c, const ObjectID& key) {
    const auto it = c.find(key);
    return it != c.end() ? it->second.a : 1;
  }
  static std::uint64_t Sum(const C& c) {
    std::uint64_t sum = 0;
    for (const auto& entry : c) {
      sum += entry.second.a;
    }
    return sum;
  }
};

// Operations on a set-like container C of ObjectID.
template <class C>
struct SetOps {
  using Container = C;
  static void Insert(C& c, const ObjectID& key, std::uint64_t) { c.insert(key); }
  static std::uint64_t Find(const C& c, const ObjectID& key) {
    const auto it = c.find(key);
    return it != c.end() ? it->GetToken().bytes[0] : 1;
  }
  static std::uint64_t Sum(const C& c) {
    std::uint64_t sum = 0;
    for (const ObjectID& key : c) {
      sum += key.GetToken().bytes[0];
    }
    return sum;
  }
};

struct KtTable {
  using Container = KT::HashTable<ObjectID, Payload>;
  static void Insert(Container& c, const ObjectID& key, std::uint64_t i) { c.Add(key, Payload{i, i}); }
  static std::uint64_t Find(const Container& c, const ObjectID& key) {
    const Payload* p = c.Get(key);
    return p != nullptr ? p->a : 1;
  }
  static std::uint64_t Sum(const Container& c) {
    std::uint64_t sum = 0;
    for (const auto& entry : c) {
      sum += entry.value.a;
    }
    return sum;
  }
};

struct KtSet {
  using Container = KT::HashSet<ObjectID>;
  static void Insert(Container& c, const ObjectID& key, std::uint64_t) { c.Add(key); }
  static std::uint64_t Find(const Container& c, const ObjectID& key) {
    const ObjectID* p = c.Get(key);
    return p != nullptr ? p->GetToken().bytes[0] : 1;
  }
  static std::uint64_t Sum(const Container& c) {
    std::uint64_t sum = 0;
    for (const ObjectID& key : c) {
      sum += key.GetToken().bytes[0];
    }
    return sum;
  }
};

using StdTable = MapOps<std::unordered_map<ObjectID, Payload, WordSumHash>>;
using StdSet = SetOps<std::unordered_set<ObjectID, WordSumHash>>;
using BoostTable = MapOps<boost::unordered_map<ObjectID, Payload, WordSumHash>>;
using BoostSet = SetOps<boost::unordered_set<ObjectID, WordSumHash>>;
using AbslTable = MapOps<absl::node_hash_map<ObjectID, Payload, WordSumHash>>;
using AbslSet = SetOps<absl::node_hash_set<ObjectID, WordSumHash>>;

template <class Ops>
void Fill(typename Ops::Container& c, std::size_t n) {
  const std::vector<ObjectID>& keys = Present();
  for (std::size_t i = 0; i < n; ++i) {
    Ops::Insert(c, keys[i], i);
  }
}

// Counters shared by every figure: entries per second and time per entry.
void Label(benchmark::State& state, const char* what, std::size_t n) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
  state.counters["per_entry"] = benchmark::Counter(
      static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.SetLabel(std::string("Time: ") + what + " of " + std::to_string(n) + " entries");
}

template <class Ops>
void Insert(benchmark::State& state, std::size_t n) {
  double bytesPerEntry = 0;
  for (auto _ : state) {
    const std::size_t before = KT::MemoryManager::GetLiveByteCount();
    std::optional<typename Ops::Container> c(std::in_place);
    Fill<Ops>(*c, n);
    benchmark::DoNotOptimize(*c);
    state.PauseTiming();
    bytesPerEntry = static_cast<double>(KT::MemoryManager::GetLiveByteCount() - before) / static_cast<double>(n);
    c.reset();
    state.ResumeTiming();
  }
  state.counters["heap_bytes_per_entry"] = bytesPerEntry;
  Label(state, "insertion", n);
}

// The figures of one container run one after the other, so they share one filled container: at a
// million entries filling it again for each figure would take most of a quick run. Only one is kept.
void (*releaseFilled)() = nullptr;  // destroys the container Filled keeps

template <class Ops>
const typename Ops::Container& Filled(std::size_t n) {
  static std::size_t filledWith = 0;
  static std::optional<typename Ops::Container> c;
  if (!c || filledWith != n) {
    if (releaseFilled != nullptr) {
      releaseFilled();
    }
    c.emplace();
    Fill<Ops>(*c, n);
    filledWith = n;
    releaseFilled = [] { c.reset(); };
  }
  return *c;
}

template <class Ops>
void Find(benchmark::State& state, std::size_t n, bool present) {
  const typename Ops::Container& c = Filled<Ops>(n);
  const std::vector<ObjectID> keys = LookupKeys(n, present);
  for (auto _ : state) {
    std::uint64_t sum = 0;
    for (const ObjectID& key : keys) {
      sum += Ops::Find(c, key);
    }
    benchmark::DoNotOptimize(sum);
  }
  Label(state, present ? "lookups of each" : "lookups of absent keys, as many as", n);
}

template <class Ops>
void Iterate(benchmark::State& state, std::size_t n) {
  const typename Ops::Container& c = Filled<Ops>(n);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Ops::Sum(c));
  }
  Label(state, "one enumeration", n);
}

template <class Ops>
void Copy(benchmark::State& state, std::size_t n) {
  const typename Ops::Container& c = Filled<Ops>(n);
  for (auto _ : state) {
    std::optional<typename Ops::Container> copy(std::in_place, c);
    benchmark::DoNotOptimize(*copy);
    state.PauseTiming();
    copy.reset();
    state.ResumeTiming();
  }
  Label(state, "a copy", n);
}

// The entry count at which KT::HashTable<ObjectID, Payload> first rehashes after `from` entries, for
// these keys: that Add is the one that grows the buckets.
std::size_t RehashPoint(std::size_t from) {
  KT::HashTable<ObjectID, Payload> table;
  const std::vector<ObjectID>& keys = Present();
  std::uint32_t buckets = 0;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    table.Add(keys[i], Payload{i, i});
    if (table.GetBucketCount() != buckets && i + 1 > from) {
      return i + 1;
    }
    buckets = table.GetBucketCount();
  }
  return keys.size();
}

const char* const Figures[] = {"insert", "find_hit", "find_miss", "copy", "iterate"};
const char* const Containers[] = {"KT", "std", "boost", "absl"};

// What the summary needs to find a run: figure, family, container and size, by benchmark name.
struct Identity {
  std::string figure, family, container, size;
};
std::map<std::string, Identity> identities;

struct Samples {
  std::vector<double> times;  // CPU time of each repetition
  double bytesPerEntry = 0;
};
// figure -> family -> size -> container -> samples
std::map<std::string, std::map<std::string, std::map<std::string, std::map<std::string, Samples>>>> samples;

template <class Ops>
void RegisterContainer(const char* family, const char* container, const std::string& size, std::size_t n) {
  const auto add = [&](const char* figure, void (*run)(benchmark::State&, std::size_t, bool), bool flag) {
    const std::string name = std::string(figure) + "/" + family + "/" + container + "/" + size;
    benchmark::RegisterBenchmark(name.c_str(), [run, n, flag](benchmark::State& state) {
      run(state, n, flag);
    })->Unit(n >= 100000 ? benchmark::kMillisecond : benchmark::kMicrosecond);
    identities[name] = Identity{figure, family, container, size};
  };
  add(
      "insert", [](benchmark::State& s, std::size_t count, bool) { Insert<Ops>(s, count); }, false);
  add(
      "find_hit", [](benchmark::State& s, std::size_t count, bool) { Find<Ops>(s, count, true); }, true);
  add(
      "find_miss", [](benchmark::State& s, std::size_t count, bool) { Find<Ops>(s, count, false); }, false);
  add(
      "copy", [](benchmark::State& s, std::size_t count, bool) { Copy<Ops>(s, count); }, false);
  add(
      "iterate", [](benchmark::State& s, std::size_t count, bool) { Iterate<Ops>(s, count); }, false);
}

void RegisterSize(const std::string& size, std::size_t n) {
  RegisterContainer<KtTable>("table", "KT", size, n);
  RegisterContainer<StdTable>("table", "std", size, n);
  RegisterContainer<BoostTable>("table", "boost", size, n);
  RegisterContainer<AbslTable>("table", "absl", size, n);
  RegisterContainer<KtSet>("set", "KT", size, n);
  RegisterContainer<StdSet>("set", "std", size, n);
  RegisterContainer<BoostSet>("set", "boost", size, n);
  RegisterContainer<AbslSet>("set", "absl", size, n);
}

void Keep(const benchmark::BenchmarkReporter::Run& run) {
  const auto identity = identities.find(run.run_name.function_name);
  if (identity == identities.end()) {
    return;
  }
  const Identity& id = identity->second;
  Samples& s = samples[id.figure][id.family][id.size][id.container];
  s.times.push_back(run.GetAdjustedCPUTime());
  const auto bytes = run.counters.find("heap_bytes_per_entry");
  if (bytes != run.counters.end()) {
    s.bytesPerEntry = bytes->second.value;
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Half the range of the repetitions, relative to their median.
double Spread(const std::vector<double>& values) {
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  return (*high - *low) / 2 / Median(values);
}

void PrintSummary(std::FILE* out, const std::vector<std::string>& sizes) {
  std::fprintf(out,
               "\nMedian time as a ratio to std (below 1: faster); +- is the spread of both containers' "
               "repetitions (half their range, relative to the median, added).\n");
  for (const char* family : {"table", "set"}) {
    for (const std::string& size : sizes) {
      std::fprintf(out, "\n%s, %s entries\n%-8s", family, size.c_str(), "");
      for (const char* figure : Figures) {
        std::fprintf(out, " %17s", figure);
      }
      std::fprintf(out, " %17s\n", "heap B/entry");
      for (const char* container : Containers) {
        std::fprintf(out, "%-8s", container);
        for (const char* figure : Figures) {
          const auto& row = samples[figure][family][size];
          const auto mine = row.find(container);
          const auto standard = row.find("std");
          if (mine == row.end() || standard == row.end() || mine->second.times.empty() ||
              standard->second.times.empty()) {
            std::fprintf(out, " %17s", "-");
            continue;
          }
          const double ratio = Median(mine->second.times) / Median(standard->second.times);
          const double noise = Spread(mine->second.times) + Spread(standard->second.times);
          char cell[32];
          std::snprintf(cell, sizeof cell, "%.3f +-%.3f", ratio, ratio * noise);
          std::fprintf(out, " %17s", cell);
        }
        const auto inserted = samples["insert"][family][size].find(container);
        if (inserted != samples["insert"][family][size].end()) {
          std::fprintf(out, " %17.1f\n", inserted->second.bytesPerEntry);
        } else {
          std::fprintf(out, " %17s\n", "-");
        }
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const Benchmarks::Options options = Benchmarks::ParseCommandLine(argc, argv);
  std::vector<std::pair<std::string, std::size_t>> sizes = {{"1000", 1000}, {"1000000", MaxN}};
  if (!options.quick) {
    const std::size_t rehash = RehashPoint(100000);
    sizes.insert(sizes.begin() + 1, {{"100000", 100000}, {"below_rehash", rehash - 1}, {"at_rehash", rehash}});
    std::fprintf(Benchmarks::SummaryStream(), "rehash of KT::HashTable near 100,000 entries: the Add of entry %zu\n",
                 rehash);
  }
  std::vector<std::string> names;
  for (const auto& size : sizes) {
    RegisterSize(size.first, size.second);
    names.push_back(size.first);
  }
  Present();  // made before the first run, which would otherwise pay for them
  Absent();
  Benchmarks::Run(Keep);
  PrintSummary(Benchmarks::SummaryStream(), names);
  return 0;
}
