// The assignment tree: links in both directions, roots and order. Copies are tested through
// HookAssignments, whose copy constructor copies the tree.
#include "IFCAPI/Assignments.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "AllocationSweep.h"
#include "TreeImage.h"

namespace {

using IFCAPI::Impl::Assignments;
using IFCAPI::Impl::ObjectID;

const API_Guid AddOn = ToAPIGuid(KT::Guid("{A0000000-0000-0000-0000-000000000001}"));
const API_Guid OtherAddOn = ToAPIGuid(KT::Guid("{B0000000-0000-0000-0000-000000000002}"));

ObjectID Node(int n, const API_Guid& token = AddOn) {
  KT::Guid::Bytes bytes{};
  bytes[0] = static_cast<std::uint8_t>(n);
  bytes[15] = 0x5A;
  return ObjectID(token, KT::Guid(bytes));
}

std::vector<ObjectID> Members(const Assignments::NodeSet* set) {
  std::vector<ObjectID> members;
  if (set != nullptr) {
    for (const ObjectID& id : *set)
      members.push_back(id);
  }
  return members;
}

std::vector<ObjectID> Keys(const Assignments::LinkTable& table) {
  std::vector<ObjectID> keys;
  for (const auto& entry : table)
    keys.push_back(entry.key);
  return keys;
}

TEST(Assignments, LinksAreKeptOnceInBothDirectionsInOrderOfFirstAddition) {
  Assignments tree(AddOn);
  tree.AddChild(Node(1), Node(2));
  tree.AddChild(Node(1), Node(3));
  tree.AddChild(Node(1, OtherAddOn), Node(2, OtherAddOn));  // the same link: tokens do not count
  tree.AddChild(Node(4), Node(3));
  tree.AddChild(Node(5), Node(5));

  EXPECT_EQ(Keys(tree.GetChildren()), (std::vector<ObjectID>{Node(1), Node(4), Node(5)}));
  EXPECT_EQ(Members(tree.GetChildren().Get(Node(1))), (std::vector<ObjectID>{Node(2), Node(3)}));
  EXPECT_EQ(Members(tree.GetChildren().Get(Node(5))), std::vector<ObjectID>{Node(5)});

  EXPECT_EQ(Keys(tree.GetParents()), (std::vector<ObjectID>{Node(2), Node(3), Node(5)}));
  EXPECT_EQ(Members(tree.GetParents().Get(Node(2))), std::vector<ObjectID>{Node(1)});
  EXPECT_EQ(Members(tree.GetParents().Get(Node(3))), (std::vector<ObjectID>{Node(1), Node(4)}));
  EXPECT_EQ(Members(tree.GetParents().Get(Node(5))), std::vector<ObjectID>{Node(5)});

  // Links make no roots, and roots need no links.
  EXPECT_EQ(tree.GetRoots().GetCount(), 0u);
  EXPECT_TRUE(tree.AddRoot(Node(9)));
  EXPECT_FALSE(tree.AddRoot(Node(9, OtherAddOn)));
  EXPECT_EQ(Members(&tree.GetRoots()), std::vector<ObjectID>{Node(9)});
  EXPECT_EQ(tree.GetChildren().Get(Node(9)), nullptr);
}

// A link is recorded in both directions or in neither, whichever of its up to four insertions runs
// out of memory: into a full block of a parent's set, for a new parent, a new child, and a self link.
TEST(Assignments, AddChildUnderFailingAllocationsRecordsBothDirectionsOrNothing) {
  const auto setup = [] {
    Assignments tree(AddOn);
    for (int child = 2; child <= 9; ++child)
      tree.AddChild(Node(1), Node(child));
    tree.AddChild(Node(10), Node(2));
    static_cast<void>(tree.AddRoot(Node(1)));
    return tree;
  };
  const std::pair<int, int> links[] = {{1, 20}, {30, 2}, {31, 32}, {33, 33}};
  for (const auto& link : links) {
    const int parent = link.first;
    const int child = link.second;
    const std::uint64_t failures = IFCAPI::Testing::SweepAllOrNothing(
        setup, [&](Assignments& tree) { tree.AddChild(Node(parent), Node(child)); },
        [](const Assignments& tree) { return IFCAPI::Testing::TreeImage::Of(tree); },
        [&](const Assignments& tree) {
          IFCAPI::Testing::ExpectLinksMirrored(tree);
          EXPECT_EQ(Members(&tree.GetRoots()), std::vector<ObjectID>{Node(1)});
        });
    EXPECT_GE(failures, 2u) << parent << " -> " << child;
  }
}

}  // namespace
