// The identifier of a group or relation is one MD5 derivation over 46 serialised bytes, which fit one
// 64-byte block: compare CreateIfcGroup's cost with the one-block and two-block digests. The property
// set merge is one pass with one lookup per value: its time per value stays flat as the answer grows.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "IFCAPI/HookAssignments.h"
#include "IFCAPI/HookManager.h"
#include "IO/MD5Hasher.h"
#include "IPL/PropertySingleValue.h"

namespace {

using IFCAPI::Impl::HookAssignments;
using IFCAPI::Impl::HookManager;
using IFCAPI::Impl::ObjectID;
using IFCAPI::Impl::PropertyValue;

const API_Guid Token = ToAPIGuid(KT::Guid("{BE4C0000-0000-4000-8000-000000000001}"));

void Digest(benchmark::State& state) {
  const std::string bytes(static_cast<std::size_t>(state.range(0)), 'x');
  for (auto _ : state) {
    IO::MD5Hasher md5;
    md5.Update(bytes.data(), bytes.size());
    benchmark::DoNotOptimize(md5.Finish());
  }
}
// 46 bytes: one block, as a derivation; 100 bytes: two blocks.
BENCHMARK(Digest)->Arg(46)->Arg(100);

KT::Guid NthGuid(std::uint32_t n) {
  KT::Guid::Bytes bytes{};
  bytes[0] = static_cast<std::uint8_t>(n);
  bytes[1] = static_cast<std::uint8_t>(n >> 8);
  bytes[2] = static_cast<std::uint8_t>(n >> 16);
  bytes[15] = 1;
  return KT::Guid(bytes);
}

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
  state.counters["derivations"] = type == IPL::IFCType::IfcGroup ? 2 : 3;
}
BENCHMARK(CreateIfcGroup)
    ->Arg(static_cast<int>(IPL::IFCType::IfcGroup))
    ->Arg(static_cast<int>(IPL::IFCType::IfcSystem));

class FixedProvider : public IFCAPI::Impl::IHookDataProvider {
 public:
  explicit FixedProvider(std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
      KT::SharedPtr<IPL::Property> property(new IPL::PropertySingleValue());
      property->SetName(KT::UniString("Property" + std::to_string(i % (count / 2 + 1))));
      answer.push_back(PropertyValue(Token, KT::UniString("Pset_" + std::to_string(i % 10)), property));
    }
  }
  void GetProperties(const ObjectID&, std::vector<PropertyValue>& values) override {
    for (const PropertyValue& value : answer)
      values.push_back(value);
  }
  void GetAttributes(const ObjectID&, std::vector<IFCAPI::Impl::Attribute>&) override {}
  void GetClassificationReferences(const ObjectID&, std::vector<IFCAPI::Impl::ClassificationReference>&) override {}
  void GetAlternativeProperties(const ObjectID&, std::vector<PropertyValue>&) override {}
  void GetAlternativeAttributes(const ObjectID&, std::vector<IFCAPI::Impl::Attribute>&) override {}
  void GetAlternativeClassificationReferences(const ObjectID&,
                                              std::vector<IFCAPI::Impl::ClassificationReference>&) override {}
  void GetAssignments(std::vector<HookAssignments>&) override {}

 private:
  std::vector<PropertyValue> answer;
};

// Ten sets, about half the names repeated within a set.
void GetHookProperties(benchmark::State& state) {
  FixedProvider provider(static_cast<std::uint32_t>(state.range(0)));
  HookManager::SetHookDataProvider(&provider);
  const ObjectID element(Token, NthGuid(7));
  KT::Array<IPL::PropertySet> sets;
  for (auto _ : state) {
    HookManager::GetHookProperties(element, false, sets);
    benchmark::DoNotOptimize(sets.GetSize());
  }
  HookManager::SetHookDataProvider(nullptr);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(GetHookProperties)->Arg(16)->Arg(128)->Arg(1024);

}  // namespace
