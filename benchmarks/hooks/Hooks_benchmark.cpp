// Costs of the export hooks.
//
// Queries: GetHookProperties, GetHookAttributes and GetHookClassificationReferences for 16, 128 and
// 1,024 contributed values, each beside a hand-written merge with std::unordered_map, std::unordered_set
// and std::vector that does the same work on the same answer (properties: grouped by set name in order
// of first occurrence, the first property of each name kept and shared, not copied; attributes: the
// first of each name copied; references: the first of each key text cloned). Both sides ask the same
// provider, which copies its prepared answer. Figures: values per second, and heap allocations per
// query counted by KT::MemoryManager, through which every allocation of the process passes.
//
// Identifiers: DeriveGuid over two GUIDs (46 bytes, one MD5 block) beside IO::MD5Hasher over the same
// 46 bytes, and CreateIfcGroup, which derives two or three identifiers per group.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "BenchmarkRun.h"
#include "IFCAPI/Attribute.h"
#include "IFCAPI/Classification.h"
#include "IFCAPI/ClassificationReference.h"
#include "IFCAPI/HookAssignments.h"
#include "IFCAPI/HookManager.h"
#include "IO/MD5Hasher.h"
#include "IPL/PropertySingleValue.h"
#include "KT/MemoryManager.h"
#include "hooks/src/DeriveGuid.h"

namespace {

using IFCAPI::Impl::Attribute;
using IFCAPI::Impl::ClassificationReference;
using IFCAPI::Impl::HookAssignments;
using IFCAPI::Impl::HookManager;
using IFCAPI::Impl::ObjectID;
using IFCAPI::Impl::PropertyValue;

const API_Guid Token = ToAPIGuid(KT::Guid("{BE4C0000-0000-4000-8000-000000000001}"));

KT::Guid NthGuid(std::uint32_t n) {
  KT::Guid::Bytes bytes{};
  bytes[0] = static_cast<std::uint8_t>(n);
  bytes[1] = static_cast<std::uint8_t>(n >> 8);
  bytes[2] = static_cast<std::uint8_t>(n >> 16);
  bytes[15] = 1;
  return KT::Guid(bytes);
}

// A provider whose answer holds `count` values of each kind: properties in ten sets, each name twice
// in its set; attributes and references with about half the names repeated.
class FixedProvider : public IFCAPI::Impl::IHookDataProvider {
 public:
  explicit FixedProvider(std::uint32_t count) {
    const auto classification = IFCAPI::Impl::Classification::Create(
        Token, "Uniclass", KT::UniString("NBS"), KT::UniString("2015"), std::nullopt, std::nullopt, std::nullopt);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::string repeated = std::to_string(i % (count / 2 + 1));
      KT::SharedPtr<IPL::Property> property(new IPL::PropertySingleValue());
      property->SetName(KT::UniString("Property" + std::to_string(i / 20)));  // each name twice in its set
      properties.push_back(PropertyValue(Token, KT::UniString("Pset_" + std::to_string(i % 10)), property));
      attributes.push_back(
          Attribute::Create(Token, KT::UniString("Attribute" + repeated), KT::UniString("value " + std::to_string(i)))
              .Unwrap());
      references.push_back(ClassificationReference::Create(Token, std::nullopt, KT::UniString("Ss_" + repeated),
                                                           KT::UniString("Reference " + repeated),
                                                           classification.Unwrap(), "Uniclass classification")
                               .Unwrap());
    }
  }
  // API objects are never assigned: the answer is copied element by element.
  void GetProperties(const ObjectID&, std::vector<PropertyValue>& values) override {
    for (const PropertyValue& value : properties) {
      values.push_back(value);
    }
  }
  void GetAttributes(const ObjectID&, std::vector<Attribute>& values) override {
    for (const Attribute& value : attributes) {
      values.push_back(value);
    }
  }
  void GetClassificationReferences(const ObjectID&, std::vector<ClassificationReference>& values) override {
    for (const ClassificationReference& value : references) {
      values.push_back(value);
    }
  }
  void GetAlternativeProperties(const ObjectID&, std::vector<PropertyValue>&) override {}
  void GetAlternativeAttributes(const ObjectID&, std::vector<Attribute>&) override {}
  void GetAlternativeClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}
  void GetAssignments(std::vector<HookAssignments>&) override {}

 private:
  std::vector<PropertyValue> properties;
  std::vector<Attribute> attributes;
  std::vector<ClassificationReference> references;
};

