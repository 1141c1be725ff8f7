// IFCAPI::Impl::HookAssignments: the IFC groups and systems that a hook data provider wants written
// at export, with the relation nodes that tie members and serviced buildings to them.
//
// Groups and relations are nodes of the inherited assignment tree: a group's relation nodes are its
// children, and the members of a relation are the relation node's children. The caller names a group
// by a GUID of its own; the group's identifier and its relation identifiers are derived from that GUID
// with MD5, so the same GUID gives the same identifiers in every object and every copy.
//
//   HookAssignments assignments(token);
//   auto system = assignments.CreateIfcGroup(KT::Guid("{...}"), IPL::IFCType::IfcDistributionSystem,
//                                            KT::UniString("Heating"), true);
//   if (system.HasValue()) {
//     assignments.AssignObjects(system.Unwrap(), {radiator, boiler});
//     assignments.ServiceBuildings(system.Unwrap(), {building});
//   }
#pragma once

#include <optional>
#include <vector>

#include "IFCAPI/Assignments.h"
#include "IFCAPI/Export.h"
#include "IFCAPI/ObjectID.h"
#include "IPL/IFCType.h"
#include "KT/Guid.h"
#include "KT/HashTable.h"
#include "KT/UniString.h"
#include "TSAPI/Result.h"

namespace IFCAPI::Impl {

class IFCAPI_EXPORT HookAssignments : public Assignments {
 public:
  // What a group node is: its IFC type (one of the valid group types) and the optional name given
  // when it was created, kept as it was given.
  struct IFCAPI_EXPORT GroupInfo {
    GroupInfo(const IPL::IFCType& type, const std::optional<KT::UniString>& name);
    GroupInfo(const GroupInfo& other);
    // Moves leave the source's name absent, not an empty text.
    GroupInfo(GroupInfo&& other) noexcept;
    GroupInfo& operator=(const GroupInfo& other);
    GroupInfo& operator=(GroupInfo&& other) noexcept;
    ~GroupInfo();

    IPL::IFCType type;
    std::optional<KT::UniString> name;
  };

  // What a relation node is: IfcRelAssignsToGroup (210) or IfcRelServicesBuildings (212).
  struct IFCAPI_EXPORT RelationInfo {
    explicit RelationInfo(const IPL::IFCType& type) noexcept;
    RelationInfo(const RelationInfo& other) noexcept = default;
    RelationInfo& operator=(const RelationInfo& other) noexcept;
    RelationInfo& operator=(RelationInfo&& other) noexcept;

    IPL::IFCType type;
  };

  using GroupTable = KT::HashTable<ObjectID, GroupInfo>;
  using RelationTable = KT::HashTable<ObjectID, RelationInfo>;
  using ObjectIDResult = TSAPI::Result<ObjectID, TSAPI::Error>;
  using VoidResult = TSAPI::Result<void, TSAPI::Error>;

  // No groups, no relations, an empty tree; failures name the add-on `token`.
  explicit HookAssignments(const API_Guid& token);

  // A deep copy of the tree and both tables, with the token of `other`; it shares nothing with it.
  HookAssignments(const HookAssignments& other);

  // Takes over the tree and both tables of `other`, with its token, allocating nothing; `other` is
  // left with none.
  HookAssignments(HookAssignments&& other) noexcept;

  ~HookAssignments() override;

  // Creates a group of `type` named by the caller's `guid`, with its assignment relation node as its
  // first child and, for a system type, its services-buildings relation node as its second; adds the
  // group to the roots when `isRoot`. Returns the group's identifier, which carries this object's
  // token. Fails, changing nothing, with "Invalid guid." for the null GUID, "Invalid IFC type." for a
  // type that is no group type, and "Group already created with this guid." when `guid` was used
  // before in this object. A KT::OutOfMemoryException leaves the object as it was.
  ObjectIDResult CreateIfcGroup(const KT::Guid& guid, const IPL::IFCType& type,
                                const std::optional<KT::UniString>& name, bool isRoot);

  // The identifier of the group's assignment relation node, as the tree holds it. Fails with "Group
  // does not exist." when `group` is no group of this object.
  ObjectIDResult GetIfcRelAssignsToGroup(ObjectID group) const;

  // The identifier of the system's services-buildings relation node. Fails with "System does not
  // exist." when `group` is no group of this object or its type is not a system type.
  ObjectIDResult GetIfcRelServicesBuildings(ObjectID group) const;

  // Makes each of `objects` a member of the group. Fails as GetIfcRelAssignsToGroup, or with "Can't
  // assign a relation." when an element is a relation node; a failed call adds nothing, and neither
  // does one that a KT::OutOfMemoryException ends.
  VoidResult AssignObjects(ObjectID group, const std::vector<ObjectID>& objects);

  // Records each of `buildings` as serviced by the system. Fails as GetIfcRelServicesBuildings, or with
  // "Can't service a relation." when an element is a relation node; a failed call adds nothing, and
  // neither does one that a KT::OutOfMemoryException ends.
  VoidResult ServiceBuildings(ObjectID group, const std::vector<ObjectID>& buildings);

  // The groups in order of creation.
  const GroupTable& GetGroups() const noexcept { return groups; }

  // The relation nodes in order of creation.
  const RelationTable& GetRelations() const noexcept { return relations; }

 private:
  template <class>
  friend struct LayoutCheck;

  ObjectIDResult FindRelation(const ObjectID& group, IPL::IFCType relationType, bool systemsOnly) const;
  VoidResult AddUnderRelation(const ObjectIDResult& relation, const std::vector<ObjectID>& objects, bool assigning);

  GroupTable groups;
  RelationTable relations;
};

}  // namespace IFCAPI::Impl
