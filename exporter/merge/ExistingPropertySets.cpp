#include "exporter/merge/ExistingPropertySets.h"

#include <algorithm>
#include <unordered_map>

#include "ifc/text/StepText.h"

namespace Exporter {

namespace {

// How many sets' names are kept: an element's sets are asked about in a row, once for each set
// contributed to it.
constexpr std::size_t kRememberedNames = 16;

}  // namespace

ExistingPropertySets::ExistingPropertySets(const MergeContext& context)
    : context(context),
      related(context.schema.FindAttribute(context.schema.ifcRelDefinesByProperties, "RelatedObjects")),
      relating(context.schema.FindAttribute(context.schema.ifcRelDefinesByProperties, "RelatingPropertyDefinition")),
      setName(context.schema.FindAttribute(context.schema.ifcPropertySet, "Name")),
      setDescription(context.schema.FindAttribute(context.schema.ifcPropertySet, "Description")),
      setProperties(context.schema.FindAttribute(context.schema.ifcPropertySet, "HasProperties")) {}

void ExistingPropertySets::IndexRelation(InstanceIndex relation) {
  InstanceAttributes attributes(context.Model());
  if (!attributes.Read(relation)) {
    return;
  }
  const InstanceIndex set = context.Model().Find(InstanceNumber(ParseStepReference(attributes[relating])));
  if (!set.Valid() || context.Model().Entity(set) != context.schema.ifcPropertySet) {
    return;
  }
  for (const InstanceNumber element : attributes.References(related)) {
    if (element.Valid()) {
      sets.push_back(Set{element, set, relation, 0});
    }
  }
}

void ExistingPropertySets::Index() {
  indexed = true;
  for (const InstanceIndex relation : context.Model().InstancesOf(context.schema.ifcRelDefinesByProperties)) {
    IndexRelation(relation);
  }
  // How many elements share each set, over all its relations.
  std::unordered_map<std::uint32_t, std::uint32_t> sharers;  // by set index
  for (const Set& entry : sets) {
    ++sharers[entry.set.Value()];
  }
  for (Set& entry : sets) {
    entry.sharers = sharers[entry.set.Value()];
  }
  std::stable_sort(sets.begin(), sets.end(), [](const Set& a, const Set& b) { return a.element < b.element; });
}

std::optional<ExistingPropertySets::Set> ExistingPropertySets::Find(InstanceNumber element,
                                                                    const std::u16string& name) {
  if (!indexed) {
    Index();
  }
  auto it = std::lower_bound(sets.begin(), sets.end(), element,
                             [](const Set& a, InstanceNumber number) { return a.element < number; });
  for (; it != sets.end() && it->element == element; ++it) {
    if (const std::optional<std::u16string>& own = NameOf(it->set); own && *own == name) {
      return *it;
    }
  }
  return std::nullopt;
}

const std::optional<std::u16string>& ExistingPropertySets::NameOf(InstanceIndex set) {
  for (const auto& [known, name] : lastNames) {
    if (known == set) {
      return name;
    }
  }
  if (lastNames.size() >= kRememberedNames) {
    lastNames.clear();
  }
  InstanceAttributes attributes(context.Model());
  std::optional<std::u16string> name;
  if (attributes.Read(set)) {
    name = DecodeStepString(attributes[setName]);
  }
  return lastNames.emplace_back(set, std::move(name)).second;
}

std::vector<InstanceIndex> ExistingPropertySets::RelationsOf(InstanceIndex set) {
  if (!indexed) {
    Index();
  }
  std::vector<InstanceIndex> relations;
  for (const Set& entry : sets) {
    if (entry.set == set && std::find(relations.begin(), relations.end(), entry.relation) == relations.end()) {
      relations.push_back(entry.relation);
    }
  }
  return relations;
}

ExistingPropertySets::Content ExistingPropertySets::Read(InstanceIndex set) const {
  Content content{"$", {}, {}};
  InstanceAttributes attributes(context.Model());
  if (!attributes.Read(set)) {
    return content;
  }
  content.description = std::string(attributes[setDescription]);
  content.properties = attributes.References(setProperties);
  InstanceAttributes property(context.Model());
  for (const InstanceNumber number : content.properties) {
    const InstanceIndex index = context.Model().Find(number);
    if (!index.Valid() || !property.Read(index)) {
      continue;
    }
    const Ifc::AttributeSlot name = context.schema.FindAttribute(context.Model().Entity(index), "Name");
    if (name.Valid()) {
      content.names.push_back(DecodeStepString(property[name]).value_or(std::u16string()));
    }
  }
  return content;
}

}  // namespace Exporter