struct UniStringHash {
  std::size_t operator()(const KT::UniString& text) const noexcept { return text.GenerateHashValue(); }
};

// The hand-written merges, each doing what the corresponding query does.
void PlainProperties(IFCAPI::Impl::IHookDataProvider& provider, const ObjectID& id,
                     std::vector<IPL::PropertySet>& output) {
  std::vector<PropertyValue> values;
  provider.GetProperties(id, values);
  output.clear();
  std::unordered_map<KT::UniString, std::size_t, UniStringHash> setIndexByName;
  std::vector<std::unordered_set<KT::UniString, UniStringHash>> placedNames;
  for (const PropertyValue& value : values) {
    const auto [set, added] = setIndexByName.emplace(value.GetPropertySetName(), output.size());
    if (added) {
      output.emplace_back();
      output.back().SetName(value.GetPropertySetName());
      placedNames.emplace_back();
    }
    if (placedNames[set->second].insert(value.GetProperty()->GetName()).second) {
      output[set->second].AddProperty(value.GetProperty());
    }
  }
}

void PlainAttributes(IFCAPI::Impl::IHookDataProvider& provider, const ObjectID& id,
                     std::vector<IPL::GeneralAttribute>& output) {
  std::vector<Attribute> values;
  provider.GetAttributes(id, values);
  std::unordered_set<KT::UniString, UniStringHash> keys;
  for (const Attribute& value : values) {
    if (keys.insert(value.GetAttribute().GetName()).second) {
      output.push_back(value.GetAttribute());
    }
  }
}

void PlainReferences(IFCAPI::Impl::IHookDataProvider& provider, const ObjectID& id,
                     std::vector<KT::SharedPtr<IPL::ExternalReferenceBase>>& output) {
  std::vector<ClassificationReference> values;
  provider.GetClassificationReferences(id, values);
  std::unordered_set<KT::UniString, UniStringHash> keys;
  for (const ClassificationReference& value : values) {
    if (keys.insert(value.GetReference().GetKeyText()).second) {
      output.push_back(KT::SharedPtr<IPL::ExternalReferenceBase>(value.GetReference().Clone()));
    }
  }
}

// Runs `query(provider, element, output)` once per iteration on a fresh output, which is emptied
// outside the timing so that both sides start alike.
//
// Allocations are given twice: all of them, and those of the merge alone: the total less the least
// that receiving the answer costs, the provider's copying of its values into a vector reserved for
// them, and that reservation (counted once beforehand). A vector that grows while the provider fills
// it counts as the merge's.
template <class Output, class Value, class Query>
void Measure(benchmark::State& state,
             void (IFCAPI::Impl::IHookDataProvider::*ask)(const ObjectID&, std::vector<Value>&), Query query) {
  const auto count = static_cast<std::uint32_t>(state.range(0));
  FixedProvider provider(count);
  HookManager::SetHookDataProvider(&provider);
  const ObjectID element(Token, NthGuid(7));
  std::uint64_t answering = 0;
  {
    std::vector<Value> answer;
    (provider.*ask)(element, answer);
    std::vector<Value> roomy;
    roomy.reserve(answer.size());
    const std::uint64_t before = KT::MemoryManager::GetAllocationAttemptCount();
    (provider.*ask)(element, roomy);
    answering = KT::MemoryManager::GetAllocationAttemptCount() - before + 1;  // and the reservation
  }
  std::uint64_t allocations = 0;
  for (auto _ : state) {
    Output output;
    const std::uint64_t before = KT::MemoryManager::GetAllocationAttemptCount();
    query(provider, element, output);
    allocations += KT::MemoryManager::GetAllocationAttemptCount() - before;
    benchmark::DoNotOptimize(output);
    state.PauseTiming();
    { Output discarded(std::move(output)); }
    state.ResumeTiming();
  }
  HookManager::SetHookDataProvider(nullptr);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  const double perQuery = static_cast<double>(allocations) / static_cast<double>(state.iterations());
  state.counters["allocations_per_query"] = perQuery;
  state.counters["merge_allocations_per_query"] = perQuery - static_cast<double>(answering);
  state.SetLabel("Time: one query of " + std::to_string(count) + " contributed values");
}

