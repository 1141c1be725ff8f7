// Contributed property sets merged into the file: written once per distinct content and related to
// every element that receives them, under the merge rule where the file's data win.
//
// When an element already has a set of the contributed name, no second set of that name is made:
// contributed properties whose names the set holds are dropped with a warning, the others are added.
// A set that is the element's alone grows in place. A set the element shares with others is left as
// it is: the element gets a new set with the shared set's properties plus the added ones and leaves
// the shared set's relation; a relation that all its elements leave is pointed at the new set instead,
// and the shared set, when nothing else refers to it, is not written any more. A set whose name the
// element already gives an IfcElementQuantity is not written beside it. Every instance follows the
// file's schema (AdaptedProperties.h); enumerations of one name but different values get names of
// their own (EnumerationNames.h). Contributions to standard sets are checked against their templates
// first (StandardSetCheck.h) and merged either way.
//
//   PropertySetMerge sets(context);
//   sets.Add(wall, contributedSets);   // per element, by its index
//   sets.Finish();                          // the relations and the grown sets, once at the end
#pragma once

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "IPL/PropertySet.h"
#include "KT/Array.h"
#include "exporter/merge/ElementQuantities.h"
#include "exporter/merge/EnumerationNames.h"
#include "exporter/merge/ExistingPropertySets.h"
#include "exporter/merge/MergeContext.h"
#include "exporter/merge/RelationList.h"
#include "exporter/merge/StandardSetCheck.h"

namespace Exporter {

class PropertySetMerge {
 public:
  // `context` must outlive this object.
  explicit PropertySetMerge(MergeContext& context);

  // Merges the sets contributed for the element at `index`.
  void Add(InstanceIndex index, const KT::Array<IPL::PropertySet>& sets);

  // Writes the new relations, the grown sets and the relations elements left.
  void Finish();

 private:
  // A property the merge has adapted: what was said about it and the instance it was written as
  // (invalid when it could not be written).
  struct WrittenProperty {
    std::vector<std::string> warnings;
    InstanceNumber number;
  };
  struct Leave {
    InstanceIndex relation;
    InstanceNumber element;
    InstanceNumber merged;  // the set that replaces the old one
  };

  std::vector<InstanceNumber> WriteProperties(InstanceIndex index, const IPL::PropertySet& set,
                                              const std::vector<std::u16string>& existingNames);
  InstanceNumber WriteEnumeration(const IPL::Property& property, std::string& warning, bool& failed);
  InstanceNumber WriteProperty(InstanceIndex index, const IPL::PropertySet& set, const IPL::Property& property);
  void WarnOnce(InstanceIndex index, const IPL::PropertySet& set, const IPL::Property& property,
                const std::string& warning);
  void ReserveFileEnumerationNames();
  void RemoveUnrelatedSets();
  InstanceNumber WriteSet(const IPL::PropertySet& set, const std::optional<ExistingPropertySets::Set>& existing,
                          const std::vector<InstanceNumber>& contributed);
  void LeaveRelation(InstanceIndex relation, const std::vector<const Leave*>& leaving);
  void WriteGrownSets();

  MergeContext& context;
  ExistingPropertySets existing;
  ElementQuantities quantities;
  StandardSetCheck standardSets;
  EnumerationNames enumerationNames;
  bool enumerationNamesReserved = false;
  Ifc::AttributeSlot related;
  Ifc::AttributeSlot relating;
  Ifc::AttributeSlot setProperties;
  NewInstances::Pool properties;
  std::unordered_map<std::string, WrittenProperty> written;  // by PropertyKey
  NewInstances::Pool enumerations;
  NewInstances::Pool sets;
  RelationList relations;
  std::vector<Leave> leaves;
  std::vector<std::pair<InstanceIndex, InstanceIndex>> repointed;  // (relation, its old set)
  std::map<InstanceIndex, std::vector<InstanceNumber>> grownSets;  // set -> properties added
};

}  // namespace Exporter
