// The provider's groups and systems merged into the file: IfcGroup, IfcSystem, IfcBuildingSystem,
// IfcDistributionSystem or IfcDistributionCircuit with the group's GUID as GlobalId, and their
// relation nodes, IfcRelAssignsToGroup (members) and IfcRelServicesBuildings (serviced buildings),
// with the relation identifiers as GlobalIds. A member that is not in the file, or a serviced
// "building" that is no spatial element, is warned about (once, however many answers repeat it) and
// left out; a relation left without members is not written. Groups may be members of other groups.
//
//   AssignmentMerge assignments(context);
//   assignments.Add(all);   // what GetHookAssignments gave, once, after the elements
#pragma once

#include <map>
#include <set>
#include <unordered_set>
#include <vector>

#include "IFCAPI/HookAssignments.h"
#include "KT/Array.h"
#include "exporter/merge/MergeContext.h"

namespace Exporter {

class AssignmentMerge {
 public:
  // `context` must outlive this object.
  explicit AssignmentMerge(MergeContext& context) noexcept : context(context) {}

  // Writes the groups of every tree, then their relations.
  void Add(const KT::Array<IFCAPI::Impl::HookAssignments>& all);

 private:
  using ObjectID = IFCAPI::Impl::ObjectID;

  void WriteGroup(const ObjectID& id, const IFCAPI::Impl::HookAssignments::GroupInfo& info);
  void WriteRelations(const IFCAPI::Impl::HookAssignments& assignments, const ObjectID& group);
  void WriteRelation(InstanceNumber group, const ObjectID& relation, bool services,
                     const std::vector<InstanceNumber>& members);
  std::vector<InstanceNumber> Members(const ObjectID& group, const IFCAPI::Impl::Assignments::NodeSet& ids,
                                      bool services);
  InstanceNumber Member(const ObjectID& group, const ObjectID& id, bool services);
  void Warn(const std::string& text);

  MergeContext& context;
  std::map<GuidBytes, InstanceNumber> groups;  // by the group's GUID
  std::set<GuidBytes> handledGroups;           // written or skipped
  std::unordered_set<std::string> writtenRelations;
};

}  // namespace Exporter
