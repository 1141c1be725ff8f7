#include "IFCAPI/HookAssignments.h"

#include <type_traits>
#include <utility>

#include "foundation/src/Failure.h"
#include "foundation/src/LayoutCheck.h"
#include "hooks/src/DeriveGuid.h"
#include "hooks/src/GroupTypes.h"
#include "hooks/src/KindGuids.h"
#include "hooks/src/UndoLog.h"

namespace IFCAPI::Impl {

namespace {

constexpr IPL::IFCType AssignsToGroupType = IPL::IFCType::IfcRelAssignsToGroup;
constexpr IPL::IFCType ServicesBuildingsType = IPL::IFCType::IfcRelServicesBuildings;

// Parsed once at load rather than at every derivation.
const KT::Guid GroupKind(GroupKindGuid);
const KT::Guid AssignsToGroupKind(AssignsToGroupKindGuid);
const KT::Guid ServicesBuildingsKind(ServicesBuildingsKindGuid);

KT::Guid DeriveFrom(const KT::Guid& kind, const KT::Guid& guid) {
  return DeriveGuid(KT::Array<KT::Guid>{kind, guid});
}

}  // namespace

HookAssignments::GroupInfo::GroupInfo(const IPL::IFCType& type, const std::optional<KT::UniString>& name)
    : type(type), name(name) {}

HookAssignments::GroupInfo::GroupInfo(const GroupInfo& other) = default;

HookAssignments::GroupInfo::GroupInfo(GroupInfo&& other) noexcept : type(other.type), name(std::move(other.name)) {
  other.name.reset();
}

HookAssignments::GroupInfo& HookAssignments::GroupInfo::operator=(const GroupInfo& other) = default;

HookAssignments::GroupInfo& HookAssignments::GroupInfo::operator=(GroupInfo&& other) noexcept {
  if (this != &other) {
    type = other.type;
    name = std::move(other.name);
    other.name.reset();
  }
  return *this;
}

HookAssignments::GroupInfo::~GroupInfo() = default;

HookAssignments::RelationInfo::RelationInfo(const IPL::IFCType& type) noexcept : type(type) {}

HookAssignments::RelationInfo& HookAssignments::RelationInfo::operator=(const RelationInfo& other) noexcept {
  type = other.type;
  return *this;
}

HookAssignments::RelationInfo& HookAssignments::RelationInfo::operator=(RelationInfo&& other) noexcept {
  type = other.type;
  return *this;
}

HookAssignments::HookAssignments(const API_Guid& token) : Assignments(token) {}

HookAssignments::HookAssignments(const HookAssignments& other)
    : Assignments(other), groups(other.groups), relations(other.relations) {}

HookAssignments::HookAssignments(HookAssignments&& other) noexcept
    : Assignments(std::move(other)), groups(std::move(other.groups)), relations(std::move(other.relations)) {}

HookAssignments::~HookAssignments() = default;

// The group entry comes first: adding it is also the check that the GUID is new. Every entry added
// after it is recorded, so that a failed allocation part-way removes them all again and the call
// changes nothing.
HookAssignments::ObjectIDResult HookAssignments::CreateIfcGroup(const KT::Guid& guid, const IPL::IFCType& type,
                                                                const std::optional<KT::UniString>& name, bool isRoot) {
  if (guid.IsNull()) {
    return Failure<ObjectID>(Errors::InvalidGuid, GetToken());
  }
  if (!ValidGroupTypes.Contains(type)) {
    return Failure<ObjectID>(Errors::InvalidIFCType, GetToken());
  }
  const ObjectID group(GetToken(), DeriveFrom(GroupKind, guid));
  // The group, two relations with their tree links (4 steps each), the root.
  UndoLog log(12);
  if (!groups.Add(group, GroupInfo(type, name))) {
    return Failure<ObjectID>(Errors::GroupAlreadyCreated, GetToken());
  }
  log.Added(groups);

  const ObjectID assignsToGroup(GetToken(), DeriveFrom(AssignsToGroupKind, guid));
  AddChild(group, assignsToGroup, log);
  if (relations.Add(assignsToGroup, RelationInfo(AssignsToGroupType))) {
    log.Added(relations);
  }
  if (SystemGroupTypes.Contains(type)) {
    const ObjectID servicesBuildings(GetToken(), DeriveFrom(ServicesBuildingsKind, guid));
    AddChild(group, servicesBuildings, log);
    if (relations.Add(servicesBuildings, RelationInfo(ServicesBuildingsType))) {
      log.Added(relations);
    }
  }
  if (isRoot) {
    static_cast<void>(AddRoot(group, log));
  }
  log.Commit();
  return ObjectIDResult(group);
}

HookAssignments::ObjectIDResult HookAssignments::GetIfcRelAssignsToGroup(ObjectID group) const {
  return FindRelation(group, AssignsToGroupType, false);
}

HookAssignments::ObjectIDResult HookAssignments::GetIfcRelServicesBuildings(ObjectID group) const {
  return FindRelation(group, ServicesBuildingsType, true);
}

HookAssignments::VoidResult HookAssignments::AssignObjects(ObjectID group, const std::vector<ObjectID>& objects) {
  return AddUnderRelation(GetIfcRelAssignsToGroup(group), objects, true);
}

HookAssignments::VoidResult HookAssignments::ServiceBuildings(ObjectID group, const std::vector<ObjectID>& buildings) {
  return AddUnderRelation(GetIfcRelServicesBuildings(group), buildings, false);
}

HookAssignments::ObjectIDResult HookAssignments::FindRelation(const ObjectID& group, IPL::IFCType relationType,
                                                              bool systemsOnly) const {
  const ErrorKind& missing = systemsOnly ? Errors::SystemDoesNotExist : Errors::GroupDoesNotExist;
  const GroupInfo* info = groups.Get(group);
  if (info == nullptr || (systemsOnly && !SystemGroupTypes.Contains(info->type))) {
    return Failure<ObjectID>(missing, GetToken());
  }
  const NodeSet* members = GetChildren().Get(group);
  if (members == nullptr) {
    return Failure<ObjectID>(missing, GetToken());
  }
  for (const ObjectID& child : *members) {
    const RelationInfo* relation = relations.Get(child);
    if (relation != nullptr && relation->type == relationType) {
      return ObjectIDResult(child);
    }
  }
  return Failure<ObjectID>(Errors::UnknownError, GetToken());
}

HookAssignments::VoidResult HookAssignments::AddUnderRelation(const ObjectIDResult& relation,
                                                              const std::vector<ObjectID>& objects, bool assigning) {
  if (!relation.HasValue()) {
    return PassFailureOn<void>(relation, GetToken());
  }
  // Every element is checked before the first is added, so a refused list adds nothing.
  for (const ObjectID& object : objects) {
    if (relations.Contains(object)) {
      return Failure<void>(assigning ? Errors::CannotAssignRelation : Errors::CannotServiceRelation, GetToken());
    }
  }
  // All members or none: a failed allocation part-way removes the links made so far.
  UndoLog log(4 * objects.size());
  for (const ObjectID& object : objects) {
    AddChild(relation.Unwrap(), object, log);
  }
  log.Commit();
  return VoidResult();
}

static_assert(!std::is_copy_assignable_v<HookAssignments>, "API objects are never assigned");
static_assert(std::is_copy_assignable_v<HookAssignments::GroupInfo> &&
                  std::is_nothrow_move_constructible_v<HookAssignments::GroupInfo>,
              "GroupInfo is a plain record that the tables move");
static_assert(std::is_copy_assignable_v<HookAssignments::RelationInfo>, "RelationInfo is a plain record");

IFCAPI_LAYOUT_CHECKS_BEGIN
template <>
struct LayoutCheck<HookAssignments> {
  static_assert(offsetof(HookAssignments, groups) == sizeof(Assignments), "HookAssignments: groups follow the base");
  static_assert(offsetof(HookAssignments, relations) ==
                    offsetof(HookAssignments, groups) + sizeof(HookAssignments::GroupTable),
                "HookAssignments: relations follow groups");
  static_assert(offsetof(HookAssignments::GroupInfo, type) == 0, "GroupInfo: the type comes first");
  static_assert(offsetof(HookAssignments::GroupInfo, name) == 8, "GroupInfo: the name follows the 32-bit type");
  static_assert(offsetof(HookAssignments::RelationInfo, type) == 0 && sizeof(HookAssignments::RelationInfo) == 4,
                "RelationInfo: the type alone");
};
IFCAPI_LAYOUT_CHECKS_END

}  // namespace IFCAPI::Impl