void Properties_Library(benchmark::State& state) {
  Measure<KT::Array<IPL::PropertySet>>(state, &IFCAPI::Impl::IHookDataProvider::GetProperties,
                                       [](auto&, const ObjectID& id, KT::Array<IPL::PropertySet>& output) {
                                         HookManager::GetHookProperties(id, false, output);
                                       });
}
void Properties_Plain(benchmark::State& state) {
  Measure<std::vector<IPL::PropertySet>>(state, &IFCAPI::Impl::IHookDataProvider::GetProperties, PlainProperties);
}
void Attributes_Library(benchmark::State& state) {
  Measure<KT::Array<IPL::GeneralAttribute>>(state, &IFCAPI::Impl::IHookDataProvider::GetAttributes,
                                            [](auto&, const ObjectID& id, KT::Array<IPL::GeneralAttribute>& output) {
                                              HookManager::GetHookAttributes(id, false, output);
                                            });
}
void Attributes_Plain(benchmark::State& state) {
  Measure<std::vector<IPL::GeneralAttribute>>(state, &IFCAPI::Impl::IHookDataProvider::GetAttributes, PlainAttributes);
}
using References = KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>;
void References_Library(benchmark::State& state) {
  Measure<References>(state, &IFCAPI::Impl::IHookDataProvider::GetClassificationReferences,
                      [](auto&, const ObjectID& id, References& output) {
                        HookManager::GetHookClassificationReferences(id, false, output);
                      });
}
void References_Plain(benchmark::State& state) {
  Measure<std::vector<KT::SharedPtr<IPL::ExternalReferenceBase>>>(
      state, &IFCAPI::Impl::IHookDataProvider::GetClassificationReferences, PlainReferences);
}
BENCHMARK(Properties_Library)->Arg(16)->Arg(128)->Arg(1024);
BENCHMARK(Properties_Plain)->Arg(16)->Arg(128)->Arg(1024);
BENCHMARK(Attributes_Library)->Arg(16)->Arg(128)->Arg(1024);
BENCHMARK(Attributes_Plain)->Arg(16)->Arg(128)->Arg(1024);
BENCHMARK(References_Library)->Arg(16)->Arg(128)->Arg(1024);
BENCHMARK(References_Plain)->Arg(16)->Arg(128)->Arg(1024);

// The bytes DeriveGuid hashes for two GUIDs: frame header, count, the GUIDs, frame trailer.
void DeriveGuid(benchmark::State& state) {
  const KT::Array<KT::Guid> guids{NthGuid(1), NthGuid(2)};
  for (auto _ : state) {
    benchmark::DoNotOptimize(IFCAPI::Impl::DeriveGuid(guids));
  }
  state.SetLabel("Time: one identifier from two GUIDs");
}
BENCHMARK(DeriveGuid);

void MD5OneBlock(benchmark::State& state) {
  const std::string bytes(IFCAPI::Impl::SerialisedGuidArraySize(2), 'x');
  for (auto _ : state) {
    IO::MD5Hasher md5;
    md5.Update(bytes.data(), bytes.size());
    benchmark::DoNotOptimize(md5.Finish());
  }
  state.SetLabel("Time: MD5 of " + std::to_string(bytes.size()) + " bytes (one block)");
}
BENCHMARK(MD5OneBlock);

