#include <gtest/gtest.h>

#include "IFCAPI/ObjectAccessor.h"
#include "IFCAPI/PropertyAccessor.h"
#include "IFCAPI/PropertyBuilder.h"
#include "ValuesTesting.h"

namespace {

using IFCAPI::Impl::ObjectAccessor;
using IFCAPI::Impl::ObjectID;
using IFCAPI::Impl::PropertyAccessor;
using IFCAPI::Impl::PropertyBuilder;
using namespace IFCAPI::Testing;

TEST(PropertyAccessor, KeepsTheWholeEntityOfEitherKindWithItsOwnToken) {
  const KT::Guid wall("{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}");
  const PropertyAccessor byGuid(AddOnA, ObjectID(AddOnB, wall));
  EXPECT_EQ(byGuid.GetToken(), AddOnA);
  EXPECT_EQ(byGuid.GetObjectID().GetToken(), AddOnB);
  EXPECT_EQ(byGuid.GetObjectID(), ObjectID(AddOnA, wall));
  EXPECT_EQ(byGuid.GetObjectID().GetGUID(), wall);

  const PropertyAccessor byType(AddOnA, ObjectID(AddOnA, IPL::IFCType::IfcDistributionSystem));
  const PropertyAccessor copy(byType);
  EXPECT_EQ(copy.GetToken(), AddOnA);
  EXPECT_EQ(copy.GetObjectID().GetIFCType(), IPL::IFCType::IfcDistributionSystem);
  EXPECT_NE(copy.GetObjectID(), ObjectID(AddOnA, KT::NULLGuid));
}

// The two handles without fields of their own still carry the add-on's token, and so do copies.
TEST(Handles, ObjectAccessorAndPropertyBuilderKeepTheirTokenThroughCopies) {
  const ObjectAccessor accessor(AddOnA);
  const ObjectAccessor accessorCopy(accessor);
  EXPECT_EQ(accessorCopy.GetToken(), AddOnA);
  const PropertyBuilder builder(AddOnB);
  const PropertyBuilder builderCopy(builder);
  EXPECT_EQ(builderCopy.GetToken(), AddOnB);
  EXPECT_NE(accessorCopy.GetToken(), builderCopy.GetToken());
}

}  // namespace
