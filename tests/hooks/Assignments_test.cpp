// The assignment tree: links in both directions, roots and order. Copies are tested through
// HookAssignments, whose copy constructor copies the tree.
#include "IFCAPI/Assignments.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "AllocationSweep.h"
#include "HooksTesting.h"
#include "TreeImage.h"

namespace {

using IFCAPI::Impl::Assignments;
using IFCAPI::Impl::ObjectID;
using namespace IFCAPI::Testing;

TEST(Assignments, LinksAreKeptOnceInBothDirectionsInOrderOfFirstAddition) {
  Assignments tree(AddOn);
  tree.AddChild(Node(1), Node(2));
  tree.AddChild(Node(1), Node(3));
  tree.AddChild(Node(1, OtherAddOn), Node(2, OtherAddOn));  // the same link: tokens do not count
  tree.AddChild(Node(4), Node(3));
  tree.AddChild(Node(5), Node(5));

  // Each key followed by its members.
  using Rows = std::vector<std::vector<ObjectID>>;
  const TreeImage image = TreeImage::Of(tree);
  EXPECT_EQ(image.children, (Rows{{Node(1), Node(2), Node(3)}, {Node(4), Node(3)}, {Node(5), Node(5)}}));
  EXPECT_EQ(image.parents, (Rows{{Node(2), Node(1)}, {Node(3), Node(1), Node(4)}, {Node(5), Node(5)}}));

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
    const std::uint64_t failures = SweepAllOrNothing(
        setup, [&](Assignments& tree) { tree.AddChild(Node(parent), Node(child)); },
        [](const Assignments& tree) { return TreeImage::Of(tree); },
        [&](const Assignments& tree) {
          ExpectLinksMirrored(tree);
          EXPECT_EQ(Members(&tree.GetRoots()), std::vector<ObjectID>{Node(1)});
        });
    EXPECT_GE(failures, 2u) << parent << " -> " << child;
  }
}

}  // namespace
