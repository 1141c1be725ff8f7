// A test add-on that gives every element the mistakes a client's check of standard sets catches:
// Pset_WallCommon.FireRating as IfcInteger, Pset_WallCommon.Status outside its list, a property
// Pset_WallCommon does not define, Pset_DoorCommon (on elements that are no door) with IsExternal as
// a label, a set the templates lack, and a Qto_ quantity of the wrong type; and, as the control, a
// correct Pset_WallCommon.IsExternal.
#include "IFCAPI/AddOnEntry.h"
#include "IFCAPI/HookManager.h"
#include "IFCAPI/IHookDataProvider.h"

namespace {

using namespace IFCAPI::Impl;
using IPL::AnyValue;

const API_Guid kToken = ToAPIGuid(KT::Guid("{7E570000-0000-4000-8000-00000000AD01}"));

Value Typed(const char* type, const AnyValue& raw) {
  return Value::Create(kToken, type, raw).Unwrap();
}

Value Label(const char* text) {
  return Typed("IfcLabel", AnyValue::FromString(KT::UniString(text)));
}

class MistakesProvider : public IFCAPI::Impl::IHookDataProvider {
 public:
  void GetProperties(const ObjectID&, std::vector<PropertyValue>& values) override {
    const auto single = [&](const char* set, const char* name, const Value& value) {
      values.push_back(PropertyValue::CreateSingleValue(kToken, set, name, value).Unwrap());
    };
    single("Pset_WallCommon", "IsExternal", Typed("IfcBoolean", AnyValue::FromBoolean(true)));
    single("Pset_WallCommon", "FireRating", Typed("IfcInteger", AnyValue::FromInteger(90)));
    single("Pset_WallCommon", "Colour", Label("grey"));
    values.push_back(PropertyValue::CreateEnumeratedValue(kToken, "Pset_WallCommon", "Status",
                                                          {Label("NEW"), Label("BRAND_NEW")}, {Label("BRAND_NEW")})
                         .Unwrap());
    single("Pset_DoorCommon", "IsExternal", Label("yes"));
    single("Pset_NoSuchSetCommon", "Anything", Label("x"));
    single("Qto_WallBaseQuantities", "Length", Typed("IfcLengthMeasure", AnyValue::FromReal(4.0)));
    single("Qto_WallBaseQuantities", "Width", Label("thick"));
  }
  void GetAttributes(const ObjectID&, std::vector<Attribute>&) override {}
  void GetClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}
  void GetAlternativeProperties(const ObjectID& id, std::vector<PropertyValue>& v) override { GetProperties(id, v); }
  void GetAlternativeAttributes(const ObjectID&, std::vector<Attribute>&) override {}
  void GetAlternativeClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}
  void GetAssignments(std::vector<HookAssignments>&) override {}
};

MistakesProvider provider;

}  // namespace

IFCAPI_ADDON_ENTRY int IFCAPIAddOnRegister(const API_Guid* /*token*/) {
  IFCAPI::Impl::HookManager::SetHookDataProvider(&provider);
  return 0;
}

IFCAPI_ADDON_ENTRY void IFCAPIAddOnUnregister(void) {
  IFCAPI::Impl::HookManager::SetHookDataProvider(nullptr);
}
