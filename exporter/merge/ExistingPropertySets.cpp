#include "ExistingPropertySets.h"

#include <algorithm>
#include <unordered_map>

#include "StepText.h"

namespace Exporter {

ExistingPropertySets::ExistingPropertySets(const MergeContext& context)
    : context(context),
      related(context.schema.FindAttribute(context.schema.ifcRelDefinesByProperties, "RelatedObjects")),
      relating(context.schema.FindAttribute(context.schema.ifcRelDefinesByProperties, "RelatingPropertyDefinition")),
      setName(context.schema.FindAttribute(context.schema.ifcPropertySet, "Name")),
      setDescription(context.schema.FindAttribute(context.schema.ifcPropertySet, "Description")),
      setProperties(context.schema.FindAttribute(context.schema.ifcPropertySet, "HasProperties")) {}

void ExistingPropertySets::IndexRelation(std::uint32_t relation) {
  InstanceAttributes attributes(context.file);
  if (!attributes.Read(relation)) {
    return;
  }
  const std::int32_t set = context.file.FindByNumber(ParseStepReference(attributes[relating]));
  if (set < 0 || context.file.Instances()[static_cast<std::size_t>(set)].entity != context.schema.ifcPropertySet) {
    return;
  }
  for (const std::uint32_t element : attributes.References(related)) {
    if (element != 0) {
      sets.push_back(Set{element, static_cast<std::uint32_t>(set), relation, 0});
    }
  }
}

void ExistingPropertySets::Index() {
  indexed = true;
  const auto& instances = context.file.Instances();
  for (std::uint32_t i = 0; i < instances.size(); ++i) {
    if (instances[i].entity == context.schema.ifcRelDefinesByProperties) {
      IndexRelation(i);
    }
  }
  // How many elements share each set, over all its relations.
  std::unordered_map<std::uint32_t, std::uint32_t> sharers;
  for (const Set& entry : sets) {
    ++sharers[entry.set];
  }
  for (Set& entry : sets) {
    entry.sharers = sharers[entry.set];
  }
  std::stable_sort(sets.begin(), sets.end(), [](const Set& a, const Set& b) { return a.element < b.element; });
}

std::optional<ExistingPropertySets::Set> ExistingPropertySets::Find(std::uint32_t element, const std::u16string& name) {
  if (!indexed) {
    Index();
  }
  auto it = std::lower_bound(sets.begin(), sets.end(), element,
                             [](const Set& a, std::uint32_t number) { return a.element < number; });
  InstanceAttributes attributes(context.file);
  for (; it != sets.end() && it->element == element; ++it) {
    if (attributes.Read(it->set) && DecodeStepString(attributes[setName]) == name) {
      return *it;
    }
  }
  return std::nullopt;
}

std::vector<std::uint32_t> ExistingPropertySets::RelationsOf(std::uint32_t set) {
  if (!indexed) {
    Index();
  }
  std::vector<std::uint32_t> relations;
  for (const Set& entry : sets) {
    if (entry.set == set && std::find(relations.begin(), relations.end(), entry.relation) == relations.end()) {
      relations.push_back(entry.relation);
    }
  }
  return relations;
}

ExistingPropertySets::Content ExistingPropertySets::Read(std::uint32_t set) const {
  Content content{"$", {}, {}};
  InstanceAttributes attributes(context.file);
  if (!attributes.Read(set)) {
    return content;
  }
  content.description = std::string(attributes[setDescription]);
  content.properties = attributes.References(setProperties);
  InstanceAttributes property(context.file);
  for (const std::uint32_t number : content.properties) {
    const std::int32_t index = context.file.FindByNumber(number);
    if (index < 0 || !property.Read(static_cast<std::uint32_t>(index))) {
      continue;
    }
    const IfcReader::EntityId entity = context.file.Instances()[static_cast<std::size_t>(index)].entity;
    const IfcReader::AttributeSlot name = context.schema.FindAttribute(entity, "Name");
    if (name.Valid()) {
      content.names.push_back(DecodeStepString(property[name]).value_or(std::u16string()));
    }
  }
  return content;
}

}  // namespace Exporter
