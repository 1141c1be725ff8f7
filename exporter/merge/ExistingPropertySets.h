// The property sets the file already gives its elements, as the merge rule needs them: which set of
// a name an element has, through which relation, how many elements share it, and what it holds.
// Indexed from the file's IfcRelDefinesByProperties on the first lookup.
//
//   ExistingPropertySets existing(context);
//   if (const auto set = existing.Find(InstanceNumber(20), u"Pset_WallCommon")) {
//     const ExistingPropertySets::Content content = existing.Read(set->set);
//   }
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "exporter/merge/InstanceAttributes.h"
#include "exporter/merge/MergeContext.h"

namespace Exporter {

class ExistingPropertySets {
 public:
  struct Set {
    InstanceNumber element;
    InstanceIndex set;
    InstanceIndex relation;  // its IfcRelDefinesByProperties
    std::uint32_t sharers;   // elements related to the set, over all its relations
  };
  struct Content {
    std::string description;                 // STEP text
    std::vector<InstanceNumber> properties;  // as the set lists them
    std::vector<std::u16string> names;       // of the properties that are in the file
  };

  // `context` must outlive this object.
  explicit ExistingPropertySets(const MergeContext& context);

  // The element's set called `name`, if it has one.
  std::optional<Set> Find(InstanceNumber element, const std::u16string& name);

  // The relations that relate `set` to elements.
  std::vector<InstanceIndex> RelationsOf(InstanceIndex set);

  // What the set holds.
  Content Read(InstanceIndex set) const;

 private:
  void Index();
  // The set's name as the file gives it; none when it has no readable one. The names of the sets
  // asked about last are kept.
  const std::optional<std::u16string>& NameOf(InstanceIndex set);
  void IndexRelation(InstanceIndex relation);

  const MergeContext& context;
  Ifc::AttributeSlot related;
  Ifc::AttributeSlot relating;
  Ifc::AttributeSlot setName;
  Ifc::AttributeSlot setDescription;
  Ifc::AttributeSlot setProperties;
  bool indexed = false;
  std::vector<Set> sets;  // by element
  std::vector<std::pair<InstanceIndex, std::optional<std::u16string>>> lastNames;
};

}  // namespace Exporter
