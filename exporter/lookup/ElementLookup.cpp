#include "ElementLookup.h"

#include <utility>

#include "API/IfcGlobalId.h"
#include "APICore/StandInElementLookup.h"
#include "IfcGuid.h"
#include "Schema.h"
#include "StepText.h"
#include "StepValueText.h"

namespace Exporter {

// One instance's attribute tokens, found by name in its entity's table; "$" for a name the entity
// lacks or when its attribute list does not match the entity.
struct ElementLookup::Instance {
  Instance(const StepFile& file, std::uint32_t index) : entity(file.Instances()[index].entity) {
    valid = SplitStepList(file.Arguments(index), attributes) &&
            attributes.size() == SchemaIndex::Get().Entity(entity).attributeCount;
  }

  std::string_view Token(const char* name) const {
    const int attribute = SchemaIndex::Get().FindAttribute(entity, name);
    return valid && attribute >= 0 ? attributes[static_cast<std::size_t>(attribute)] : std::string_view("$");
  }

  std::optional<std::string> Text(const char* name) const { return StepValueText(Token(name)); }

  // The items of an aggregate attribute; none when it is unset.
  std::vector<std::string_view> Items(const char* name) const {
    std::vector<std::string_view> items;
    const auto list = StepListItems(Token(name));
    if (!list || !SplitStepList(*list, items)) {
      items.clear();
    }
    return items;
  }

  const char* EntityName() const { return SchemaIndex::Get().Entity(entity).name; }

  int entity;
  bool valid = false;
  std::vector<std::string_view> attributes;
};

namespace {

// Appends the typed value `token` to `property`: its text joined to the others by ", ", its type when
// the property has none yet.
void AppendValue(API::ElementProperty& property, std::string_view token, bool first) {
  const std::optional<TypedText> typed = SplitTypedValue(token);
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

void AppendValues(API::ElementProperty& property, const std::vector<std::string_view>& tokens) {
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    AppendValue(property, tokens[i], i == 0);
  }
}

}  // namespace

ElementLookup::ElementLookup(const StepFile& file) : file(file) {}

ElementLookup::~ElementLookup() = default;

ElementLookup::Result ElementLookup::LookUp(const API_Guid& token, const KT::Guid& guid) {
  const std::int32_t index = file.FindByGlobalId(FromKTGuid(guid));
  const bool isObject =
      index >= 0 && SchemaIndex::Get().IsSubtypeOf(file.Instances()[static_cast<std::size_t>(index)].entity,
                                                   SchemaIndex::Get().ifcObjectDefinition);
  Result answer =
      isObject
          ? Result(Describe(static_cast<std::uint32_t>(index)))
          : Result(TSAPI::Error{API::ErrorUnknownElement, "No element has the GUID " + guid.ToString() +
                                                              " (GlobalId '" + API::GlobalIdFromGuid(guid) + "')."},
                   token);
  if (listener) {
    listener(guid, answer);
  }
  return answer;
}

API::ElementInfo ElementLookup::Describe(std::uint32_t index) {
  if (!relations) {
    relations = std::make_unique<RelationIndex>(file);
  }
  const Instance element(file, index);
  const std::uint32_t number = file.Instances()[index].number;
  API::ElementInfo info;
  info.globalId = element.Text("GlobalId").value_or(std::string());
  info.entity = element.EntityName();
  info.predefinedType = element.Text("PredefinedType").value_or(std::string());
  info.name = element.Text("Name");
  info.description = element.Text("Description");
  info.objectType = element.Text("ObjectType");
  info.tag = element.Text("Tag");
  const std::uint32_t type = relations->TypeOf(number);
  info.type = Reference(type);
  info.container = Reference(Container(number));
  for (const std::uint32_t definition : relations->PropertySetsOf(number)) {
    AddProperties(definition, false, info.properties);
  }
  const std::int32_t typeIndex = type != 0 ? file.FindByNumber(type) : -1;
  if (typeIndex >= 0) {
    for (const std::string_view set : Instance(file, static_cast<std::uint32_t>(typeIndex)).Items("HasPropertySets")) {
      AddProperties(ParseStepReference(set), true, info.properties);
    }
  }
  return info;
}

std::optional<API::ElementReference> ElementLookup::Reference(std::uint32_t number) const {
  const std::int32_t index = number != 0 ? file.FindByNumber(number) : -1;
  if (index < 0) {
    return std::nullopt;
  }
  const Instance instance(file, static_cast<std::uint32_t>(index));
  return API::ElementReference{instance.EntityName(), instance.Text("Name").value_or(std::string()),
                               instance.Text("GlobalId").value_or(std::string())};
}

// The spatial structure that holds the object: its own container, else that of the whole it is part
// of, or the whole itself when that is a spatial element (a space's storey). 0 for none.
std::uint32_t ElementLookup::Container(std::uint32_t number) const {
  const SchemaIndex& schema = SchemaIndex::Get();
  for (int depth = 0; depth < 16 && number != 0; ++depth) {  // bounded: a malformed file may loop
    if (const std::uint32_t container = relations->ContainerOf(number)) {
      return container;
    }
    const std::uint32_t parent = relations->ParentOf(number);
    const std::int32_t index = parent != 0 ? file.FindByNumber(parent) : -1;
    if (index >= 0 &&
        schema.IsSubtypeOf(file.Instances()[static_cast<std::size_t>(index)].entity, schema.ifcSpatialElement)) {
      return parent;
    }
    number = parent;
  }
  return 0;
}

void ElementLookup::AddProperties(std::uint32_t definition, bool fromType,
                                  std::vector<API::ElementProperty>& out) const {
  const std::int32_t index = definition != 0 ? file.FindByNumber(definition) : -1;
  const SchemaIndex& schema = SchemaIndex::Get();
  if (index < 0 ||
      !schema.IsSubtypeOf(file.Instances()[static_cast<std::size_t>(index)].entity, schema.ifcPropertySet)) {
    return;
  }
  const Instance set(file, static_cast<std::uint32_t>(index));
  const std::string setName = set.Text("Name").value_or(std::string());
  for (const std::string_view property : set.Items("HasProperties")) {
    AddProperty(setName, ParseStepReference(property), fromType, out);
  }
}

void ElementLookup::AddProperty(const std::string& set, std::uint32_t number, bool fromType,
                                std::vector<API::ElementProperty>& out) const {
  const std::int32_t index = number != 0 ? file.FindByNumber(number) : -1;
  if (index < 0) {
    return;
  }
  const Instance instance(file, static_cast<std::uint32_t>(index));
  API::ElementProperty property;
  property.set = set;
  property.name = instance.Text("Name").value_or(std::string());
  property.kind = instance.EntityName();
  property.fromType = fromType;
  const std::string_view kind = property.kind;
  if (kind == "IfcPropertySingleValue") {
    AppendValue(property, instance.Token("NominalValue"), true);
  } else if (kind == "IfcPropertyEnumeratedValue") {
    AppendValues(property, instance.Items("EnumerationValues"));
  } else if (kind == "IfcPropertyListValue") {
    AppendValues(property, instance.Items("ListValues"));
  } else if (kind == "IfcPropertyBoundedValue") {
    AppendValues(property, {instance.Token("LowerBoundValue"), instance.Token("UpperBoundValue")});
  } else if (kind == "IfcPropertyTableValue") {
    const auto defining = instance.Items("DefiningValues");
    const auto defined = instance.Items("DefinedValues");
    for (std::size_t i = 0; i < defining.size() && i < defined.size(); ++i) {
      AppendValue(property, defining[i], i == 0);
      property.value += ": ";
      AppendValue(property, defined[i], true);
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
