#include "ModelIndex.h"

#include <algorithm>
#include <cctype>

namespace Ids {

ModelIndex::ModelIndex(const ModelView& model) : model(model) {
  for (const InstanceIndex relation : model.InstancesOf("IFCRELATIONSHIP", false))
    AddRelation(relation);
  // Resources (materials, profiles) take classification references through this relation.
  for (const InstanceIndex relation : model.InstancesOf("IFCEXTERNALREFERENCERELATIONSHIP", false))
    Link(classifications, relation, "RelatedResourceObjects", "RelatingReference");
  for (LinkTable* table : {&types, &propertySets, &classifications, &materials})
    table->Seal();
  for (LinkTable& table : wholes)
    table.Seal();
}

void LinkTable::Seal() {
  std::stable_sort(links.begin(), links.end(), [](const Link& a, const Link& b) { return a.first < b.first; });
  links.shrink_to_fit();
}

LinkTable::Targets LinkTable::Of(InstanceIndex from) const noexcept {
  if (from > UINT32_MAX)
    return Targets(nullptr, nullptr);  // NoInstance
  const auto range = std::equal_range(links.begin(), links.end(), Link(static_cast<std::uint32_t>(from), 0),
                                      [](const Link& a, const Link& b) { return a.first < b.first; });
  return Targets(links.data() + (range.first - links.begin()), links.data() + (range.second - links.begin()));
}

void ModelIndex::Link(LinkTable& table, InstanceIndex relation, std::string_view from, std::string_view to) {
  const InstanceIndex target = GetReference(relation, to);
  if (target == NoInstance)
    return;
  for (const InstanceIndex source : GetReferences(relation, from))
    table.Add(source, target);
}

void ModelIndex::AddRelation(InstanceIndex relation) {
  if (model.IsSubtypeOf(relation, "IFCRELDEFINESBYTYPE")) {
    const InstanceIndex type = GetReference(relation, "RelatingType");
    if (type != NoInstance) {
      for (const InstanceIndex object : GetReferences(relation, "RelatedObjects"))
        types.Add(object, type);
    }
  } else if (model.IsSubtypeOf(relation, "IFCRELDEFINESBYPROPERTIES")) {
    // IFC4 lets one relation carry a set of property sets.
    const std::vector<InstanceIndex> definitions = GetReferences(relation, "RelatingPropertyDefinition");
    for (const InstanceIndex object : GetReferences(relation, "RelatedObjects")) {
      for (const InstanceIndex definition : definitions)
        propertySets.Add(object, definition);
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

InstanceIndex ModelIndex::TypeOf(InstanceIndex object) const noexcept {
  const LinkTable::Targets found = types.Of(object);
  return found.empty() ? NoInstance : *found.begin();
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
  std::vector<InstanceIndex> result;
  if (instance != NoInstance)
    model.References(instance, attribute, result);
  return result;
}

std::string ModelIndex::GetText(InstanceIndex instance, std::string_view attribute) const {
  const ModelValue read = Get(instance, attribute);
  const ModelValue& value = read.Unwrapped();
  const bool textual = value.kind == ModelValue::Kind::String || value.kind == ModelValue::Kind::Enumeration;
  return textual ? value.text : std::string();
}

std::string ModelIndex::UpperEntity(InstanceIndex instance) const {
  return std::string(model.UpperEntityName(instance));
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
