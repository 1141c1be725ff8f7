// Test helpers for assignment trees: a full, ordered picture of an object's contents, to show that a
// call that failed changed nothing, and the check of the invariant that ties `children` to `parents`.
//
//   const TreeImage before = TreeImage::Of(tree);
//   ... a call that fails ...
//   EXPECT_TRUE(TreeImage::Of(tree) == before);
//   ExpectLinksMirrored(tree);
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <tuple>
#include <vector>

#include "IFCAPI/HookAssignments.h"

namespace IFCAPI::Testing {

struct TreeImage {
  // Per table, each key followed by its members, in enumeration order.
  std::vector<std::vector<Impl::ObjectID>> children, parents;
  std::vector<Impl::ObjectID> roots;
  // HookAssignments only: groups with type and name, relations with type.
  std::vector<std::tuple<Impl::ObjectID, IPL::IFCType, std::optional<KT::UniString>>> groups;
  std::vector<std::tuple<Impl::ObjectID, IPL::IFCType>> relations;

  static TreeImage Of(const Impl::Assignments& tree) {
    TreeImage image;
    image.children = Rows(tree.GetChildren());
    image.parents = Rows(tree.GetParents());
    for (const Impl::ObjectID& root : tree.GetRoots())
      image.roots.push_back(root);
    return image;
  }

  static TreeImage Of(const Impl::HookAssignments& assignments) {
    TreeImage image = Of(static_cast<const Impl::Assignments&>(assignments));
    for (const auto& entry : assignments.GetGroups())
      image.groups.emplace_back(entry.key, entry.value.type, entry.value.name);
    for (const auto& entry : assignments.GetRelations())
      image.relations.emplace_back(entry.key, entry.value.type);
    return image;
  }

  bool operator==(const TreeImage& other) const {
    return std::tie(children, parents, roots, groups, relations) ==
           std::tie(other.children, other.parents, other.roots, other.groups, other.relations);
  }

 private:
  static std::vector<std::vector<Impl::ObjectID>> Rows(const Impl::Assignments::LinkTable& table) {
    std::vector<std::vector<Impl::ObjectID>> rows;
    for (const auto& entry : table) {
      rows.push_back({entry.key});
      for (const Impl::ObjectID& member : entry.value)
        rows.back().push_back(member);
    }
    return rows;
  }
};

// c is in the set of p in `children` exactly when p is in the set of c in `parents`, and every key
// is found again through the table's lookup.
inline void ExpectLinksMirrored(const Impl::Assignments& tree) {
  std::uint32_t links = 0;
  for (const auto& entry : tree.GetChildren()) {
    EXPECT_EQ(tree.GetChildren().Get(entry.key), &entry.value);
    for (const Impl::ObjectID& child : entry.value) {
      const Impl::Assignments::NodeSet* parents = tree.GetParents().Get(child);
      EXPECT_TRUE(parents != nullptr && parents->Contains(entry.key)) << "a link recorded downwards only";
      ++links;
    }
  }
  for (const auto& entry : tree.GetParents()) {
    EXPECT_EQ(tree.GetParents().Get(entry.key), &entry.value);
    for (const Impl::ObjectID& parent : entry.value) {
      const Impl::Assignments::NodeSet* children = tree.GetChildren().Get(parent);
      EXPECT_TRUE(children != nullptr && children->Contains(entry.key)) << "a link recorded upwards only";
      --links;
    }
  }
  EXPECT_EQ(links, 0u);
}

}  // namespace IFCAPI::Testing
