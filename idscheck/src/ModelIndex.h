// The relations of an IFC model that the facets follow, gathered in one pass over its relationship
// instances: type objects, property sets, classifications, materials, and the part-of relations
// (aggregation, nesting, spatial containment, grouping, voids and fillings).
//
//   Ids::ModelIndex index(model);
//   Ids::InstanceIndex type = index.TypeOf(wall);                 // NoInstance when untyped
//   for (Ids::InstanceIndex set : index.PropertySetsOf(wall)) ...  // the occurrence's own
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ModelView.h"

namespace Ids {

enum class PartOfRelation { Aggregates, Nests, Contained, Group, VoidsOrFills };

class ModelIndex {
 public:
  explicit ModelIndex(const ModelView& model);

  const ModelView& Model() const noexcept { return model; }
  InstanceIndex TypeOf(InstanceIndex object) const noexcept;
  const std::vector<InstanceIndex>& PropertySetsOf(InstanceIndex object) const noexcept;
  const std::vector<InstanceIndex>& ClassificationsOf(InstanceIndex object) const noexcept;
  const std::vector<InstanceIndex>& MaterialsOf(InstanceIndex object) const noexcept;
  // The wholes `part` is directly part of through `relation`.
  const std::vector<InstanceIndex>& WholesOf(InstanceIndex part, PartOfRelation relation) const noexcept;

  // Attribute helpers; unset values and missing attributes read as Null.
  ModelValue Get(InstanceIndex instance, std::string_view attribute) const;
  InstanceIndex GetReference(InstanceIndex instance, std::string_view attribute) const;
  std::vector<InstanceIndex> GetReferences(InstanceIndex instance, std::string_view attribute) const;
  std::string GetText(InstanceIndex instance, std::string_view attribute) const;  // strings, enumerations
  InstanceIndex Resolve(const ModelValue& reference) const noexcept;

  // The entity's upper-case name.
  std::string UpperEntity(InstanceIndex instance) const;
  // The predefined type candidates that the entity facet matches: the occurrence's or, where the type
  // object gives one, the type's; with USERDEFINED both the word and the user's name.
  std::vector<std::string> PredefinedTypes(InstanceIndex instance) const;

 private:
  using Map = std::unordered_map<InstanceIndex, std::vector<InstanceIndex>>;
  void AddRelation(InstanceIndex relation);
  void Link(Map& map, InstanceIndex relation, std::string_view from, std::string_view to);
  static const std::vector<InstanceIndex>& Find(const Map& map, InstanceIndex key) noexcept;

  const ModelView& model;
  std::unordered_map<InstanceIndex, InstanceIndex> types;
  Map propertySets, classifications, materials;
  Map wholes[5];
};

}  // namespace Ids
