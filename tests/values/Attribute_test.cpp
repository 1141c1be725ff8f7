#include "IFCAPI/Attribute.h"

#include <gtest/gtest.h>

#include "ValuesTesting.h"

namespace {

using IFCAPI::Impl::Attribute;
using namespace IFCAPI::Testing;
namespace Errors = IFCAPI::Impl::Errors;

TEST(Attribute, EmptyNameFailsWhateverTheValue) {
  EXPECT_TRUE(FailedWith(Attribute::Create(AddOnB, "", KT::UniString("value")), Errors::AttributeNameEmpty));
  EXPECT_TRUE(FailedWith(Attribute::Create(AddOnA, "", std::nullopt), Errors::AttributeNameEmpty, AddOnA));
}

TEST(Attribute, AbsentAndEmptyValuesAreTold) {
  auto absent = Attribute::Create(AddOnA, " ", std::nullopt);  // a blank name is a name
  ASSERT_TRUE(absent.HasValue());
  EXPECT_EQ(absent.GetToken(), NullToken);
  const IPL::GeneralAttribute& a = absent.Unwrap().GetAttribute();
  EXPECT_EQ(a.GetName(), KT::UniString(" "));
  EXPECT_TRUE(a.GetDescription().IsEmpty());
  EXPECT_TRUE(a.GetValue().IsEmpty());
  EXPECT_FALSE(a.HasValue());

  auto empty = Attribute::Create(AddOnA, "Tag", KT::UniString());
  ASSERT_TRUE(empty.HasValue());
  EXPECT_TRUE(empty.Unwrap().GetAttribute().GetValue().IsEmpty());
  EXPECT_TRUE(empty.Unwrap().GetAttribute().HasValue());

  auto given = Attribute::Create(AddOnA, "Tag", KT::UniString("W-12"));
  ASSERT_TRUE(given.HasValue());
  EXPECT_EQ(given.Unwrap().GetAttribute().GetValue(), KT::UniString("W-12"));
  EXPECT_TRUE(given.Unwrap().GetAttribute().HasValue());
  EXPECT_EQ(given.Unwrap().GetToken(), AddOnA);
}

}  // namespace
