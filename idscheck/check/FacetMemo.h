// What a FacetEvaluator keeps between the instances it looks at: the property sets of the last
// instance, and what many instances share (type objects' property sets, classification references,
// materials, whether an entity's name meets an entity facet). Internal to the facets.
//
//   const ClassificationReference& reference = memo.references[association];  // read once
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "idscheck/check/Document.h"
#include "idscheck/check/MatchOutcome.h"
#include "idscheck/check/ModelView.h"

namespace Ids {

// One property as the facet sees it: a property or quantity instance, or an attribute of a
// predefined property set (IfcDoorPanelProperties and the like), whose value is held directly.
struct PropertyEntry {
  InstanceIndex property = InstanceIndex();
  ModelValue direct;
};

// Property (and quantity) set name -> property name -> property.
struct PropertySets : std::map<std::string, std::map<std::string, PropertyEntry>> {};

// A classification an instance is associated with.
struct ClassificationReference {
  // The reference's code, then those of the references above it (ReferencedSource), most specific
  // first; empty for a classification associated directly.
  std::vector<std::string> identifications;
  std::string system;  // the Name of the IfcClassification at the top, empty when none
};

// An entity facet and an entity's upper-case name.
struct FacetAndEntity {
  const Facet* facet;
  std::string_view entity;
  bool operator==(const FacetAndEntity& other) const noexcept { return facet == other.facet && entity == other.entity; }
};
struct FacetAndEntityHash {
  std::size_t operator()(const FacetAndEntity& key) const noexcept {
    return std::hash<const void*>()(key.facet) ^ std::hash<std::string_view>()(key.entity);
  }
};

struct FacetMemo {
  InstanceIndex setsOf = InstanceIndex();
  std::shared_ptr<PropertySets> sets;  // those of `setsOf`
  std::unordered_map<InstanceIndex, std::shared_ptr<PropertySets>> typeSets;
  std::unordered_map<InstanceIndex, ClassificationReference> references;  // by associated instance
  std::unordered_map<InstanceIndex, std::vector<std::string>> materials;  // names and categories
  std::unordered_map<FacetAndEntity, MatchOutcome, FacetAndEntityHash> entityNames;
};

}  // namespace Ids
