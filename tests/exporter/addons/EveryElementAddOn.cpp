// A test add-on that contributes to every element it is asked about: each kind of property value,
// attributes, classification references and every group type, all elements as members; and what some
// schema or rule cannot take (a set point, an IfcDate, a label of 300 characters, values breaking their
// rules, a value outside its enumeration, enumerations sharing a name or having none).
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "IFCAPI/AddOnEntry.h"
#include "IFCAPI/HookManager.h"
#include "IFCAPI/IHookDataProvider.h"
#include "IPL/PropertyEnumeratedValue.h"

namespace {

using namespace IFCAPI::Impl;
using IPL::AnyValue;

const API_Guid Token = ToAPIGuid(KT::Guid("{7E570000-0000-4000-8000-00000000AD00}"));

// The serviced buildings are taken from the first elements asked about, where the spatial structure is
// in most files; the tool leaves out those that are no spatial element.
constexpr std::size_t ServicedCandidates = 8;

// Says on standard error what the library refused; the tool's checks then miss it.
void Refused(const char* what, const std::string& why) {
  std::fprintf(stderr, "every-element add-on: %s refused%s\n", what, why.c_str());
}

template <class T>
void Keep(TSAPI::Result<T, TSAPI::Error>&& result, std::vector<T>& values, const char* what) {
  if (result.HasValue()) {
    values.push_back(result.Unwrap());
  } else {
    Refused(what, ": " + result.GetError().message);
  }
}

Value Typed(const char* type, const AnyValue& raw) {
  auto result = Value::Create(Token, type, raw);
  if (!result.HasValue()) {
    Refused(type, "");
    return Value(Token, IPL::Value());
  }
  return result.Unwrap();
}

Value Label(const std::string& text) {
  return Typed("IfcLabel", AnyValue::FromString(KT::UniString(text)));
}

Value Real(const char* type, double value) {
  return Typed(type, AnyValue::FromReal(value));
}

// An enumerated property whose enumeration carries `name` (empty: none), built from library objects
// since the factory gives enumerations no name.
void Enumerated(std::vector<PropertyValue>& values, const char* property, const char* name,
                const std::vector<std::string>& allowed, const std::string& chosen) {
  KT::Array<IPL::Value> allowedValues;
  for (const std::string& text : allowed) {
    allowedValues.Push(Label(text).GetValue());
  }
  IPL::PropertyEnumeration enumeration;
  enumeration.SetName(KT::UniString(name));
  enumeration.SetEnumerationValues(allowedValues);
  IPL::PropertyEnumeratedValue enumerated;
  enumerated.SetName(KT::UniString(property));
  enumerated.SetEnumerationReference(enumeration.Clone());
  enumerated.SetEnumerationValues(KT::Array<IPL::Value>{Label(chosen).GetValue()});
  Keep(PropertyValue::Create(Token, "IfcapiTest_Enumerations", enumerated), values, property);
}

class EveryElementProvider : public IFCAPI::Impl::IHookDataProvider {
 public:
  void GetProperties(const ObjectID& id, std::vector<PropertyValue>& values) override {
    asked.push_back(id);
    const auto single = [&](const char* set, const char* name, const Value& value) {
      Keep(PropertyValue::CreateSingleValue(Token, set, name, value), values, name);
    };
    const char* set = "IfcapiTest_Common";
    single(set, "Checked", Label("Checked by the test's add-on"));
    single(set, "LargeReal", Real("IfcReal", -7.894483946549541e17));
    single(set, "Width", Real("IfcPositiveLengthMeasure", 0.25));
    const Value length[] = {Real("IfcLengthMeasure", -0.005), Real("IfcLengthMeasure", 0.005),
                            Real("IfcLengthMeasure", 0.0)};
    Keep(PropertyValue::CreateBoundedValue(Token, set, "Tolerance", length[0], length[1], length[2]), values,
         "Tolerance");
    Keep(PropertyValue::CreateListValue(Token, set, "Layers", {Label("Plaster"), Label("Brick")}), values, "Layers");
    Keep(PropertyValue::CreateEnumeratedValue(Token, set, "Grade", {Label("A"), Label("B")}, {Label("B")}), values,
         "Grade");
    Keep(PropertyValue::CreateTableValue(
             Token, set, "Efficiency",
             {Real("IfcThermodynamicTemperatureMeasure", 303.15), Real("IfcThermodynamicTemperatureMeasure", 323.15)},
             {Real("IfcNormalisedRatioMeasure", 0.98), Real("IfcNormalisedRatioMeasure", 0.94)}),
         values, "Efficiency");
    // What some schema cannot take.
    const char* rules = "IfcapiTest_Rules";
    single(rules, "InspectedOn", Typed("IfcDate", AnyValue::FromString(KT::UniString("2024-05-01"))));
    single(rules, "TooLongLabel", Label(std::string(300, 'x')));
    single(rules, "NegativeWidth", Real("IfcPositiveLengthMeasure", -1.0));
    single(rules, "RatioAboveOne", Real("IfcNormalisedRatioMeasure", 1.5));
    Keep(PropertyValue::CreateEnumeratedValue(Token, rules, "OutsideItsEnumeration", {Label("A"), Label("B")},
                                              {Label("C")}),
         values, "OutsideItsEnumeration");
    Enumerated(values, "Colour", "IfcapiTest_Colours", {"red", "green", "blue"}, "green");
    Enumerated(values, "Shade", "IfcapiTest_Colours", {"cyan", "magenta"}, "cyan");
    Enumerated(values, "Finish", "", {"matt", "gloss"}, "matt");
  }