// A group of type 43 costs two derivations, a system three; the rest is the tables and the tree. Each
// iteration fills a fresh object with 16 groups, so that memory is reused rather than first touched.
void CreateIfcGroup(benchmark::State& state) {
  const auto type = static_cast<IPL::IFCType>(state.range(0));
  constexpr std::uint32_t GroupsPerObject = 16;
  for (auto _ : state) {
    HookAssignments assignments(Token);
    for (std::uint32_t n = 1; n <= GroupsPerObject; ++n) {
      auto group = assignments.CreateIfcGroup(NthGuid(n), type, std::nullopt, false);
      benchmark::DoNotOptimize(group.HasValue());
    }
  }
  state.SetItemsProcessed(state.iterations() * GroupsPerObject);
  state.counters["derivations_per_group"] = type == IPL::IFCType::IfcGroup ? 2 : 3;
  state.SetLabel("Time: 16 groups created; items are groups");
}
BENCHMARK(CreateIfcGroup)
    ->Arg(static_cast<int>(IPL::IFCType::IfcGroup))
    ->Arg(static_cast<int>(IPL::IFCType::IfcSystem));

// name -> median CPU time and allocations, of the single repetitions
struct Kept {
  std::vector<double> times;
  double allocations = 0, mergeAllocations = 0;
};
std::map<std::string, Kept> kept;

void Keep(const benchmark::BenchmarkReporter::Run& run) {
  Kept& k = kept[run.benchmark_name()];
  k.times.push_back(run.GetAdjustedCPUTime());
  const auto allocations = run.counters.find("allocations_per_query");
  if (allocations != run.counters.end()) {
    k.allocations = allocations->second.value;
  }
  const auto merge = run.counters.find("merge_allocations_per_query");
  if (merge != run.counters.end()) {
    k.mergeAllocations = merge->second.value;
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Base(const std::string& name) {
  const std::size_t slash = name.find("/repeats:");
  return slash == std::string::npos ? name : name.substr(0, slash);
}

void PrintSummary(std::FILE* out) {
  std::map<std::string, Kept> byName;
  for (const auto& [name, k] : kept) {
    byName[Base(name)] = k;
  }
  std::fprintf(out,
               "\nMedian CPU time of the library's query as a ratio to the plain merge's (below 1: faster),\n"
               "and heap allocations per query, all of them and the merge's alone (less the answer's copy into a "
               "vector with room for it)\n");
  std::fprintf(out, "%-10s %6s %8s %14s %12s %14s %12s\n", "query", "values", "ratio", "library: all", "merge",
               "plain: all", "merge");
  for (const char* query : {"Properties", "Attributes", "References"}) {
    for (const char* count : {"16", "128", "1024"}) {
      const auto library = byName.find(std::string(query) + "_Library/" + count);
      const auto plain = byName.find(std::string(query) + "_Plain/" + count);
      if (library == byName.end() || plain == byName.end()) {
        continue;
      }
      std::fprintf(out, "%-10s %6s %8.3f %14.1f %12.1f %14.1f %12.1f\n", query, count,
                   Median(library->second.times) / Median(plain->second.times), library->second.allocations,
                   library->second.mergeAllocations, plain->second.allocations, plain->second.mergeAllocations);
    }
  }
  const auto derive = byName.find("DeriveGuid");
  const auto md5 = byName.find("MD5OneBlock");
  if (derive != byName.end() && md5 != byName.end()) {
    std::fprintf(out, "\nDeriveGuid / one MD5 block: %.3f (%.1f ns / %.1f ns)\n",
                 Median(derive->second.times) / Median(md5->second.times), Median(derive->second.times),
                 Median(md5->second.times));
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Each figure here takes microseconds at most: a quick pass can afford longer runs than 0.01 s.
  Benchmarks::ParseCommandLine(argc, argv, 0.1);
  Benchmarks::Run(Keep);
  PrintSummary(Benchmarks::SummaryStream());
  return 0;
}
