// Helpers of the hooks tests: two add-on tokens, element identifiers made from a number, and the
// members of a node set as a list.
//
//   EXPECT_EQ(Members(tree.GetChildren().Get(Node(1))), (std::vector<ObjectID>{Node(2), Node(3)}));
#pragma once

#include <cstdint>
#include <vector>

#include "IFCAPI/Assignments.h"
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
  std::vector<Impl::ObjectID> members;
  if (set != nullptr) {
    for (const Impl::ObjectID& id : *set)
      members.push_back(id);
  }
  return members;
}

}  // namespace IFCAPI::Testing
