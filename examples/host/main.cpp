// The example host: loads the example add-on and exports the sample model as the IFC exporter does,
// asking the registered hook data provider through IFCAPI::Impl::HookManager for each element and once
// for the groups, then prints what the exporter receives.
#include <cstdio>

#include "APICore/StandInElementLookup.h"
#include "ExampleAddOn/AddOn.h"
#include "IFCAPI/HookManager.h"
#include "Printer.h"
#include "SampleModel.h"
#include "SampleModelLookup.h"

namespace {

using IFCAPI::Impl::HookAssignments;
using IFCAPI::Impl::HookManager;
using IFCAPI::Impl::ObjectID;

// The host's own token, carried by the identities it hands to the queries.
const API_Guid HostToken = ToAPIGuid(KT::Guid("{0057C0DE-0000-4000-8000-000000000001}"));

// One element's export: the three per-element queries, ordinary or alternative.
void ExportElement(const SampleModel::Element& element, bool alternative) {
  const ObjectID id(HostToken, KT::Guid(element.guid));
  KT::Array<IPL::PropertySet> sets;
  KT::Array<IPL::GeneralAttribute> attributes;
  KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>> references;
  HookManager::GetHookProperties(id, alternative, sets);
  HookManager::GetHookAttributes(id, alternative, attributes);
  HookManager::GetHookClassificationReferences(id, alternative, references);

  std::printf("  %s (%.*s) %s%s\n", std::string(element.name).c_str(), static_cast<int>(element.ifcEntity.size()),
              element.ifcEntity.data(), id.GetGUID().ToString().c_str(), alternative ? ", alternative" : "");
  ExampleHost::PrintPropertySets(stdout, sets);
  ExampleHost::PrintAttributes(stdout, attributes);
  ExampleHost::PrintReferences(stdout, references);
}

}  // namespace

int main() {
  ExampleAddOn::Initialize();
  std::printf("Example add-on loaded; hook data provider registered: %s\n\n",
              HookManager::HasHookDataProvider() ? "yes" : "no");

  // The add-on asks the host what each element is; the host answers from its model while it exports.
  ExampleHost::SampleModelLookup lookup;
  APICore::StandIn::SetElementLookup(&lookup);
  std::printf("Elements, as the exporter receives their hook data\n");
  for (const SampleModel::Element& element : SampleModel::Elements) {
    ExportElement(element, false);
  }
  std::printf("\nThe wall's alternative hook data\n");
  ExportElement(SampleModel::ExteriorWall, true);

  KT::Array<HookAssignments> assignments;
  HookManager::GetHookAssignments(assignments);
  std::printf("\nGroups and relations, once for the whole export: %u assignment object(s)\n", assignments.GetSize());
  for (const HookAssignments& each : assignments) {
    ExampleHost::PrintAssignments(stdout, each);
  }

  APICore::StandIn::SetElementLookup(nullptr);
  ExampleAddOn::FreeData();
  KT::Array<HookAssignments> afterwards;
  HookManager::GetHookAssignments(afterwards);
  std::printf("\nExample add-on unloaded; provider registered: %s; groups received now: %u\n",
              HookManager::HasHookDataProvider() ? "yes" : "no", afterwards.GetSize());
  return 0;
}
