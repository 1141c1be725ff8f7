// A first add-on: contributes one property set, one attribute and one classification reference to
// every element of the IFC export, a fire rating to every wall and a group of heat emitters per storey.
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "API/ElementLookup.h"
#include "API/IfcGlobalId.h"
#include "IFCAPI/AddOnEntry.h"
#include "IFCAPI/Classification.h"
#include "IFCAPI/ClassificationReference.h"
#include "IFCAPI/HookAssignments.h"
#include "IFCAPI/HookManager.h"
#include "IFCAPI/IHookDataProvider.h"
#include "IFCAPI/PropertyValue.h"
#include "IFCAPI/Value.h"
#include "IPL/AnyValue.h"

using namespace IFCAPI::Impl;

namespace {

// Who we are: the loader hands the token to IFCAPIAddOnRegister; every object we make carries it.
API_Guid token;

// Keeps the value of `result`, or says why the library refused it.
template <class T>
void Keep(TSAPI::Result<T, TSAPI::Error>&& result, std::vector<T>& values) {
  if (result.HasValue()) {
    values.push_back(result.Unwrap());
  } else {
    std::fprintf(stderr, "first add-on: refused: %s\n", result.GetError().message.c_str());
  }
}

class FirstProvider : public IHookDataProvider {
 public:
  // Property set "FirstAddOn_Review" with one property, ReviewStatus = IfcLabel 'Approved'; for every
  // wall a fire rating, unless the model already gives it one; and every heat emitter (IfcFlowTerminal
  // or a subtype: a radiator is one) remembered by its storey, for the groups made in GetAssignments.
  void GetProperties(const ObjectID& element, std::vector<PropertyValue>& values) override {
    auto status = Value::Create(token, "IfcLabel", IPL::AnyValue::FromString("Approved"));
    if (!status.HasValue()) {
      std::fprintf(stderr, "first add-on: refused: %s\n", status.GetError().message.c_str());
      return;
    }
    Keep(PropertyValue::CreateSingleValue(token, "FirstAddOn_Review", "ReviewStatus", status.Unwrap()), values);

    // What the element is: the host looks it up by the GUID behind its ObjectID.
    const auto found = API::LookUpElement(token, element.GetGUID());
    if (!found.HasValue()) {
      return;  // GetError().message says why: an element the host does not know, or no export
    }
    const API::ElementInfo& info = found.Unwrap();
    if (info.entity == "IfcWall" && info.FindProperty("Pset_WallCommon", "FireRating") == nullptr) {
      auto rating = Value::Create(token, "IfcLabel", IPL::AnyValue::FromString("REI 60"));
      if (rating.HasValue()) {
        Keep(PropertyValue::CreateSingleValue(token, "Pset_WallCommon", "FireRating", rating.Unwrap()), values);
      }
    }
    if (info.IsA("IfcFlowTerminal") && info.storey) {
      Storey& storey = heatEmitters[info.storey->globalId];
      storey.name = info.storey->name;
      storey.members.push_back(element);
    }
  }

  // The element's Description.
  void GetAttributes(const ObjectID&, std::vector<Attribute>& values) override {
    Keep(Attribute::Create(token, "Description", KT::UniString("Reviewed by the first add-on")), values);
  }

  // Reference FA-100 of a classification of our own (Classification::Create never fails).
  void GetClassificationReferences(const ObjectID&, std::vector<ClassificationReference>& values) override {
    const auto system = Classification::Create(token, "First Add-On Classification", KT::UniString("First Add-On"),
                                               KT::UniString("1"), std::nullopt, std::nullopt, std::nullopt);
    auto reference =
        ClassificationReference::Create(token, std::nullopt, KT::UniString("FA-100"), KT::UniString("Reviewed element"),
                                        system.Unwrap(), "First add-on review");
    Keep(std::move(reference), values);
  }

  // The host's alternative export is left alone.
  void GetAlternativeProperties(const ObjectID&, std::vector<PropertyValue>&) override {}
  void GetAlternativeAttributes(const ObjectID&, std::vector<Attribute>&) override {}
  void GetAlternativeClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}

  // Asked once, after every element's queries: one group of heat emitters per storey. The storey's
  // GUID names the group, so that the same storey gives the same group in every export.
  void GetAssignments(std::vector<HookAssignments>& values) override {
    if (heatEmitters.empty()) {
      return;
    }
    HookAssignments assignments(token);
    for (const auto& [globalId, storey] : heatEmitters) {
      // A malformed GlobalId gives the null GUID, which CreateIfcGroup refuses.
      const KT::Guid guid = API::GuidFromGlobalId(globalId).value_or(KT::Guid());
      auto group = assignments.CreateIfcGroup(guid, IPL::IFCType::IfcGroup,
                                              KT::UniString("Heat emitters, " + storey.name), true);
      if (!group.HasValue()) {
        std::fprintf(stderr, "first add-on: refused: %s\n", group.GetError().message.c_str());
        continue;
      }
      const auto assigned = assignments.AssignObjects(group.Unwrap(), storey.members);
      if (!assigned.HasValue()) {
        std::fprintf(stderr, "first add-on: refused: %s\n", assigned.GetError().message.c_str());
      }
    }
    values.push_back(assignments);
    heatEmitters.clear();  // the next export collects its own
  }

 private:
  struct Storey {
    std::string name;
    std::vector<ObjectID> members;
  };
  std::map<std::string, Storey> heatEmitters;  // by the storey's GlobalId
};

// Lives as long as the add-on is loaded; the library keeps only a pointer to it.
FirstProvider provider;

}  // namespace

IFCAPI_ADDON_ENTRY int IFCAPIAddOnRegister(const API_Guid* addOnToken) {
  token = *addOnToken;  // valid only during this call: keep a copy
  HookManager::SetHookDataProvider(&provider);
  return 0;
}

IFCAPI_ADDON_ENTRY void IFCAPIAddOnUnregister(void) {
  if (HookManager::HasHookDataProvider() && &HookManager::GetHookDataProvider() == &provider) {
    HookManager::SetHookDataProvider(nullptr);
  }
}