  void GetAttributes(const ObjectID&, std::vector<Attribute>& values) override {
    Keep(Attribute::Create(Token, "Description", KT::UniString("Described by the test's add-on")), values,
         "Description");
    Keep(Attribute::Create(Token, "ObjectType", KT::UniString("Tested")), values, "ObjectType");
  }

  void GetClassificationReferences(const ObjectID&, std::vector<ClassificationReference>& values) override {
    const Classification full =
        Classification::Create(Token, "Test Classification", KT::UniString("Test Board"), KT::UniString("2024"),
                               KT::UniString("2024-01-15"), KT::UniString("Every element"),
                               KT::UniString("https://classification.example/test"))
            .Unwrap();
    const Classification bare = Classification::Create(Token, "Bare Classification", std::nullopt, std::nullopt,
                                                       std::nullopt, std::nullopt, std::nullopt)
                                    .Unwrap();
    Keep(ClassificationReference::Create(Token, KT::UniString("https://classification.example/test/10"),
                                         KT::UniString("10"), KT::UniString("Elements"), full, "Test classification"),
         values, "10");
    Keep(ClassificationReference::Create(Token, std::nullopt, KT::UniString("B-1"), KT::UniString("Bare"), bare,
                                         "Bare classification"),
         values, "B-1");
  }

  // The alternative queries get the same answers.
  void GetAlternativeProperties(const ObjectID& id, std::vector<PropertyValue>& v) override { GetProperties(id, v); }
  void GetAlternativeAttributes(const ObjectID& id, std::vector<Attribute>& v) override { GetAttributes(id, v); }
  void GetAlternativeClassificationReferences(const ObjectID& id, std::vector<ClassificationReference>& v) override {
    GetClassificationReferences(id, v);
  }

  void GetAssignments(std::vector<HookAssignments>& values) override {
    HookAssignments assignments(Token);
    const struct {
      const char* guid;
      IPL::IFCType type;
      const char* name;
    } groups[] = {
        {"{7E570000-0000-4000-8000-0000000000C1}", IPL::IFCType::IfcGroup, "Test group"},
        {"{7E570000-0000-4000-8000-0000000000C2}", IPL::IFCType::IfcSystem, "Test system"},
        {"{7E570000-0000-4000-8000-0000000000C3}", IPL::IFCType::IfcBuildingSystem, "Test building system"},
        {"{7E570000-0000-4000-8000-0000000000C4}", IPL::IFCType::IfcDistributionSystem, "Test distribution system"},
        {"{7E570000-0000-4000-8000-0000000000C5}", IPL::IFCType::IfcDistributionCircuit, "Test circuit"},
    };
    const std::vector<ObjectID> serviced(
        asked.begin(), asked.begin() + static_cast<std::ptrdiff_t>(std::min(asked.size(), ServicedCandidates)));
    std::vector<ObjectID> made;
    for (const auto& group : groups) {
      auto created = assignments.CreateIfcGroup(KT::Guid(group.guid), group.type, KT::UniString(group.name), true);
      if (!created.HasValue()) {
        Refused(group.name, "");
        continue;
      }
      made.push_back(created.Unwrap());
      if (!asked.empty() && !assignments.AssignObjects(made.back(), asked).HasValue()) {
        Refused(group.name, ": members");
      }
      if (group.type == IPL::IFCType::IfcDistributionSystem && !serviced.empty() &&
          !assignments.ServiceBuildings(made.back(), serviced).HasValue()) {
        Refused(group.name, ": serviced buildings");
      }
    }
    // The circuit belongs to the distribution system as well.
    if (made.size() == 5 && !assignments.AssignObjects(made[3], {made[4]}).HasValue()) {
      Refused("circuit in system", "");
    }
    values.push_back(assignments);
  }

 private:
  std::vector<ObjectID> asked;
};

EveryElementProvider provider;

}  // namespace

IFCAPI_ADDON_ENTRY int IFCAPIAddOnRegister(const API_Guid* /*token*/) {
  IFCAPI::Impl::HookManager::SetHookDataProvider(&provider);
  return 0;
}

IFCAPI_ADDON_ENTRY void IFCAPIAddOnUnregister(void) {
  IFCAPI::Impl::HookManager::SetHookDataProvider(nullptr);
}
