#include "exporter/merge/AssignmentMerge.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "exporter/merge/NamedBody.h"
#include "exporter/merge/SchemaAdaptation.h"
#include "exporter/writer/InstanceText.h"

namespace Exporter {

namespace {

using IFCAPI::Impl::HookAssignments;

GuidBytes GuidOf(const IFCAPI::Impl::ObjectID& id) noexcept {
  return FromKTGuid(id.GetGUID());
}

}  // namespace

// Several answers may hold the same groups: what is wrong with one is said once.
void AssignmentMerge::Warn(const std::string& text) {
  context.WarnOnce("assignment:" + text, text);
}

void AssignmentMerge::WriteGroup(const ObjectID& id, const HookAssignments::GroupInfo& info) {
  const GuidBytes guid = GuidOf(id);
  if (!handledGroups.insert(guid).second) {
    return;  // made or refused for an earlier answer
  }
  const std::optional<GroupEntity> entity = AdaptGroupEntity(context.schema, info.type);
  if (!entity || !context.globalIds.Claim(guid)) {
    Warn("group '" + GuidText(guid) + "': " + (!entity ? "not of a group type" : "its GlobalId is already used") +
         "; skipped");
    return;
  }
  if (!entity->objectType.empty()) {
    context.WarnOnce("group:" + entity->objectType,
                     std::string(Ifc::SchemaName(context.schema.Version())) + " has no " + entity->objectType +
                         ": written as " + entity->entity + " with ObjectType '" + entity->objectType + "'");
  }
  const NamedBody body = BuildNamedBody(
      context.schema, entity->entity,
      {{"GlobalId", "'" + GuidText(guid) + "'"},
       {"Name", info.name ? StepText(*info.name) : std::string("$")},
       {"ObjectType", entity->objectType.empty() ? std::string("$") : StepText(KT::UniString(entity->objectType))}},
      context.RootFallbacks());
  if (!body.Ok()) {
    Warn("group '" + GuidText(guid) + "': " + entity->entity + " requires " + body.missingRequired +
         ", which the file has none of; skipped");
    return;
  }
  groups.emplace(guid, context.added.Add(body.text));
  ++context.summary.groups;
}

InstanceNumber AssignmentMerge::Member(const ObjectID& group, const ObjectID& id, bool services) {
  const GuidBytes guid = GuidOf(id);
  const InstanceIndex found = context.Model().FindByGlobalId(guid);
  const std::string where = "group '" + GuidText(GuidOf(group)) + "': ";
  if (found.Valid()) {
    const Ifc::EntityId allowed = services ? context.schema.ifcSpatialElement : context.schema.ifcObjectDefinition;
    if (context.schema.IsSubtypeOf(context.Model().Entity(found), allowed)) {
      return context.Model().Number(found);
    }
    Warn(where + context.ElementName(found) + " cannot be " + (services ? "a serviced building" : "a member") +
         "; left out");
    return InstanceNumber();
  }
  const auto madeGroup = groups.find(guid);
  if (!services && madeGroup != groups.end()) {
    return madeGroup->second;
  }
  Warn(where + (services ? "serviced building '" : "member '") + GuidText(guid) + "' is not in the file; left out");
  return InstanceNumber();
}

std::vector<InstanceNumber> AssignmentMerge::Members(const ObjectID& group,
                                                     const IFCAPI::Impl::Assignments::NodeSet& ids, bool services) {
  std::vector<InstanceNumber> members;
  for (const ObjectID& id : ids) {
    const InstanceNumber number = Member(group, id, services);
    if (number.Valid() && std::find(members.begin(), members.end(), number) == members.end()) {
      members.push_back(number);
    }
  }
  return members;
}

void AssignmentMerge::WriteRelation(InstanceNumber group, const ObjectID& relation, bool services,
                                    const std::vector<InstanceNumber>& members) {
  const std::string text = GuidText(GuidOf(relation));
  if (!context.globalIds.Claim(GuidOf(relation))) {
    Warn("relation '" + text + "': its GlobalId is already used; skipped");
    return;
  }
  writtenRelations.insert(text);
  const NamedBody body = services ? BuildNamedBody(context.schema, "IfcRelServicesBuildings",
                                                   {{"GlobalId", "'" + text + "'"},
                                                    {"RelatingSystem", Reference(group)},
                                                    {"RelatedBuildings", ReferenceList(members)}},
                                                   context.RootFallbacks())
                                  : BuildNamedBody(context.schema, "IfcRelAssignsToGroup",
                                                   {{"GlobalId", "'" + text + "'"},
                                                    {"RelatedObjects", ReferenceList(members)},
                                                    {"RelatingGroup", Reference(group)}},
                                                   context.RootFallbacks());
  if (!body.Ok()) {
    Warn("relation '" + text + "': its schema requires " + body.missingRequired + "; skipped");
    return;
  }
  context.added.Add(body.text);
  ++context.summary.relations;
}

void AssignmentMerge::WriteRelations(const HookAssignments& assignments, const ObjectID& group) {
  const auto made = groups.find(GuidOf(group));
  const auto* relationIds = assignments.GetChildren().Get(group);
  if (made == groups.end() || relationIds == nullptr) {
    return;
  }
  for (const ObjectID& relation : *relationIds) {
    const auto* info = assignments.GetRelations().Get(relation);
    const auto* memberIds = assignments.GetChildren().Get(relation);
    if (info == nullptr || memberIds == nullptr || writtenRelations.count(GuidText(GuidOf(relation))) != 0) {
      continue;
    }
    const bool services = info->type == IPL::IFCType::IfcRelServicesBuildings;
    const std::vector<InstanceNumber> members = Members(group, *memberIds, services);
    if (!members.empty()) {
      WriteRelation(made->second, relation, services, members);
    }
  }
}

void AssignmentMerge::Add(const KT::Array<HookAssignments>& all) {
  for (const HookAssignments& assignments : all) {
    for (const auto entry : assignments.GetGroups()) {
      WriteGroup(entry.key, entry.value);
    }
  }
  for (const HookAssignments& assignments : all) {
    for (const auto entry : assignments.GetGroups()) {
      WriteRelations(assignments, entry.key);
    }
  }
}

}  // namespace Exporter
