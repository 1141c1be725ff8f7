#include "IFCAPI/ObjectID.h"

#include <gtest/gtest.h>

namespace {

using IFCAPI::Impl::ObjectID;

const API_Guid AddOnA = ToAPIGuid(KT::Guid("{AAAAAAAA-0000-0000-0000-000000000001}"));
const API_Guid AddOnB = ToAPIGuid(KT::Guid("{BBBBBBBB-0000-0000-0000-000000000002}"));

ObjectID OfBytes(std::initializer_list<std::pair<int, std::uint8_t>> set, std::uint8_t rest = 0) {
  KT::Guid::Bytes bytes;
  bytes.fill(rest);
  for (const auto& [index, value] : set) {
    bytes[static_cast<std::size_t>(index)] = value;
  }
  return ObjectID(AddOnA, KT::Guid(bytes));
}

// Words are little-endian: byte 4 is the low byte of the second word, byte 7 its high byte.
// Permuted words collide in the hash but stay unequal.
TEST(ObjectID, HashIsTheTypeOrTheWrappingSumOfTheGuidWords) {
  EXPECT_EQ(ObjectID(AddOnA, IPL::IFCType::IfcDistributionSystem).GenerateHashValue(), 393u);
  EXPECT_EQ(OfBytes({{0, 1}}).GenerateHashValue(), 1u);
  EXPECT_EQ(OfBytes({}, 0xFF).GenerateHashValue(), 0xFFFFFFFCu);
  EXPECT_EQ(OfBytes({{4, 2}, {7, 1}}).GenerateHashValue(), 0x01000002u);
  EXPECT_EQ(OfBytes({{0, 5}}).GenerateHashValue(), OfBytes({{12, 5}}).GenerateHashValue());
  EXPECT_NE(OfBytes({{0, 5}}), OfBytes({{12, 5}}));
}

TEST(ObjectID, EqualityComparesKindAndValueButNeverTheToken) {
  const ObjectID zeroType(AddOnA, IFCAPI::Impl::NullIFCType);
  const ObjectID zeroGuid(AddOnA, KT::NULLGuid);
  // Both report type 0 and the null GUID, yet they are different kinds.
  EXPECT_TRUE(zeroType.GetIFCType() == zeroGuid.GetIFCType() && zeroType.GetGUID() == zeroGuid.GetGUID());
  EXPECT_EQ(&zeroType.GetGUID(), &KT::NULLGuid);
  EXPECT_TRUE(!(zeroType == zeroGuid) && zeroType != zeroGuid);

  const KT::Guid guid("{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}");
  EXPECT_TRUE(ObjectID(AddOnA, guid) == ObjectID(AddOnB, guid) && !(ObjectID(AddOnA, guid) != ObjectID(AddOnB, guid)));
  const ObjectID groupA(AddOnA, IPL::IFCType::IfcGroup);
  EXPECT_TRUE(groupA == ObjectID(AddOnB, IPL::IFCType::IfcGroup) &&
              groupA != ObjectID(AddOnA, IPL::IFCType::IfcSystem));
}

}  // namespace
