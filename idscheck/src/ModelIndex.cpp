#include "ModelIndex.h"

#include <cctype>

namespace Ids {

ModelIndex::ModelIndex(const ModelView& model) : model(model) {
  for (InstanceIndex instance = 0; instance < model.InstanceCount(); ++instance) {
    if (model.IsSubtypeOf(instance, "IFCRELATIONSHIP"))
      AddRelation(instance);
    // Resources (materials, profiles) take classification references through this relation.
    else if (model.IsSubtypeOf(instance, "IFCEXTERNALREFERENCERELATIONSHIP"))
      Link(classifications, instance, "RelatedResourceObjects", "RelatingReference");
  }
}

void ModelIndex::Link(Map& map, InstanceIndex relation, std::string_view from, std::string_view to) {
  const InstanceIndex target = GetReference(relation, to);
  if (target == NoInstance)
    return;
  for (const InstanceIndex source : GetReferences(relation, from))
    map[source].push_back(target);
}

void ModelIndex::AddRelation(InstanceIndex relation) {
  if (model.IsSubtypeOf(relation, "IFCRELDEFINESBYTYPE")) {
    const InstanceIndex type = GetReference(relation, "RelatingType");
    for (const InstanceIndex object : GetReferences(relation, "RelatedObjects"))
      types[object] = type;
  } else if (model.IsSubtypeOf(relation, "IFCRELDEFINESBYPROPERTIES")) {
    // IFC4 lets one relation carry a set of property sets.
    const std::vector<InstanceIndex> definitions = GetReferences(relation, "RelatingPropertyDefinition");
    for (const InstanceIndex object : GetReferences(relation, "RelatedObjects")) {
      for (const InstanceIndex definition : definitions)
        propertySets[object].push_back(definition);
    }
  } else if (model.IsSubtypeOf(relation, "IFCRELASSOCIATESCLASSIFICATION")) {
    Link(classifications, relation, "RelatedObjects", "RelatingClassification");
  } else if (model.IsSubtypeOf(relation, "IFCRELASSOCIATESMATERIAL")) {
    Link(materials, relation, "RelatedObjects", "RelatingMaterial");
  } else if (model.IsSubtypeOf(relation, "IFCRELAGGREGATES")) {
    Link(wholes[static_cast<int>(PartOfRelation::Aggregates)], relation, "RelatedObjects", "RelatingObject");
  } else if (model.IsSubtypeOf(relation, "IFCRELNESTS")) {
    Link(wholes[static_cast<int>(PartOfRelation::Nests)], relation, "RelatedObjects", "RelatingObject");
  } else if (model.IsSubtypeOf(relation, "IFCRELCONTAINEDINSPATIALSTRUCTURE")) {
    Link(wholes[static_cast<int>(PartOfRelation::Contained)], relation, "RelatedElements", "RelatingStructure");
  } else if (model.IsSubtypeOf(relation, "IFCRELASSIGNSTOGROUP")) {
    Link(wholes[static_cast<int>(PartOfRelation::Group)], relation, "RelatedObjects", "RelatingGroup");
  } else if (model.IsSubtypeOf(relation, "IFCRELVOIDSELEMENT")) {
    Link(wholes[static_cast<int>(PartOfRelation::VoidsOrFills)], relation, "RelatedOpeningElement",
         "RelatingBuildingElement");
  } else if (model.IsSubtypeOf(relation, "IFCRELFILLSELEMENT")) {
    Link(wholes[static_cast<int>(PartOfRelation::VoidsOrFills)], relation, "RelatedBuildingElement",
         "RelatingOpeningElement");
  }
}

const std::vector<InstanceIndex>& ModelIndex::Find(const Map& map, InstanceIndex key) noexcept {
  static const std::vector<InstanceIndex> none;
  const auto found = map.find(key);
  return found == map.end() ? none : found->second;
}

InstanceIndex ModelIndex::TypeOf(InstanceIndex object) const noexcept {
  const auto found = types.find(object);
  return found == types.end() ? NoInstance : found->second;
}

const std::vector<InstanceIndex>& ModelIndex::PropertySetsOf(InstanceIndex object) const noexcept {
  return Find(propertySets, object);
}
const std::vector<InstanceIndex>& ModelIndex::ClassificationsOf(InstanceIndex object) const noexcept {
  return Find(classifications, object);
}
const std::vector<InstanceIndex>& ModelIndex::MaterialsOf(InstanceIndex object) const noexcept {
  return Find(materials, object);
}
const std::vector<InstanceIndex>& ModelIndex::WholesOf(InstanceIndex part, PartOfRelation relation) const noexcept {
  return Find(wholes[static_cast<int>(relation)], part);
}

ModelValue ModelIndex::Get(InstanceIndex instance, std::string_view attribute) const {
  ModelValue value;
  if (instance == NoInstance || !model.Attribute(instance, attribute, value))
    return ModelValue::Null();
  return value;
}

InstanceIndex ModelIndex::Resolve(const ModelValue& reference) const noexcept {
  return reference.kind == ModelValue::Kind::Reference ? model.FindByNumber(reference.reference) : NoInstance;
}

InstanceIndex ModelIndex::GetReference(InstanceIndex instance, std::string_view attribute) const {
  return Resolve(Get(instance, attribute));
}

std::vector<InstanceIndex> ModelIndex::GetReferences(InstanceIndex instance, std::string_view attribute) const {
  const ModelValue value = Get(instance, attribute);
  std::vector<InstanceIndex> result;
  if (value.kind == ModelValue::Kind::Reference) {
    const InstanceIndex target = Resolve(value);
    if (target != NoInstance)
      result.push_back(target);
  }
  for (const ModelValue& item : value.kind == ModelValue::Kind::List ? value.items : std::vector<ModelValue>()) {
    const InstanceIndex target = Resolve(item);
    if (target != NoInstance)
      result.push_back(target);
  }
  return result;
}

std::string ModelIndex::GetText(InstanceIndex instance, std::string_view attribute) const {
  const ModelValue& value = Get(instance, attribute).Unwrapped();
  const bool textual = value.kind == ModelValue::Kind::String || value.kind == ModelValue::Kind::Enumeration;
  return textual ? value.text : std::string();
}

std::string ModelIndex::UpperEntity(InstanceIndex instance) const {
  std::string name(model.EntityName(instance));
  for (char& c : name)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

namespace {

// The user's name for a USERDEFINED predefined type: ObjectType on occurrences, ElementType or
// ProcessType on type objects.
std::string UserDefinedName(const ModelIndex& index, InstanceIndex instance) {
  for (const char* attribute : {"ObjectType", "ElementType", "ProcessType"}) {
    const std::string name = index.GetText(instance, attribute);
    if (!name.empty())
      return name;
  }
  return {};
}

void AddPredefined(const ModelIndex& index, InstanceIndex instance, const std::string& predefined,
                   std::vector<std::string>& out) {
  out.push_back(predefined);
  if (predefined == "USERDEFINED") {
    const std::string name = UserDefinedName(index, instance);
    if (!name.empty())
      out.push_back(name);
  }
}

}  // namespace

std::vector<std::string> ModelIndex::PredefinedTypes(InstanceIndex instance) const {
  std::vector<std::string> result;
  const InstanceIndex type = TypeOf(instance);
  const std::string typePredefined = type != NoInstance ? GetText(type, "PredefinedType") : std::string();
  if (!typePredefined.empty() && typePredefined != "NOTDEFINED") {
    AddPredefined(*this, type, typePredefined, result);
    return result;
  }
  const std::string own = GetText(instance, "PredefinedType");
  if (!own.empty())
    AddPredefined(*this, instance, own, result);
  return result;
}

}  // namespace Ids
