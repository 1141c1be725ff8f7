#include "ExampleProvider.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "API/ElementLookup.h"
#include "API/IfcGlobalId.h"
#include "IPL/AnyValue.h"
#include "SampleModel.h"

namespace ExampleAddOn {

using IFCAPI::Impl::Attribute;
using IFCAPI::Impl::Classification;
using IFCAPI::Impl::ClassificationReference;
using IFCAPI::Impl::HookAssignments;
using IFCAPI::Impl::ObjectID;
using IFCAPI::Impl::PropertyValue;
using IFCAPI::Impl::Value;
using IPL::AnyValue;

namespace {

// The add-on's own token: every object it makes names it, so failures can be traced back here.
const API_Guid Token = ToAPIGuid(KT::Guid("{ADD0E000-5A3B-4C1D-9E2F-0123456789AB}"));

// The caller GUIDs of the add-on's groups: the same GUID gives the same identifiers in every export.
const KT::Guid HeatingSystemGuid("{5E000000-0000-4000-8000-0000000000A1}");
const KT::Guid HeatingCircuitGuid("{5E000000-0000-4000-8000-0000000000A2}");
const KT::Guid FireCompartmentGuid("{5E000000-0000-4000-8000-0000000000A3}");

// The known elements' GUIDs, parsed once: the exporter asks about every element of a file, and
// parsing the texts on every question would cost more than the rest of the export.
const std::array<KT::Guid, SampleModel::Elements.size()>& ParsedGuids() {
  static const std::array<KT::Guid, SampleModel::Elements.size()> parsed = [] {
    std::array<KT::Guid, SampleModel::Elements.size()> guids;
    for (std::size_t i = 0; i < guids.size(); ++i) {
      guids[i] = KT::Guid(SampleModel::Elements[i].guid);
    }
    return guids;
  }();
  return parsed;
}

const KT::Guid& GuidOf(const SampleModel::Element& element) {
  const auto& parsed = ParsedGuids();
  // Every element is a copy of one in Elements, so its text is the very same characters.
  for (std::size_t i = 0; i < parsed.size(); ++i) {
    if (SampleModel::Elements[i].guid.data() == element.guid.data()) {
      return parsed[i];
    }
  }
  static thread_local KT::Guid other;
  other = KT::Guid(element.guid);
  return other;
}

bool Is(const ObjectID& id, const SampleModel::Element& element) {
  return id.GetGUID() == GuidOf(element);
}

// What the host knows about the element asked about: the exporter asks its three questions about one
// element in a row, so the answer is kept until it asks about another. Null when the host has no
// answer (an element it does not know, or no look-up served).
const API::ElementInfo* LookUp(const ObjectID& id) {
  static struct {
    KT::Guid guid;
    bool asked = false;
    std::optional<API::ElementInfo> info;
  } last;
  if (!last.asked || last.guid != id.GetGUID()) {
    auto answer = API::LookUpElement(Token, id.GetGUID());
    last.guid = id.GetGUID();
    last.asked = true;
    if (answer.HasValue()) {
      last.info.emplace(std::move(answer.Unwrap()));  // moved in place: no temporary to move and free
    } else {
      last.info.reset();
    }
  }
  return last.info ? &*last.info : nullptr;
}

std::string_view EntityOf(const ObjectID& id) {
  const API::ElementInfo* element = LookUp(id);
  return element != nullptr ? std::string_view(element->entity) : std::string_view();
}

ObjectID IdOf(const SampleModel::Element& element) {
  return ObjectID(Token, KT::Guid(element.guid));
}

// Appends the value of `result`, or reports why the library refused it.
template <class T>
void Collect(TSAPI::Result<T, TSAPI::Error>&& result, std::vector<T>& values, const char* what) {
  if (result.HasValue()) {
    values.push_back(result.Unwrap());
  } else {
    std::fprintf(stderr, "example add-on: %s refused: %s\n", what, result.GetError().message.c_str());
  }
}

// A typed value; a refused one becomes an invalid value, which the property factories then refuse in
// turn, so the failure surfaces where the value is used.
Value Typed(const char* ifcType, const AnyValue& raw) {
  auto result = Value::Create(Token, ifcType, raw);
  if (result.HasValue()) {
    return result.Unwrap();
  }
  std::fprintf(stderr, "example add-on: value of %s refused: %s\n", ifcType, result.GetError().message.c_str());
  return Value(Token, IPL::Value());
}

// A bound or set point that the add-on leaves open.
Value Unset() {
  return Value(Token, IPL::Value());
}

Value Label(const char* text) {
  return Typed("IfcLabel", AnyValue::FromString(text));
}

void Single(std::vector<PropertyValue>& values, const char* set, const char* name, const Value& value) {
  Collect(PropertyValue::CreateSingleValue(Token, set, name, value), values, name);
}

void WallProperties(std::vector<PropertyValue>& values) {
  Single(values, "Pset_WallCommon", "IsExternal", Typed("IfcBoolean", AnyValue::FromBoolean(true)));
  Single(values, "Pset_WallCommon", "ThermalTransmittance",
         Typed("IfcThermalTransmittanceMeasure", AnyValue::FromReal(0.24)));
  Single(values, "Pset_WallCommon", "AcousticRating", Label("Rw 52 dB"));
  Collect(PropertyValue::CreateListValue(Token, "Example_Construction", "Layers",
                                         {Label("Gypsum plaster 15 mm"), Label("Brick 240 mm"),
                                          Label("Mineral wool 160 mm"), Label("Render 10 mm")}),
          values, "Layers");
  Collect(PropertyValue::CreateEnumeratedValue(Token, "Example_Construction", "FireResistance",
                                               {Label("REI 30"), Label("REI 60"), Label("REI 90")}, {Label("REI 90")}),
          values, "FireResistance");
  Collect(PropertyValue::CreateBoundedValue(Token, "Example_Construction", "ThicknessTolerance",
                                            Typed("IfcLengthMeasure", AnyValue::FromReal(-0.005)),
                                            Typed("IfcLengthMeasure", AnyValue::FromReal(0.005)), Unset()),
          values, "ThicknessTolerance");
  // Text that needs every kind of escape in the file: an apostrophe, a backslash, accented letters,
  // signs outside Latin-1 and one character outside the Basic Multilingual Plane.
  Single(
      values, "Example_Notes", "Remark",
      Label(
          u8"Architect's note: plaster \\ render, W\u00e4rmed\u00e4mmung \u2265 160 mm, 5 \u20ac/m\u00b2 \U0001F3E0"));
  // The add-on's defaults come after the element's own data: the exporter keeps the first property of
  // each name in a set, so this one does not reach the export.
  Single(values, "Pset_WallCommon", "IsExternal", Typed("IfcBoolean", AnyValue::FromBoolean(false)));
}

void InteriorWallProperties(std::vector<PropertyValue>& values) {
  Single(values, "Pset_WallCommon", "IsExternal", Typed("IfcBoolean", AnyValue::FromBoolean(false)));
  Single(values, "Pset_WallCommon", "LoadBearing", Typed("IfcBoolean", AnyValue::FromBoolean(false)));
}

void SlabProperties(std::vector<PropertyValue>& values) {
  Single(values, "Pset_SlabCommon", "IsExternal", Typed("IfcBoolean", AnyValue::FromBoolean(false)));
  Single(values, "Pset_SlabCommon", "LoadBearing", Typed("IfcBoolean", AnyValue::FromBoolean(true)));
  Collect(PropertyValue::CreateListValue(
              Token, "Example_Construction", "Layers",
              {Label("Screed 60 mm"), Label("Impact sound insulation 30 mm"), Label("Reinforced concrete 220 mm")}),
          values, "Layers");
}

void BoilerProperties(std::vector<PropertyValue>& values) {
  Single(values, "Pset_BoilerTypeCommon", "NominalEnergyConsumption",
         Typed("IfcPowerMeasure", AnyValue::FromReal(24000.0)));
  Collect(PropertyValue::CreateTableValue(Token, "Example_Performance", "EfficiencyByReturnTemperature",
                                          {Typed("IfcThermodynamicTemperatureMeasure", AnyValue::FromReal(303.15)),
                                           Typed("IfcThermodynamicTemperatureMeasure", AnyValue::FromReal(323.15)),
                                           Typed("IfcThermodynamicTemperatureMeasure", AnyValue::FromReal(343.15))},
                                          {Typed("IfcNormalisedRatioMeasure", AnyValue::FromReal(0.98)),
                                           Typed("IfcNormalisedRatioMeasure", AnyValue::FromReal(0.94)),
                                           Typed("IfcNormalisedRatioMeasure", AnyValue::FromReal(0.89))}),
          values, "EfficiencyByReturnTemperature");
  // Reals that only read back to the same double when written with all their digits.
  Single(values, "Example_Performance", "StandbyLossRatio",
         Typed("IfcNormalisedRatioMeasure", AnyValue::FromReal(0.1)));
  Single(values, "Example_Performance", "CalibrationFactor", Typed("IfcReal", AnyValue::FromReal(1.0000000000000002)));
  Single(values, "Example_Performance", "LeakageRate",
         Typed("IfcVolumetricFlowRateMeasure", AnyValue::FromReal(2.5e-7)));
  Single(values, "Example_Identification", "SerialNumber",
         Typed("IfcIdentifier", AnyValue::FromString("SN-2024/0815")));
  Single(values, "Example_Identification", "FirmwareChecksum",
         Typed("IfcBinary", AnyValue::FromBinary({0x2A, 0x7F, 0x00, 0xC3})));
  Single(values, "Example_Identification", "CommissioningComplete",
         Typed("IfcLogical", AnyValue::FromLogical(AnyValue::LogicalValue::Unknown)));
}

// For every radiator; the radiator that the add-on knows by GUID gets its own values first, which win.
void RadiatorProperties(std::vector<PropertyValue>& values) {
  Single(values, "Pset_SpaceHeaterTypeCommon", "OutputCapacity", Typed("IfcPowerMeasure", AnyValue::FromReal(1200.0)));
  Single(values, "Pset_SpaceHeaterTypeCommon", "NumberOfSections", Typed("IfcInteger", AnyValue::FromInteger(12)));
  Collect(PropertyValue::CreateBoundedValue(Token, "Example_Performance", "SupplyTemperature",
                                            Typed("IfcThermodynamicTemperatureMeasure", AnyValue::FromReal(318.15)),
                                            Typed("IfcThermodynamicTemperatureMeasure", AnyValue::FromReal(343.15)),
                                            Typed("IfcThermodynamicTemperatureMeasure", AnyValue::FromReal(328.15))),
          values, "SupplyTemperature");
  Single(values, "Example_Identification", "IsRemoteControlled",
         Typed("IfcLogical", AnyValue::FromLogical(AnyValue::LogicalValue::True)));
}

void FirstRadiatorProperties(std::vector<PropertyValue>& values) {
  Single(values, "Pset_SpaceHeaterTypeCommon", "OutputCapacity", Typed("IfcPowerMeasure", AnyValue::FromReal(1450.0)));
  Single(values, "Example_Identification", "FloorLevelOffset", Typed("IfcInteger", AnyValue::FromInteger(-3)));
}

// For every wall, whatever its GUID: a fire rating by its kind, unless the file already gives one.
// Two values for all walls, so that the walls of a kind share one property set.
void WallCommonProperties(const API::ElementInfo& wall, std::vector<PropertyValue>& values) {
  if (wall.FindProperty("Pset_WallCommon", "FireRating") == nullptr) {
    Single(values, "Pset_WallCommon", "FireRating", Label(wall.predefinedType == "SOLIDWALL" ? "REI 90" : "EI 30"));
  }
}

// For every pipe segment.
void PipeProperties(std::vector<PropertyValue>& values) {
  Single(values, "Pset_PipeSegmentTypeCommon", "NominalDiameter",
         Typed("IfcPositiveLengthMeasure", AnyValue::FromReal(0.022)));
  Single(values, "Pset_PipeSegmentTypeCommon", "Reference", Typed("IfcIdentifier", AnyValue::FromString("Cu 22x1")));
}

// The classification system of the add-on's references, made once.
const Classification& ExampleClassification() {
  static const Classification system =
      Classification::Create(Token, "Example Building Classification", KT::UniString("Example Standards Board"),
                             KT::UniString("2024"), KT::UniString("2024-01-01"),
                             KT::UniString("Classification of building elements by function"),
                             KT::UniString("https://classification.example/ebc"))
          .Unwrap();  // Classification::Create cannot fail
  return system;
}

void AddReference(std::vector<ClassificationReference>& values, const char* code, const char* title) {
  Collect(ClassificationReference::Create(
              Token, KT::UniString(std::string("https://classification.example/ebc/") + code), KT::UniString(code),
              KT::UniString(title), ExampleClassification(), "Example Building Classification"),
          values, code);
}

std::vector<ClassificationReference> References(const char* code, const char* title) {
  std::vector<ClassificationReference> values;
  AddReference(values, code, title);
  return values;
}

// The values every element of an entity gets are made for the first of them and copied for the
// others: the exporter asks about every element, and making them anew each time would cost more than
// the rest of the add-on's answer.
template <void (*Make)(std::vector<PropertyValue>&)>
const std::vector<PropertyValue>& Once() {
  static const std::vector<PropertyValue> made = [] {
    std::vector<PropertyValue> values;
    Make(values);
    return values;
  }();
  return made;
}

template <class T>
void Append(std::vector<T>& values, const std::vector<T>& shared) {
  values.reserve(values.size() + shared.size());
  for (const T& value : shared) {
    values.push_back(value);
  }
}

}  // namespace

void ExampleProvider::GetProperties(const ObjectID& objectId, std::vector<PropertyValue>& values) {
  // Contributions for one element first, then those for every element of its entity.
  if (Is(objectId, SampleModel::ExteriorWall)) {
    WallProperties(values);
  } else if (Is(objectId, SampleModel::InteriorWall)) {
    InteriorWallProperties(values);
  } else if (Is(objectId, SampleModel::FloorSlab)) {
    SlabProperties(values);
  } else if (Is(objectId, SampleModel::Boiler)) {
    BoilerProperties(values);
  } else if (Is(objectId, SampleModel::Radiator)) {
    FirstRadiatorProperties(values);
  }
  const API::ElementInfo* element = LookUp(objectId);
  if (element == nullptr) {
    return;
  }
  // Collected now, grouped in GetAssignments: by what the element is (its entity or a subtype, the
  // radiators' IfcSpaceHeater in IFC4) and the storey it is on, whatever its GUID.
  if (element->IsA("IfcFlowTerminal") && element->storey) {
    AddHeatEmitter(objectId, element->storey->globalId, element->storey->name);
  }
  if (element->entity == "IfcWall") {
    WallCommonProperties(*element, values);
  } else if (element->entity == "IfcSpaceHeater") {
    Append(values, Once<RadiatorProperties>());
  } else if (element->entity == "IfcPipeSegment") {
    Append(values, Once<PipeProperties>());
  }
}

void ExampleProvider::GetAttributes(const ObjectID& objectId, std::vector<Attribute>& values) {
  if (Is(objectId, SampleModel::ExteriorWall)) {
    Collect(Attribute::Create(Token, "Name", KT::UniString("Exterior wall W-01 (insulated)")), values, "Name");
    Collect(Attribute::Create(Token, "Description", KT::UniString("Load-bearing brick wall, insulated")), values,
            "Description");
    Collect(Attribute::Create(Token, "Tag", KT::UniString("W-01-A")), values, "Tag");
    // No attribute of a wall has this name: the exporter warns and skips it.
    Collect(Attribute::Create(Token, "FireRating", KT::UniString("REI 90")), values, "FireRating");
    // A second name: the first attribute of each name wins, so this one is dropped.
    Collect(Attribute::Create(Token, "Name", KT::UniString("Wall")), values, "Name");
  } else if (Is(objectId, SampleModel::Boiler)) {
    Collect(Attribute::Create(Token, "ObjectType", KT::UniString("Gas condensing boiler")), values, "ObjectType");
    Collect(Attribute::Create(Token, "Description", KT::UniString(u8"Wall-hung, 24 kW, \u00f6lfrei")), values,
            "Description");
    Collect(Attribute::Create(Token, "Tag", std::nullopt), values, "Tag");  // named, no value: unset
  } else if (Is(objectId, SampleModel::Radiator)) {
    Collect(Attribute::Create(Token, "Tag", std::nullopt), values, "Tag");
  } else if (Is(objectId, SampleModel::LivingRoom)) {
    Collect(Attribute::Create(Token, "LongName", KT::UniString("Living room 'South'")), values, "LongName");
  } else if (Is(objectId, SampleModel::GroundFloor)) {
    Collect(Attribute::Create(Token, "LongName", KT::UniString("Ground floor (level 0)")), values, "LongName");
    Collect(Attribute::Create(Token, "Description", KT::UniString("Entrance level")), values, "Description");
  }
  if (EntityOf(objectId) == "IfcSpaceHeater") {
    Collect(Attribute::Create(Token, "ObjectType", KT::UniString("Panel radiator type 22")), values, "ObjectType");
  }
}

void ExampleProvider::GetClassificationReferences(const ObjectID& objectId,
                                                  std::vector<ClassificationReference>& values) {
  if (Is(objectId, SampleModel::ExteriorWall)) {
    AddReference(values, "21.10", "External walls");
    AddReference(values, "21.10", "External walls");  // the same reference twice: kept once
  } else if (Is(objectId, SampleModel::FloorSlab)) {
    AddReference(values, "22.20", "Floors");
  } else if (Is(objectId, SampleModel::Boiler)) {
    AddReference(values, "61.10", "Heat generators");
  } else if (Is(objectId, SampleModel::Radiator)) {
    AddReference(values, "63.00", "Heating installations");
  }
  // Shared by every element of the entity: the file holds each reference once.
  const API::ElementInfo* element = LookUp(objectId);
  const std::string_view entity = element != nullptr ? std::string_view(element->entity) : std::string_view();
  if (entity == "IfcSpaceHeater") {
    static const std::vector<ClassificationReference> heatEmitters = References("63.20", "Heat emitters");
    Append(values, heatEmitters);
  } else if (entity == "IfcPipeSegment") {
    static const std::vector<ClassificationReference> pipework = References("62.10", "Pipework");
    Append(values, pipework);
  } else if (entity == "IfcSpace") {
    // Every space by where it is: the rooms of the cellar hold the building's services.
    const bool cellar = element->container && element->container->name == "Cellar";
    AddReference(values, cellar ? "13.40" : "13.10", cellar ? "Technical rooms" : "Habitable rooms");
  }
}

void ExampleProvider::GetAlternativeProperties(const ObjectID& objectId, std::vector<PropertyValue>& values) {
  if (Is(objectId, SampleModel::ExteriorWall)) {
    Single(values, "Example_TypeData", "TypeMark", Label("WT-3"));
    Single(values, "Example_TypeData", "Manufacturer", Label("Example Bricks Ltd"));
  }
}

void ExampleProvider::GetAlternativeAttributes(const ObjectID& objectId, std::vector<Attribute>& values) {
  if (Is(objectId, SampleModel::ExteriorWall)) {
    Collect(Attribute::Create(Token, "Name", KT::UniString("Wall type WT-3")), values, "Name");
  }
}

void ExampleProvider::GetAlternativeClassificationReferences(const ObjectID& objectId,
                                                             std::vector<ClassificationReference>& values) {
  if (Is(objectId, SampleModel::ExteriorWall)) {
    AddReference(values, "21", "Walls");
  }
}

void ExampleProvider::GetAssignments(std::vector<HookAssignments>& values) {
  HookAssignments assignments(Token);
  auto heating = assignments.CreateIfcGroup(HeatingSystemGuid, IPL::IFCType::IfcDistributionSystem,
                                            KT::UniString("Heating"), true);
  auto circuit = assignments.CreateIfcGroup(HeatingCircuitGuid, IPL::IFCType::IfcDistributionCircuit,
                                            KT::UniString("Heating circuit HC-1"), false);
  auto compartment = assignments.CreateIfcGroup(FireCompartmentGuid, IPL::IFCType::IfcGroup,
                                                KT::UniString("Fire compartment FC-1"), true);
  if (!heating.HasValue() || !circuit.HasValue() || !compartment.HasValue()) {
    std::fprintf(stderr, "example add-on: a group was refused\n");
    return;
  }
  const ObjectID radiators[] = {IdOf(SampleModel::Radiator), IdOf(SampleModel::Radiator2),
                                IdOf(SampleModel::Radiator3)};
  const ObjectID pipes[] = {IdOf(SampleModel::SupplyPipe), IdOf(SampleModel::ReturnPipe), IdOf(SampleModel::RiserPipe)};
  const TSAPI::Result<void, TSAPI::Error> results[] = {
      assignments.AssignObjects(heating.Unwrap(), {IdOf(SampleModel::Boiler), radiators[0], radiators[1], radiators[2],
                                                   pipes[0], pipes[1], pipes[2], circuit.Unwrap()}),
      assignments.ServiceBuildings(heating.Unwrap(), {IdOf(SampleModel::Building)}),
      assignments.AssignObjects(circuit.Unwrap(),
                                {radiators[0], radiators[1], radiators[2], pipes[0], pipes[1], pipes[2]}),
      assignments.ServiceBuildings(circuit.Unwrap(), {IdOf(SampleModel::Building)}),
      // The last member was demolished in the model but is still on the add-on's list: the exporter
      // warns about it instead of writing a reference to nothing.
      assignments.AssignObjects(
          compartment.Unwrap(),
          {IdOf(SampleModel::ExteriorWall), IdOf(SampleModel::InteriorWall), IdOf(SampleModel::FloorSlab),
           IdOf(SampleModel::LivingRoom), ObjectID(Token, KT::Guid("{E0000000-0000-4000-8000-0000000000FF}"))}),
  };
  for (const auto& result : results) {
    if (!result.HasValue()) {
      std::fprintf(stderr, "example add-on: an assignment was refused: %s\n", result.GetError().message.c_str());
    }
  }
  AddHeatEmitterGroups(assignments);
  values.push_back(std::move(assignments));
}

void ExampleProvider::AddHeatEmitter(const ObjectID& objectId, const std::string& storeyGlobalId,
                                     const std::string& storeyName) {
  for (StoreyMembers& storey : heatEmittersByStorey) {
    if (storey.storeyGlobalId == storeyGlobalId) {
      storey.members.push_back(objectId);
      return;
    }
  }
  heatEmittersByStorey.push_back(StoreyMembers{storeyGlobalId, storeyName, {objectId}});
}

// One group a storey. Its GUID is the storey's, so that the same storey gives the same group in every
// export (the library derives the group's own GlobalId from it). The members are forgotten then: the
// next export collects its own.
void ExampleProvider::AddHeatEmitterGroups(HookAssignments& assignments) {
  for (const StoreyMembers& storey : heatEmittersByStorey) {
    const std::optional<KT::Guid> guid = API::GuidFromGlobalId(storey.storeyGlobalId);
    if (!guid) {
      continue;  // a storey without a well-formed GlobalId cannot name a group
    }
    auto group = assignments.CreateIfcGroup(*guid, IPL::IFCType::IfcGroup,
                                            KT::UniString("Heat emitters, " + storey.storeyName), true);
    if (!group.HasValue()) {
      std::fprintf(stderr, "example add-on: a group was refused: %s\n", group.GetError().message.c_str());
      continue;
    }
    const auto assigned = assignments.AssignObjects(group.Unwrap(), storey.members);
    if (!assigned.HasValue()) {
      std::fprintf(stderr, "example add-on: an assignment was refused: %s\n", assigned.GetError().message.c_str());
    }
  }
  heatEmittersByStorey.clear();
}

}  // namespace ExampleAddOn
