#include "IFCAPI/ObjectID.h"

#include <gtest/gtest.h>

namespace {

using IFCAPI::Impl::ObjectID;

const API_Guid AddOnA = ToAPIGuid(KT::Guid("{AAAAAAAA-0000-0000-0000-000000000001}"));
const API_Guid AddOnB = ToAPIGuid(KT::Guid("{BBBBBBBB-0000-0000-0000-000000000002}"));

KT::Guid GuidOfBytes(std::uint8_t first, std::uint8_t rest) {
  KT::Guid::Bytes bytes;
  bytes.fill(rest);
  bytes[0] = first;
  return KT::Guid(bytes);
}

TEST(ObjectID, HashIsTheTypeOrTheWrappingSumOfTheGuidWords) {
  EXPECT_EQ(ObjectID(AddOnA, IPL::IFCType::IfcDistributionSystem).GenerateHashValue(), 393u);
  EXPECT_EQ(ObjectID(AddOnA, GuidOfBytes(1, 0)).GenerateHashValue(), 1u);
  EXPECT_EQ(ObjectID(AddOnA, GuidOfBytes(0xFF, 0xFF)).GenerateHashValue(), 0xFFFFFFFCu);

  // Words are little-endian: byte 4 is the low byte of the second word, byte 7 its high byte.
  KT::Guid::Bytes bytes{};
  bytes[4] = 0x02;
  bytes[7] = 0x01;
  EXPECT_EQ(ObjectID(AddOnA, KT::Guid(bytes)).GenerateHashValue(), 0x01000002u);

  // Permuted words collide in the hash but stay unequal.
  KT::Guid::Bytes first{}, second{};
  first[0] = 5;
  second[12] = 5;
  const ObjectID a(AddOnA, KT::Guid(first));
  const ObjectID b(AddOnA, KT::Guid(second));
  EXPECT_EQ(a.GenerateHashValue(), b.GenerateHashValue());
  EXPECT_NE(a, b);
}

TEST(ObjectID, EqualityComparesKindAndValueButNeverTheToken) {
  const ObjectID zeroType(AddOnA, IFCAPI::Impl::NullIFCType);
  const ObjectID zeroGuid(AddOnA, KT::NULLGuid);
  // Both report type 0 and the null GUID, yet they are different kinds.
  EXPECT_EQ(zeroType.GetIFCType(), zeroGuid.GetIFCType());
  EXPECT_EQ(&zeroType.GetGUID(), &KT::NULLGuid);
  EXPECT_EQ(zeroType.GetGUID(), zeroGuid.GetGUID());
  EXPECT_FALSE(zeroType == zeroGuid);
  EXPECT_TRUE(zeroType != zeroGuid);

  const KT::Guid guid("{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}");
  EXPECT_TRUE(ObjectID(AddOnA, guid) == ObjectID(AddOnB, guid));
  EXPECT_FALSE(ObjectID(AddOnA, guid) != ObjectID(AddOnB, guid));

  const ObjectID groupA(AddOnA, IPL::IFCType::IfcGroup);
  EXPECT_TRUE(groupA == ObjectID(AddOnB, IPL::IFCType::IfcGroup));
  EXPECT_TRUE(groupA != ObjectID(AddOnA, IPL::IFCType::IfcSystem));
}

}  // namespace
