#include "RelationIndex.h"

#include <string_view>

#include "Schema.h"
#include "StepText.h"

namespace Exporter {

namespace {

// The instance numbers of a reference or of an aggregate of references, typed or not (IFC4 writes a
// set of property sets as IFCPROPERTYSETDEFINITIONSET((#1,#2))).
void ReferencesIn(std::string_view token, std::vector<std::uint32_t>& out) {
  if (const std::uint32_t number = ParseStepReference(token)) {
    out.push_back(number);
    return;
  }
  const std::size_t open = token.find('(');
  if (open != std::string_view::npos && open > 0 && token.back() == ')') {
    token = token.substr(open + 1, token.size() - open - 2);
  }
  std::vector<std::string_view> items;
  const auto list = StepListItems(token);
  if (list && SplitStepList(*list, items)) {
    for (const std::string_view item : items) {
      if (const std::uint32_t number = ParseStepReference(item)) {
        out.push_back(number);
      }
    }
  }
}

}  // namespace

RelationIndex::RelationIndex(const StepFile& file) : file(file) {
  const SchemaIndex& schema = SchemaIndex::Get();
  const int byType = schema.FindEntity("IFCRELDEFINESBYTYPE");
  const int contained = schema.FindEntity("IFCRELCONTAINEDINSPATIALSTRUCTURE");
  const int aggregates = schema.FindEntity("IFCRELAGGREGATES");
  const int byProperties = schema.FindEntity("IFCRELDEFINESBYPROPERTIES");
  const auto& instances = file.Instances();
  for (std::size_t i = 0; i < instances.size(); ++i) {
    const int entity = instances[i].entity;
    const auto index = static_cast<std::uint32_t>(i);
    if (entity == byType) {
      Relate(index, "RelatedObjects", "RelatingType", &types);
    } else if (entity == contained) {
      Relate(index, "RelatedElements", "RelatingStructure", &containers);
    } else if (entity == aggregates) {
      Relate(index, "RelatedObjects", "RelatingObject", &parents);
    } else if (entity == byProperties) {
      Relate(index, "RelatedObjects", "RelatingPropertyDefinition", nullptr);
    }
  }
}

// Records the relation at `index` for each of its related objects: in `single` the one relating
// object, or (when `single` is null) every relating definition in `propertySets`. A relation whose
// attributes do not read is left out.
void RelationIndex::Relate(std::uint32_t index, const char* relatedName, const char* relatingName,
                           std::unordered_map<std::uint32_t, std::uint32_t>* single) {
  const SchemaIndex& schema = SchemaIndex::Get();
  const int entity = file.Instances()[index].entity;
  const int related = schema.FindAttribute(entity, relatedName);
  const int relating = schema.FindAttribute(entity, relatingName);
  std::vector<std::string_view> attributes;
  if (related < 0 || relating < 0 || !SplitStepList(file.Arguments(index), attributes) ||
      attributes.size() != schema.Entity(entity).attributeCount) {
    return;
  }
  std::vector<std::uint32_t> objects;
  std::vector<std::uint32_t> relatings;
  ReferencesIn(attributes[static_cast<std::size_t>(related)], objects);
  ReferencesIn(attributes[static_cast<std::size_t>(relating)], relatings);
  if (relatings.empty()) {
    return;
  }
  for (const std::uint32_t object : objects) {
    if (single != nullptr) {
      single->emplace(object, relatings.front());  // the first relation wins
    } else {
      auto& sets = propertySets[object];
      sets.insert(sets.end(), relatings.begin(), relatings.end());
    }
  }
}

const std::vector<std::uint32_t>& RelationIndex::PropertySetsOf(std::uint32_t object) const noexcept {
  static const std::vector<std::uint32_t> none;
  const auto found = propertySets.find(object);
  return found == propertySets.end() ? none : found->second;
}

std::uint32_t RelationIndex::Find(const std::unordered_map<std::uint32_t, std::uint32_t>& map,
                                  std::uint32_t object) noexcept {
  const auto found = map.find(object);
  return found == map.end() ? 0 : found->second;
}

}  // namespace Exporter
