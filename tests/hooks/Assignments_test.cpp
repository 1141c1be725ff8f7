// The assignment tree: links in both directions, roots and order. Copies are tested through
// HookAssignments, whose copy constructor copies the tree.
#include "IFCAPI/Assignments.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "AllocationSweep.h"
#include "HooksTesting.h"

namespace {

using IFCAPI::Impl::Assignments;
using IFCAPI::Impl::ObjectID;
using namespace IFCAPI::Testing;

TEST(Assignments, LinksAreKeptOnceInBothDirectionsInOrderOfFirstAddition) {
  Assignments tree(AddOn);
  for (const auto& [parent, child] : {std::pair(Node(1), Node(2)), std::pair(Node(1), Node(3)),
                                      std::pair(Node(1, OtherAddOn), Node(2, OtherAddOn)),  // tokens do not count
                                      std::pair(Node(4), Node(3)), std::pair(Node(5), Node(5))}) {
    tree.AddChild(parent, child);
  }
  EXPECT_EQ(RowsOf(tree.GetChildren()), (Rows{{Node(1), Node(2), Node(3)}, {Node(4), Node(3)}, {Node(5), Node(5)}}));
  EXPECT_EQ(RowsOf(tree.GetParents()), (Rows{{Node(2), Node(1)}, {Node(3), Node(1), Node(4)}, {Node(5), Node(5)}}));
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
    for (int child = 2; child <= 9; ++child) {
      tree.AddChild(Node(1), Node(child));
    }
    tree.AddChild(Node(10), Node(2));
    static_cast<void>(tree.AddRoot(Node(1)));
    return tree;
  };
  for (const auto& [parent, child] : {std::pair(1, 20), std::pair(30, 2), std::pair(31, 32), std::pair(33, 33)}) {
    const auto add = [parent = parent, child = child](Assignments& tree) { tree.AddChild(Node(parent), Node(child)); };
    const auto invariants = [](const Assignments& tree) {
      ExpectLinksMirrored(tree);
      EXPECT_EQ(Members(&tree.GetRoots()), std::vector<ObjectID>{Node(1)});
    };
    const auto image = [](const Assignments& tree) { return ImageOf(tree); };
    EXPECT_GE(SweepAllOrNothing(setup, add, image, invariants), 2u) << parent << " -> " << child;
  }
}

}  // namespace
