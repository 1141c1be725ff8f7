// Helpers of the hooks tests: add-on tokens, element identifiers made from a number, the members of a
// node set, a full ordered image of a tree (to show that a failed call changed nothing) and the check
// that ties `children` to `parents`.
//
//   const TreeImage before = ImageOf(tree);
//   ... a call that fails ...
//   EXPECT_TRUE(ImageOf(tree) == before);
//   ExpectLinksMirrored(tree);
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <tuple>
#include <vector>

#include "IFCAPI/HookAssignments.h"
#include "IFCAPI/ObjectID.h"
#include "KT/Guid.h"
#include "TSAPI/APIGuid.h"

namespace IFCAPI::Testing {

inline const API_Guid AddOn = ToAPIGuid(KT::Guid("{A0000000-0000-0000-0000-000000000001}"));
inline const API_Guid OtherAddOn = ToAPIGuid(KT::Guid("{B0000000-0000-0000-0000-000000000002}"));

// A GUID-kind identifier, distinct for each n below 256.
inline Impl::ObjectID Node(int n, const API_Guid& token = AddOn) {
  KT::Guid::Bytes bytes{};
  bytes[0] = static_cast<std::uint8_t>(n);
  bytes[15] = 0x5A;
  return Impl::ObjectID(token, KT::Guid(bytes));
}

// The members in enumeration order; none for a missing set.
inline std::vector<Impl::ObjectID> Members(const Impl::Assignments::NodeSet* set) {
  return set == nullptr ? std::vector<Impl::ObjectID>() : std::vector<Impl::ObjectID>(set->begin(), set->end());
}

// Per table, each key followed by its members, in enumeration order.
using Rows = std::vector<std::vector<Impl::ObjectID>>;
inline Rows RowsOf(const Impl::Assignments::LinkTable& table) {
  Rows rows;
  for (const auto& entry : table) {
    rows.push_back({entry.key});
    for (const Impl::ObjectID& member : entry.value) {
      rows.back().push_back(member);
    }
  }
  return rows;
}

// Children, parents, roots and, of HookAssignments only, groups with type and name and relations.
using TreeImage = std::tuple<Rows, Rows, std::vector<Impl::ObjectID>,
                             std::vector<std::tuple<Impl::ObjectID, IPL::IFCType, std::optional<KT::UniString>>>,
                             std::vector<std::pair<Impl::ObjectID, IPL::IFCType>>>;
inline TreeImage ImageOf(const Impl::Assignments& tree) {
  return {RowsOf(tree.GetChildren()), RowsOf(tree.GetParents()), Members(&tree.GetRoots()), {}, {}};
}
inline TreeImage ImageOf(const Impl::HookAssignments& assignments) {
  TreeImage image = ImageOf(static_cast<const Impl::Assignments&>(assignments));
  for (const auto& entry : assignments.GetGroups()) {
    std::get<3>(image).emplace_back(entry.key, entry.value.type, entry.value.name);
  }
  for (const auto& entry : assignments.GetRelations()) {
    std::get<4>(image).emplace_back(entry.key, entry.value.type);
  }
  return image;
}

// c is in the set of p in `children` exactly when p is in the set of c in `parents`, and every key
// is found again through the table's lookup.
inline void ExpectLinksMirrored(const Impl::Assignments& tree) {
  const auto countMirrored = [](const Impl::Assignments::LinkTable& from, const Impl::Assignments::LinkTable& to) {
    std::uint32_t links = 0;
    for (const auto& entry : from) {
      EXPECT_EQ(from.Get(entry.key), &entry.value);
      for (const Impl::ObjectID& member : entry.value) {
        const Impl::Assignments::NodeSet* back = to.Get(member);
        EXPECT_TRUE(back != nullptr && back->Contains(entry.key)) << "a link recorded in one direction only";
        ++links;
      }
    }
    return links;
  };
  EXPECT_EQ(countMirrored(tree.GetChildren(), tree.GetParents()), countMirrored(tree.GetParents(), tree.GetChildren()));
}

}  // namespace IFCAPI::Testing
