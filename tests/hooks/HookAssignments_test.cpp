// Groups, systems and their relation nodes: derived identifiers, checks, membership and copies.
#include "IFCAPI/HookAssignments.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AllocationSweep.h"
#include "HooksTesting.h"
#include "IFCAPI/Errors.h"
#include "IO/MD5Hasher.h"

namespace {

using IFCAPI::Impl::HookAssignments;
using IFCAPI::Impl::ObjectID;
using IPL::IFCType;
namespace Errors = IFCAPI::Impl::Errors;
using namespace IFCAPI::Testing;
using IDs = std::vector<ObjectID>;

const KT::Guid Heating("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}");
const KT::Guid Zone("{11111111-2222-3333-4444-555555555555}");

template <class T>
void ExpectFailure(const TSAPI::Result<T, TSAPI::Error>& result, const IFCAPI::Impl::ErrorKind& kind) {
  ASSERT_FALSE(result.HasValue());
  EXPECT_TRUE(result.GetError().code == kind.code && result.GetToken() == AddOn);
  EXPECT_EQ(result.GetError().message, kind.message);
}

IDs Children(const HookAssignments& assignments, const ObjectID& parent) {
  return Members(assignments.GetChildren().Get(parent));
}

// The identifier of [kind, guid], built by hand as the MD5 digest of the frame header ("KTAr",
// version 1.0), the count 2, both GUIDs' stored bytes and the trailer (36 body bytes).
ObjectID Derived(const char* kind, const KT::Guid& guid) {
  std::string bytes = {'K', 'T', 'A', 'r', '\x01', '\x00', '\x02', '\x00', '\x00', '\x00'};
  for (const KT::Guid& g : {KT::Guid(kind), guid}) {
    bytes.append(reinterpret_cast<const char*>(g.GetBytes().data()), 16);
  }
  bytes += std::string{'\x24', '\x00', '\x00', '\x00'};
  IO::MD5Hasher md5;
  md5.Update(bytes.data(), bytes.size());
  return ObjectID(AddOn, KT::Guid(md5.Finish().GetBytes()));
}
const char* const GroupKind = "{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}";

TEST(HookAssignments, IdentifiersAreTheDigestsOfTheDocumentedBytesAndAgreeAcrossObjects) {
  HookAssignments first(AddOn);
  HookAssignments second(OtherAddOn);
  const ObjectID group = first.CreateIfcGroup(Heating, IFCType::IfcDistributionSystem, std::nullopt, true).Unwrap();
  const ObjectID again = second.CreateIfcGroup(Heating, IFCType::IfcSystem, std::nullopt, false).Unwrap();
  EXPECT_TRUE(group == Derived(GroupKind, Heating) && group.GetToken() == AddOn);
  EXPECT_TRUE(again == group && again.GetToken() == OtherAddOn);
  const ObjectID assigns = first.GetIfcRelAssignsToGroup(group).Unwrap();
  const ObjectID services = first.GetIfcRelServicesBuildings(group).Unwrap();
  EXPECT_EQ(assigns, Derived("{B17E4D09-2C6A-4E53-A8F0-5D93C1E7246B}", Heating));
  EXPECT_EQ(services, Derived("{6E2F8B14-D975-4A3C-8B6E-0F41A92C5D87}", Heating));
  EXPECT_TRUE(second.GetIfcRelAssignsToGroup(again).Unwrap() == assigns &&
              second.GetIfcRelServicesBuildings(again).Unwrap() == services);
}

TEST(HookAssignments, AGroupGetsItsAssignmentRelationFirstAndOnlyASystemGetsAServicesRelation) {
  HookAssignments assignments(AddOn);
  // A link the caller made to the system's identifier before creating it comes first among the
  // system's children; its relations are found all the same.
  assignments.AddChild(Derived(GroupKind, Heating), Node(7));
  const ObjectID group = assignments.CreateIfcGroup(Zone, IFCType::IfcGroup, KT::UniString(""), false).Unwrap();
  const ObjectID system = assignments.CreateIfcGroup(Heating, IFCType::IfcBuildingSystem, std::nullopt, true).Unwrap();
  const IDs groupChildren = Children(assignments, group);
  ASSERT_EQ(groupChildren.size(), 1u);
  EXPECT_EQ(assignments.GetRelations().Get(groupChildren[0])->type, IFCType::IfcRelAssignsToGroup);
  const ObjectID services = assignments.GetIfcRelServicesBuildings(system).Unwrap();
  EXPECT_EQ(Children(assignments, system),
            (IDs{Node(7), assignments.GetIfcRelAssignsToGroup(system).Unwrap(), services}));
  EXPECT_EQ(assignments.GetRelations().Get(services)->type, IFCType::IfcRelServicesBuildings);
  EXPECT_EQ(assignments.GetRelations().GetCount(), 3u);
  // Names: present-but-empty stays present; absent stays absent. Only the root group is a root.
  EXPECT_EQ(assignments.GetGroups().Get(group)->name, KT::UniString());
  EXPECT_FALSE(assignments.GetGroups().Get(system)->name.has_value());
  EXPECT_EQ(Members(&assignments.GetRoots()), IDs{system});

  // A plain group is not a system, though it exists and takes members.
  ExpectFailure(assignments.GetIfcRelServicesBuildings(group), Errors::SystemDoesNotExist);
  const TreeImage before = ImageOf(assignments);
  ExpectFailure(assignments.ServiceBuildings(group, {Node(1)}), Errors::SystemDoesNotExist);
  EXPECT_TRUE(ImageOf(assignments) == before);
  EXPECT_TRUE(assignments.AssignObjects(group, {Node(1)}).HasValue());
}

// A failed call reports the first broken rule and changes nothing; members are added all or none,
// and never as relations.
TEST(HookAssignments, AFailedCallChangesNothingAndMembersAreNeverRelations) {
  HookAssignments assignments(AddOn);
  const ObjectID system = assignments.CreateIfcGroup(Heating, IFCType::IfcSystem, std::nullopt, true).Unwrap();
  const ObjectID zone = assignments.CreateIfcGroup(Zone, IFCType::IfcGroup, std::nullopt, false).Unwrap();
  const ObjectID assigns = assignments.GetIfcRelAssignsToGroup(system).Unwrap();
  const ObjectID services = assignments.GetIfcRelServicesBuildings(system).Unwrap();
  const ObjectID zoneAssigns = assignments.GetIfcRelAssignsToGroup(zone).Unwrap();

  const TreeImage before = ImageOf(assignments);
  ExpectFailure(assignments.CreateIfcGroup(KT::NULLGuid, static_cast<IFCType>(1), std::nullopt, true),
                Errors::InvalidGuid);
  for (const IFCType type : {IFCType::IfcRelAssignsToGroup, IFCType::IfcRelServicesBuildings, static_cast<IFCType>(0),
                             static_cast<IFCType>(42), static_cast<IFCType>(395)}) {
    ExpectFailure(assignments.CreateIfcGroup(Node(9).GetGUID(), type, std::nullopt, true), Errors::InvalidIFCType);
  }
  ExpectFailure(assignments.CreateIfcGroup(Heating, IFCType::IfcDistributionCircuit, KT::UniString("Other"), true),
                Errors::GroupAlreadyCreated);
  // A relation node third in the list, of another group: nothing is added, not even the first two.
  ExpectFailure(assignments.AssignObjects(system, {Node(1), Node(2), zoneAssigns}), Errors::CannotAssignRelation);
  ExpectFailure(assignments.ServiceBuildings(system, {Node(1), Node(2), services}), Errors::CannotServiceRelation);
  // Identifiers that are no group: an element, a relation node, an empty list for an unknown group.
  ExpectFailure(assignments.AssignObjects(Node(3), {}), Errors::GroupDoesNotExist);
  ExpectFailure(assignments.GetIfcRelAssignsToGroup(assigns), Errors::GroupDoesNotExist);
  ExpectFailure(assignments.ServiceBuildings(services, {Node(1)}), Errors::SystemDoesNotExist);
  EXPECT_TRUE(ImageOf(assignments) == before);

  // Repeats are kept once; a group may be a member; another token finds the same group.
  const ObjectID systemOfOtherToken(OtherAddOn, system.GetGUID());
  EXPECT_TRUE(assignments.AssignObjects(system, {Node(1), Node(2), zone}).HasValue());
  EXPECT_TRUE(assignments.AssignObjects(systemOfOtherToken, {Node(2), Node(1)}).HasValue());
  EXPECT_TRUE(assignments.ServiceBuildings(system, {Node(9)}).HasValue());
  EXPECT_TRUE(assignments.AssignObjects(zone, {Node(1)}).HasValue() && assignments.AssignObjects(zone, {}).HasValue());
  EXPECT_EQ(Children(assignments, assigns), (IDs{Node(1), Node(2), zone}));
  EXPECT_EQ(Children(assignments, services), IDs{Node(9)});
  EXPECT_EQ(Children(assignments, zoneAssigns), IDs{Node(1)});
  EXPECT_EQ(assignments.GetParents().Get(Node(1))->GetCount(), 2u);
  EXPECT_EQ(assignments.GetIfcRelAssignsToGroup(systemOfOtherToken).Unwrap().GetToken(), AddOn);
}

// A copy shares nothing with its source. A moved group record leaves the source's name absent, and
// moved onto itself a record keeps its name; a relation record takes the type it is given.
TEST(HookAssignments, CopiesOfTheAssignmentsAndTheirRecordsShareNothing) {
  HookAssignments source(AddOn);
  const ObjectID system = source.CreateIfcGroup(Heating, IFCType::IfcSystem, KT::UniString("Heating"), true).Unwrap();
  ASSERT_TRUE(source.AssignObjects(system, {Node(1), Node(2)}).HasValue());
  HookAssignments copy(source);
  const TreeImage before = ImageOf(source);
  EXPECT_TRUE(ImageOf(copy) == before && copy.GetToken() == AddOn);
  ASSERT_TRUE(copy.CreateIfcGroup(Zone, IFCType::IfcGroup, std::nullopt, true).HasValue());
  ASSERT_TRUE(copy.AssignObjects(system, {Node(3)}).HasValue());
  EXPECT_TRUE(ImageOf(source) == before);
  EXPECT_TRUE(source.CreateIfcGroup(Zone, IFCType::IfcGroup, std::nullopt, true).HasValue());

  HookAssignments::GroupInfo target(IFCType::IfcSystem, KT::UniString("Heating"));
  HookAssignments::GroupInfo moved(std::move(target));
  EXPECT_FALSE(target.name.has_value());  // NOLINT(bugprone-use-after-move)
  target = std::move(moved);
  EXPECT_FALSE(moved.name.has_value());  // NOLINT(bugprone-use-after-move)
  HookAssignments::GroupInfo& alias = target;
  target = std::move(alias);
  EXPECT_TRUE(target.type == IFCType::IfcSystem && target.name == KT::UniString("Heating"));
  HookAssignments::RelationInfo relation(IFCType::IfcRelAssignsToGroup);
  relation = HookAssignments::RelationInfo(IFCType::IfcRelServicesBuildings);
  EXPECT_EQ(relation.type, IFCType::IfcRelServicesBuildings);
}

// A creation, an assignment or a service that runs out of memory at any allocation leaves groups,
// relations, links and roots exactly as they were.
TEST(HookAssignments, EveryMutationIsAllOrNothingWhenAnAllocationFails) {
  const ObjectID system = Derived(GroupKind, Heating);
  // The system's identifier is a root already: a failed creation must not take it out.
  const auto setup = [&] {
    HookAssignments assignments(AddOn);
    static_cast<void>(assignments.CreateIfcGroup(Zone, IFCType::IfcGroup, std::nullopt, true));
    static_cast<void>(assignments.AddRoot(system));
    return assignments;
  };
  const auto withSystem = [&] {
    HookAssignments assignments = setup();
    static_cast<void>(assignments.CreateIfcGroup(Heating, IFCType::IfcSystem, std::nullopt, false));
    static_cast<void>(assignments.AssignObjects(system, {Node(1), Node(2)}));
    return assignments;
  };
  // Existing and new members, one of them twice, and an element that is already a member elsewhere.
  IDs members;
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 5}) {
    members.push_back(Node(n));
  }
  const struct {
    const char* what;
    std::function<HookAssignments()> setup;
    std::function<void(HookAssignments&)> operation;
    std::uint64_t failures;
  } mutations[] = {
      {"creation", setup,
       [](HookAssignments& a) {
         ASSERT_TRUE(
             a.CreateIfcGroup(Heating, IFCType::IfcSystem, KT::UniString("A long enough name"), true).HasValue());
       },
       10},
      {"assignment", withSystem, [&](HookAssignments& a) { ASSERT_TRUE(a.AssignObjects(system, members).HasValue()); },
       10},
      {"service", withSystem,
       [&](HookAssignments& a) {
         ASSERT_TRUE(a.ServiceBuildings(system, {Node(1), Node(40)}).HasValue());
       },
       2},
  };
  for (const auto& mutation : mutations) {
    SCOPED_TRACE(mutation.what);
    EXPECT_GT(SweepAllOrNothing(
                  mutation.setup, mutation.operation, [](const HookAssignments& a) { return ImageOf(a); },
                  [](const HookAssignments& a) { ExpectLinksMirrored(a); }),
              mutation.failures);
  }
  HookAssignments assignments = withSystem();
  ASSERT_TRUE(assignments.AssignObjects(system, members).HasValue());
  EXPECT_EQ(Children(assignments, assignments.GetIfcRelAssignsToGroup(system).Unwrap()).size(), 12u);
}

}  // namespace
