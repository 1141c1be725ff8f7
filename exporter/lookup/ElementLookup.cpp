#include "exporter/lookup/ElementLookup.h"

#include <algorithm>
#include <utility>

#include "API/IfcGlobalId.h"
#include "APICore/StandInElementLookup.h"
#include "exporter/lookup/StepValueText.h"
#include "exporter/model/IfcGuid.h"
#include "ifc/step/Lexer.h"
#include "ifc/step/ValueParser.h"
#include "ifc/text/StepText.h"

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

const AttributeSlots& ElementLookup::Slots() const {
  if (!slots) {
    slots.emplace(model.GetSchema());
  }
  return *slots;
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
  const Ifc::EntityId entity = model.Entity(index);
  API::ElementInfo info;
  info.entity = model.GetSchema().Name(entity);
  info.entityAndSupertypes = EntityAndSupertypes(entity);
  if (!TakePlainAttributes(index, info)) {
    std::vector<Value> values = Attributes(index);  // parsed once for every attribute asked
    info.globalId = Take(entity, values, Field::GlobalId).value_or(std::string());
    info.predefinedType = Take(entity, values, Field::PredefinedType).value_or(std::string());
    info.name = Take(entity, values, Field::Name);
    info.description = Take(entity, values, Field::Description);
    info.objectType = Take(entity, values, Field::ObjectType);
    info.tag = Take(entity, values, Field::Tag);
  }
  info.type = Reference(relations.type);
  info.container = Reference(Container(index, relations));
  AddStoreyAndBuilding(relations, info);
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

// The names of an entity and its supertypes, from the entity up: the same for every element of it.
const std::vector<std::string>& ElementLookup::EntityAndSupertypes(Ifc::EntityId entity) const {
  const auto known = namesOf.find(entity.Index());
  if (known != namesOf.end()) {
    return known->second;
  }
  std::vector<std::string> names;
  for (Ifc::EntityId at = entity; at.Valid(); at = model.GetSchema().Supertype(at)) {
    names.emplace_back(model.GetSchema().Name(at));
  }
  return namesOf.emplace(entity.Index(), std::move(names)).first->second;
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

std::vector<Value> ElementLookup::Attributes(InstanceIndex index) const {
  const std::string_view arguments = model.Arguments(index);
  if (arguments.size() <= kMaxServedText) {
    return model.Attributes(index);
  }
  // A long one among them: each is parsed on its own, and those too long are left unset.
  std::vector<std::string_view> texts;
  std::vector<Value> values;
  if (!SplitStepList(arguments, texts)) {
    return values;
  }
  values.resize(texts.size());
  for (std::size_t slot = 0; slot < texts.size(); ++slot) {
    if (texts[slot].size() > kMaxServedText) {
      NoteLeftOut(index, slot, texts[slot].size());
      continue;
    }
    Ifc::Lexer lexer(texts[slot]);
    std::string error;
    if (!Ifc::ParseValue(lexer, lexer.Next(), values[slot], error)) {
      values[slot] = Value();
    }
  }
  return values;
}

void ElementLookup::NoteLeftOut(InstanceIndex index, std::size_t slot, std::size_t length) const {
  if (leftOut.count++ > 0) {
    return;
  }
  const auto& schema = model.GetSchema();
  const Ifc::EntityId entity = model.Entity(index);
  const Ifc::AttributeSlot attribute{static_cast<std::int16_t>(slot)};
  const std::string name = slot < schema.AttributeCount(entity) ? std::string(schema.Attribute(entity, attribute).name)
                                                                : "attribute " + std::to_string(slot + 1);
  leftOut.first = "#" + std::to_string(model.Number(index).Value()) + " (" + std::string(schema.Name(entity)) +
                  "): its " + name + " of " + std::to_string(length) + " bytes";
}

Value* ElementLookup::At(Ifc::EntityId entity, std::vector<Value>& values, Field field) const {
  const Ifc::AttributeSlot slot = Slots().Of(entity, field);
  return slot.Valid() && slot.Index() < values.size() ? &values[slot.Index()] : nullptr;
}

std::optional<std::string> ElementLookup::Take(Ifc::EntityId entity, std::vector<Value>& values, Field field) const {
  Value* value = At(entity, values, field);
  return value != nullptr ? TakeValueText(*value) : std::nullopt;
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
    const Ifc::EntityId entity = model.Entity(index);
    std::vector<Value> values = Attributes(index);
    reference = API::ElementReference{std::string(model.GetSchema().Name(entity)),
                                      Take(entity, values, Field::Name).value_or(std::string()),
                                      Take(entity, values, Field::GlobalId).value_or(std::string())};
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

void ElementLookup::AddStoreyAndBuilding(const Relations& relations, API::ElementInfo& info) const {
  const InstanceNumber above = relations.container.Valid() ? relations.container : relations.parent;
  if (!above.Valid()) {
    return;
  }
  // Elements share their container: what is above each container is found once.
  auto known = aboveOf.find(above.Value());
  if (known == aboveOf.end()) {
    known = aboveOf.emplace(above.Value(), StoreyAndBuildingAbove(above)).first;
  }
  info.storey = known->second.storey;
  info.building = known->second.building;
}

ElementLookup::Above ElementLookup::StoreyAndBuildingAbove(InstanceNumber above) const {
  const auto& schema = model.GetSchema();
  Above found;
  for (int depth = 0; depth < kMaxSpatialDepth && above.Valid(); ++depth) {  // bounded: a file may loop
    const InstanceIndex object = model.Find(above);
    if (!object.Valid()) {
      break;
    }
    const Ifc::EntityId entity = model.Entity(object);
    if (!found.storey && schema.IsSubtypeOf(entity, Known().buildingStorey)) {
      found.storey = Reference(above);
    }
    if (schema.IsSubtypeOf(entity, Known().building)) {
      found.building = Reference(above);
      break;
    }
    const Relations relations = RelationsOf(object);
    above = relations.container.Valid() ? relations.container : relations.parent;
  }
  return found;
}

void ElementLookup::AddProperties(InstanceNumber definition, bool fromType,
                                  std::vector<API::ElementProperty>& out) const {
  const InstanceIndex set = model.Find(definition);
  const auto& schema = model.GetSchema();
  if (!set.Valid() || !schema.IsSubtypeOf(model.Entity(set), Known().propertySet)) {
    return;
  }
  std::string setName;
  std::vector<InstanceNumber> properties;
  if (!ReadPlainSet(set, setName, properties)) {
    std::vector<Value> values = Attributes(set);
    const Ifc::EntityId entity = model.Entity(set);
    setName = Take(entity, values, Field::Name).value_or(std::string());
    if (const Value* hasProperties = At(entity, values, Field::HasProperties)) {
      ReferencesIn(*hasProperties, properties);
    }
  }
  for (const InstanceNumber property : properties) {
    AddProperty(setName, property, fromType, out);
  }
}

void ElementLookup::AddProperty(const std::string& set, InstanceNumber number, bool fromType,
                                std::vector<API::ElementProperty>& out) const {
  const InstanceIndex index = model.Find(number);
  if (!index.Valid() || AddPlainSingleValue(set, index, fromType, out)) {
    return;
  }
  const Ifc::EntityId entity = model.Entity(index);
  std::vector<Value> values = Attributes(index);
  const auto at = [&](Field field) { return At(entity, values, field); };
  API::ElementProperty property;
  property.set = set;
  property.name = Take(entity, values, Field::Name).value_or(std::string());
  property.kind = model.GetSchema().Name(entity);
  property.fromType = fromType;
  const std::string_view kind = property.kind;
  const auto& schema = model.GetSchema();
  if (kind == "IfcPropertySingleValue") {
    AppendValue(property, at(Field::NominalValue), true, schema);
  } else if (kind == "IfcPropertyEnumeratedValue") {
    AppendValues(property, at(Field::EnumerationValues), schema);
  } else if (kind == "IfcPropertyListValue") {
    AppendValues(property, at(Field::ListValues), schema);
  } else if (kind == "IfcPropertyBoundedValue") {
    AppendValue(property, at(Field::LowerBoundValue), true, schema);
    AppendValue(property, at(Field::UpperBoundValue), false, schema);
  } else if (kind == "IfcPropertyTableValue") {
    const Value* defining = at(Field::DefiningValues);
    const Value* defined = at(Field::DefinedValues);
    for (std::size_t i = 0;
         defining != nullptr && defined != nullptr && i < defining->items.size() && i < defined->items.size(); ++i) {
      AppendValue(property, &defining->items[i], i == 0, schema);
      property.value += ": ";
      AppendValue(property, &defined->items[i], true, schema);
    }
  }
  out.push_back(std::move(property));
}

// Where the attribute `field` of the instance begins in the file, to read it off the bytes; none when
// the entity has no such attribute or the instance is longer than the look-up serves (its attributes
// are parsed then, each measured).
std::optional<std::size_t> ElementLookup::ArgumentAt(InstanceIndex index, Field field) const {
  const Ifc::InstanceRecord& record = model.Record(index);
  const Ifc::AttributeSlot slot = Slots().Of(record.entity, field);
  std::size_t at = 0;
  if (!slot.Valid() || model.Arguments(index).size() > kMaxServedText ||
      Ifc::FindArgument(std::string_view(model.Data(), model.Size()), record.offset + record.argument,
                        static_cast<std::size_t>(slot.Index()), at) != Ifc::ArgumentSearch::Found) {
    return std::nullopt;
  }
  return at;
}

// The attribute `field` of the instance read off the file's bytes (ReadPlainTyped): plain and unset
// when the entity has no such attribute.
PlainTyped ElementLookup::ReadPlain(InstanceIndex index, Field field) const {
  if (!Slots().Of(model.Entity(index), field).Valid()) {
    return PlainTyped{true, std::nullopt};
  }
  const std::optional<std::size_t> at = ArgumentAt(index, field);
  return at ? ReadPlainTyped(std::string_view(model.Data(), model.Size()), *at, model.GetSchema()) : PlainTyped{};
}

// The element's own attributes read off the file's bytes when each is written plainly: false, with
// `info` unchanged, otherwise.
bool ElementLookup::TakePlainAttributes(InstanceIndex index, API::ElementInfo& info) const {
  constexpr Field kFields[] = {Field::GlobalId,    Field::PredefinedType, Field::Name,
                               Field::Description, Field::ObjectType,     Field::Tag};
  PlainTyped read[std::size(kFields)];
  for (std::size_t i = 0; i < std::size(kFields); ++i) {
    read[i] = ReadPlain(index, kFields[i]);
    if (!read[i].plain) {
      return false;
    }
  }
  const auto text = [&read](std::size_t i) {
    return read[i].typed ? std::optional<std::string>(std::move(read[i].typed->value)) : std::nullopt;
  };
  info.globalId = text(0).value_or(std::string());
  info.predefinedType = text(1).value_or(std::string());
  info.name = text(2);
  info.description = text(3);
  info.objectType = text(4);
  info.tag = text(5);
  return true;
}

// A property set's name and properties read off the file's bytes when both are written plainly (a
// plain name, a plain list of references); false, with nothing read, otherwise.
bool ElementLookup::ReadPlainSet(InstanceIndex set, std::string& name, std::vector<InstanceNumber>& properties) const {
  PlainTyped read = ReadPlain(set, Field::Name);
  const std::optional<std::size_t> at = read.plain ? ArgumentAt(set, Field::HasProperties) : std::nullopt;
  if (!at || !ReadPlainReferences(std::string_view(model.Data(), model.Size()), *at, properties)) {
    return false;
  }
  name = read.typed ? std::move(read.typed->value) : std::string();
  return true;
}

// Most properties are single values whose name and value are written plainly: read off the file's
// bytes, they give what parsing gives (ReadPlainTyped) without building the instance's values.
// False, with nothing added, for any other property.
bool ElementLookup::AddPlainSingleValue(const std::string& set, InstanceIndex index, bool fromType,
                                        std::vector<API::ElementProperty>& out) const {
  const Ifc::EntityId entity = model.Entity(index);
  const Ifc::Schema& schema = model.GetSchema();
  if (entity != schema.ifcPropertySingleValue) {
    return false;
  }
  PlainTyped name = ReadPlain(index, Field::Name);
  PlainTyped value = name.plain ? ReadPlain(index, Field::NominalValue) : PlainTyped{};
  if (!value.plain) {
    return false;
  }
  API::ElementProperty property;
  property.set = set;
  property.name = name.typed ? std::move(name.typed->value) : std::string();
  property.kind = schema.Name(entity);
  property.fromType = fromType;
  if (value.typed) {
    property.ifcType = std::move(value.typed->ifcType);
    property.value = std::move(value.typed->value);
  }
  out.push_back(std::move(property));
  return true;
}

ServedElementLookup::ServedElementLookup(ElementLookup& lookup) noexcept {
  APICore::StandIn::SetElementLookup(&lookup);
}

ServedElementLookup::~ServedElementLookup() {
  APICore::StandIn::SetElementLookup(nullptr);
}

}  // namespace Exporter
