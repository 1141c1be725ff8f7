#include <gtest/gtest.h>

#include "IFCAPI/ObjectAccessor.h"
#include "IFCAPI/PropertyAccessor.h"
#include "IFCAPI/PropertyBuilder.h"
#include "ValuesTesting.h"

namespace {

using IFCAPI::Impl::ObjectID;
using namespace IFCAPI::Testing;

// Copies keep the handle's own token, not the entity's, and the entity whole, of either kind.
TEST(Handles, CopiesKeepTheirTokenAndEntity) {
  const KT::Guid wall("{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}");
  const IFCAPI::Impl::PropertyAccessor byGuid(AddOnA, ObjectID(AddOnB, wall));
  const IFCAPI::Impl::PropertyAccessor byType(AddOnA, ObjectID(AddOnB, IPL::IFCType::IfcDistributionSystem));
  for (const IFCAPI::Impl::PropertyAccessor& accessor : {byGuid, byType}) {
    EXPECT_EQ(accessor.GetToken(), AddOnA);
    EXPECT_EQ(accessor.GetObjectID().GetToken(), AddOnB);
  }
  EXPECT_EQ(IFCAPI::Impl::PropertyAccessor(byGuid).GetObjectID().GetGUID(), wall);
  EXPECT_EQ(IFCAPI::Impl::PropertyAccessor(byType).GetObjectID().GetIFCType(), IPL::IFCType::IfcDistributionSystem);
  const IFCAPI::Impl::ObjectAccessor accessor(AddOnA);
  EXPECT_EQ(IFCAPI::Impl::ObjectAccessor(accessor).GetToken(), AddOnA);
  const IFCAPI::Impl::PropertyBuilder builder(AddOnB);
  EXPECT_EQ(IFCAPI::Impl::PropertyBuilder(builder).GetToken(), AddOnB);
}

}  // namespace
