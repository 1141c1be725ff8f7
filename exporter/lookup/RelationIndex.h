// The relations of a read IFC file turned around: for an object, its type object, its spatial
// container, its aggregate parent and its property set definitions. Built in one pass over the
// relation instances; the relations are found by their entity and attribute names, so the index
// reads every schema whose tables name them the same way.
//
//   const RelationIndex relations(file);
//   if (const std::uint32_t type = relations.TypeOf(wallNumber)) Describe(type);
//   for (const std::uint32_t set : relations.PropertySetsOf(wallNumber)) ...
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "StepFile.h"

namespace Exporter {

class RelationIndex {
 public:
  // `file` must outlive the index.
  explicit RelationIndex(const StepFile& file);

  // Instance numbers, 0 for none: the object's type object (IfcRelDefinesByType), the spatial
  // structure that contains it (IfcRelContainedInSpatialStructure) and the whole it is a part of
  // (IfcRelAggregates).
  std::uint32_t TypeOf(std::uint32_t object) const noexcept { return Find(types, object); }
  std::uint32_t ContainerOf(std::uint32_t object) const noexcept { return Find(containers, object); }
  std::uint32_t ParentOf(std::uint32_t object) const noexcept { return Find(parents, object); }

  // The property set definitions related to the object (IfcRelDefinesByProperties), in file order.
  const std::vector<std::uint32_t>& PropertySetsOf(std::uint32_t object) const noexcept;

 private:
  static std::uint32_t Find(const std::unordered_map<std::uint32_t, std::uint32_t>& map, std::uint32_t object) noexcept;
  void Relate(std::uint32_t index, const char* relatedName, const char* relatingName,
              std::unordered_map<std::uint32_t, std::uint32_t>* single);

  const StepFile& file;
  std::unordered_map<std::uint32_t, std::uint32_t> types;
  std::unordered_map<std::uint32_t, std::uint32_t> containers;
  std::unordered_map<std::uint32_t, std::uint32_t> parents;
  std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> propertySets;
};

}  // namespace Exporter
