#include "exporter/lookup/ElementLookup.h"

#include <algorithm>
#include <utility>

#include "API/IfcGlobalId.h"
#include "APICore/StandInElementLookup.h"
#include "exporter/lookup/StepValueText.h"
#include "exporter/model/IfcGuid.h"

namespace Exporter {

using Ifc::InstanceIndex;
using Ifc::InstanceNumber;
using Ifc::Value;

namespace {

// How many levels of containment and aggregation a look-up climbs at most.
constexpr int kMaxSpatialDepth = 32;

// Appends a typed value to `property`: its text joined to the others by ", ", its type when the
// property has none yet.
void AppendValue(API::ElementProperty& property, const Value* value, bool first, const Ifc::Schema& schema) {
  const std::optional<TypedText> typed = value != nullptr ? SplitTyped(*value, schema) : std::nullopt;
  if (!first) {
    property.value += ", ";
  }
  if (typed) {
    property.value += typed->value;
    if (property.ifcType.empty()) {
      property.ifcType = typed->ifcType;
    }
  }
}

void AppendValues(API::ElementProperty& property, const Value* list, const Ifc::Schema& schema) {
  if (list != nullptr && list->kind == Value::Kind::List) {
    for (std::size_t i = 0; i < list->items.size(); ++i) {
      AppendValue(property, &list->items[i], i == 0, schema);
    }
  }
}

}  // namespace

// What the relations that refer to an object say about it: its type object, its spatial container,
// the whole it is part of (the first of each) and its property set definitions.
struct ElementLookup::Relations {
  InstanceNumber type;
  InstanceNumber container;
  InstanceNumber parent;
  std::vector<InstanceNumber> definitions;
};

ElementLookup::ElementLookup(const Ifc::Model& model) : model(model) {}

const ElementLookup::Entities& ElementLookup::Known() const {
  if (!entities) {
    const auto& schema = model.GetSchema();
    entities = Entities{schema.FindEntity("IfcObjectDefinition"), schema.FindEntity("IfcSpatialStructureElement"),
                        schema.FindEntity("IfcPropertySet"), schema.FindEntity("IfcBuildingStorey"),
                        schema.FindEntity("IfcBuilding")};
  }
  return *entities;
}

ElementLookup::~ElementLookup() = default;

ElementLookup::Result ElementLookup::LookUp(const API_Guid& token, const KT::Guid& guid) {
  const InstanceIndex index = model.FindByGlobalId(FromKTGuid(guid));
  const auto& schema = model.GetSchema();
  const bool isObject = index.Valid() && schema.IsSubtypeOf(model.Entity(index), Known().objectDefinition);
  Result answer =
      isObject
          ? Result(Describe(index))
          : Result(TSAPI::Error{API::ErrorUnknownElement, "No element has the GUID " + guid.ToString() +
                                                              " (GlobalId '" + API::GlobalIdFromGuid(guid) + "')."},
                   token);
  if (listener) {
    listener(guid, answer);
  }
  return answer;
}

API::ElementInfo ElementLookup::Describe(InstanceIndex index) const {
  const Relations relations = RelationsOf(index);
  const std::vector<Value> values = model.Attributes(index);  // parsed once for every attribute asked
  API::ElementInfo info;
  info.globalId = Text(index, values, "GlobalId").value_or(std::string());
  info.entity = model.GetSchema().Name(model.Entity(index));
  for (Ifc::EntityId entity = model.Entity(index); entity.Valid(); entity = model.GetSchema().Supertype(entity)) {
    info.entityAndSupertypes.emplace_back(model.GetSchema().Name(entity));
  }
  info.predefinedType = Text(index, values, "PredefinedType").value_or(std::string());
  info.name = Text(index, values, "Name");
  info.description = Text(index, values, "Description");
  info.objectType = Text(index, values, "ObjectType");
  info.tag = Text(index, values, "Tag");
  info.type = Reference(relations.type);
  info.container = Reference(Container(index, relations));
  AddStoreyAndBuilding(index, relations, info);
  for (const InstanceNumber definition : relations.definitions) {
    AddProperties(definition, false, info.properties);
  }
  const InstanceIndex type = relations.type.Valid() ? model.Find(relations.type) : InstanceIndex();
  if (type.Valid()) {
    const std::vector<API::ElementProperty>& fromType = TypeProperties(type);
    info.properties.insert(info.properties.end(), fromType.begin(), fromType.end());
  }
  return info;
}

// A type object is shared by many elements: its sets are read for the first of them only.
const std::vector<API::ElementProperty>& ElementLookup::TypeProperties(InstanceIndex type) const {
  const auto cached = typePropertiesOf.find(type.Value());
  if (cached != typePropertiesOf.end()) {
    return cached->second;
  }
  std::vector<InstanceNumber> sets;
  if (const std::optional<Value> hasPropertySets = model.Attribute(type, "HasPropertySets")) {
    ReferencesIn(*hasPropertySets, sets);
  }
  std::vector<API::ElementProperty> properties;
  for (const InstanceNumber set : sets) {
    AddProperties(set, true, properties);
  }
  return typePropertiesOf.emplace(type.Value(), std::move(properties)).first->second;
}

ElementLookup::Relations ElementLookup::RelationsOf(InstanceIndex object) const {
  if (!links) {
    links = std::make_unique<RelationLinks>(model);
  }
  Relations relations;
  InstanceNumber* const single[] = {&relations.type, &relations.container, &relations.parent};
  for (const RelationLinks::Link& link : links->Of(object)) {
    if (link.kind == RelationLinks::Kind::Properties) {
      relations.definitions.insert(relations.definitions.end(), link.relating, link.relating + link.relatingCount);
    } else if (InstanceNumber& first = *single[static_cast<std::size_t>(link.kind)]; !first.Valid()) {
      first = link.relating[0];
    }
  }
  return relations;
}

std::optional<std::string> ElementLookup::Text(InstanceIndex index, std::string_view attribute) const {
  const std::optional<Value> value = model.Attribute(index, attribute);
  return value ? ValueText(*value) : std::nullopt;
}

const Value* ElementLookup::At(InstanceIndex index, const std::vector<Value>& values,
                               std::string_view attribute) const {
  const Ifc::AttributeSlot slot = model.GetSchema().FindAttribute(model.Entity(index), attribute);
  return slot.Valid() && slot.Index() < values.size() ? &values[slot.Index()] : nullptr;
}

std::optional<std::string> ElementLookup::Text(InstanceIndex index, const std::vector<Value>& values,
                                               std::string_view attribute) const {
  const Value* value = At(index, values, attribute);
  return value != nullptr ? ValueText(*value) : std::nullopt;
}

// Types and containers are each referred to by many elements: each is read once.
std::optional<API::ElementReference> ElementLookup::Reference(InstanceNumber number) const {
  const auto cached = referenceOf.find(number.Value());
  if (cached != referenceOf.end()) {
    return cached->second;
  }
  const InstanceIndex index = number.Valid() ? model.Find(number) : InstanceIndex();
  std::optional<API::ElementReference> reference;
  if (index.Valid()) {
    reference = API::ElementReference{std::string(model.GetSchema().Name(model.Entity(index))),
                                      Text(index, "Name").value_or(std::string()),
                                      Text(index, "GlobalId").value_or(std::string())};
  }
  return referenceOf.emplace(number.Value(), std::move(reference)).first->second;
}

// The spatial structure that holds the object: its own container, else that of the whole it is part
// of, or the whole itself when that is a spatial element (a space's storey). None when there is none.
InstanceNumber ElementLookup::Container(InstanceIndex object, Relations relations) const {
  const auto& schema = model.GetSchema();
  const auto spatial = Known().spatialStructureElement;
  for (int depth = 0; depth < kMaxSpatialDepth; ++depth) {  // bounded: a malformed file may loop
    if (relations.container.Valid()) {
      return relations.container;
    }
    const InstanceIndex parent = relations.parent.Valid() ? model.Find(relations.parent) : InstanceIndex();
    if (parent.Valid() && schema.IsSubtypeOf(model.Entity(parent), spatial)) {
      return relations.parent;
    }
    if (!parent.Valid()) {
      break;
    }
    object = parent;
    relations = RelationsOf(object);
  }
  return InstanceNumber();
}

void ElementLookup::AddStoreyAndBuilding(InstanceIndex object, Relations relations, API::ElementInfo& info) const {
  const auto& schema = model.GetSchema();
  for (int depth = 0; depth < kMaxSpatialDepth; ++depth) {  // bounded: a malformed file may loop
    const InstanceNumber above = relations.container.Valid() ? relations.container : relations.parent;
    object = above.Valid() ? model.Find(above) : InstanceIndex();
    if (!object.Valid()) {
      return;
    }
    const Ifc::EntityId entity = model.Entity(object);
    if (!info.storey && schema.IsSubtypeOf(entity, Known().buildingStorey)) {
      info.storey = Reference(above);
    }
    if (schema.IsSubtypeOf(entity, Known().building)) {
      info.building = Reference(above);
      return;
    }
    relations = RelationsOf(object);
  }
}

void ElementLookup::AddProperties(InstanceNumber definition, bool fromType,
                                  std::vector<API::ElementProperty>& out) const {
  const InstanceIndex set = model.Find(definition);
  const auto& schema = model.GetSchema();
  if (!set.Valid() || !schema.IsSubtypeOf(model.Entity(set), Known().propertySet)) {
    return;
  }
  const std::vector<Value> values = model.Attributes(set);
  const std::string setName = Text(set, values, "Name").value_or(std::string());
  std::vector<InstanceNumber> properties;
  if (const Value* hasProperties = At(set, values, "HasProperties")) {
    ReferencesIn(*hasProperties, properties);
  }
  for (const InstanceNumber property : properties) {
    AddProperty(setName, property, fromType, out);
  }
}

void ElementLookup::AddProperty(const std::string& set, InstanceNumber number, bool fromType,
                                std::vector<API::ElementProperty>& out) const {
  const InstanceIndex index = model.Find(number);
  if (!index.Valid()) {
    return;
  }
  const std::vector<Value> values = model.Attributes(index);
  const auto at = [&](std::string_view attribute) { return At(index, values, attribute); };
  API::ElementProperty property;
  property.set = set;
  property.name = Text(index, values, "Name").value_or(std::string());
  property.kind = model.GetSchema().Name(model.Entity(index));
  property.fromType = fromType;
  const std::string_view kind = property.kind;
  const auto& schema = model.GetSchema();
  if (kind == "IfcPropertySingleValue") {
    AppendValue(property, at("NominalValue"), true, schema);
  } else if (kind == "IfcPropertyEnumeratedValue") {
    AppendValues(property, at("EnumerationValues"), schema);
  } else if (kind == "IfcPropertyListValue") {
    AppendValues(property, at("ListValues"), schema);
  } else if (kind == "IfcPropertyBoundedValue") {
    AppendValue(property, at("LowerBoundValue"), true, schema);
    AppendValue(property, at("UpperBoundValue"), false, schema);
  } else if (kind == "IfcPropertyTableValue") {
    const Value* defining = at("DefiningValues");
    const Value* defined = at("DefinedValues");
    for (std::size_t i = 0;
         defining != nullptr && defined != nullptr && i < defining->items.size() && i < defined->items.size(); ++i) {
      AppendValue(property, &defining->items[i], i == 0, schema);
      property.value += ": ";
      AppendValue(property, &defined->items[i], true, schema);
    }
  }
  out.push_back(std::move(property));
}

ServedElementLookup::ServedElementLookup(ElementLookup& lookup) noexcept {
  APICore::StandIn::SetElementLookup(&lookup);
}

ServedElementLookup::~ServedElementLookup() {
  APICore::StandIn::SetElementLookup(nullptr);
}

}  // namespace Exporter
