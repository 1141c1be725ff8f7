// Ifc::Schema::FindEntity, which a reader calls once per instance of a file, beside
// std::unordered_map<std::string_view, EntityId> over the same upper-case names.
//
// Each run looks up 65,536 names drawn at random (fixed seed) from every IFC4X3_ADD2 entity:
// `FindEntity_Upper` as STEP files spell them, `FindEntity_Mixed` as a schema spells them (the
// case-insensitive path), `UnorderedMap_Upper` the standard map with std::hash over the upper-case
// names (exact case only). `items_per_second` counts lookups; the summary gives the median time per
// lookup and FindEntity's ratio to the map's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "BenchmarkRun.h"
#include "ifc/schema/Schema.h"

namespace {

using Ifc::EntityId;
using Ifc::Schema;

constexpr std::size_t LookupCount = 1u << 16;

const Schema& Ifc4x3() {
  return Schema::Get(Ifc::SchemaVersion::Ifc4x3Add2);
}

// The names to look up, in a fixed random order; `upper` picks the STEP spelling.
std::vector<std::string_view> Names(bool upper) {
  const Schema& schema = Ifc4x3();
  std::vector<std::string_view> names;
  names.reserve(LookupCount);
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  for (std::size_t i = 0; i < LookupCount; ++i) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    const EntityId entity{static_cast<std::int16_t>((state >> 33) % schema.EntityCount())};
    names.push_back(upper ? schema.UpperName(entity) : schema.Name(entity));
  }
  return names;
}

void RunFindEntity(benchmark::State& state, bool upper) {
  const Schema& schema = Ifc4x3();
  const std::vector<std::string_view> names = Names(upper);
  for (auto _ : state) {
    for (const std::string_view name : names) {
      benchmark::DoNotOptimize(schema.FindEntity(name));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * names.size()));
}

void FindEntity_Upper(benchmark::State& state) {
  RunFindEntity(state, true);
}
void FindEntity_Mixed(benchmark::State& state) {
  RunFindEntity(state, false);
}

void UnorderedMap_Upper(benchmark::State& state) {
  const Schema& schema = Ifc4x3();
  std::unordered_map<std::string_view, EntityId> map;
  for (std::int16_t i = 0; i < static_cast<std::int16_t>(schema.EntityCount()); ++i) {
    map.emplace(schema.UpperName(EntityId{i}), EntityId{i});
  }
  const std::vector<std::string_view> names = Names(true);
  for (auto _ : state) {
    for (const std::string_view name : names) {
      benchmark::DoNotOptimize(map.find(name));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * names.size()));
}

BENCHMARK(FindEntity_Upper);
BENCHMARK(FindEntity_Mixed);
BENCHMARK(UnorderedMap_Upper);

std::map<std::string, std::vector<double>> kept;  // name -> CPU time of each repetition

void Keep(const benchmark::BenchmarkReporter::Run& run) {
  kept[run.benchmark_name().substr(0, run.benchmark_name().find('/'))].push_back(run.GetAdjustedCPUTime());
}

double MedianPerLookup(const std::string& name) {
  std::vector<double> times = kept[name];
  if (times.empty()) {
    return 0;
  }
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  const double median = n % 2 == 1 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  return median / LookupCount;
}

void PrintSummary(std::FILE* out) {
  const double map = MedianPerLookup("UnorderedMap_Upper");
  std::fprintf(out, "\nMedian CPU time per lookup, and as a ratio to std::unordered_map's (below 1: faster)\n");
  for (const char* name : {"FindEntity_Upper", "FindEntity_Mixed", "UnorderedMap_Upper"}) {
    const double time = MedianPerLookup(name);
    std::fprintf(out, "%-20s %8.2f ns %8.3f\n", name, time, map > 0 ? time / map : 0.0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Benchmarks::ParseCommandLine(argc, argv, 0.1);
  Benchmarks::Run(Keep);
  PrintSummary(Benchmarks::SummaryStream());
  return 0;
}
