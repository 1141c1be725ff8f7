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

// An absent value and an empty one read alike; only HasValue tells them apart.
TEST(Attribute, AbsentAndEmptyValuesAreTold) {
  const struct {
    const char* name;
    std::optional<KT::UniString> value;
    bool hasValue;
  } cases[] = {{" ", std::nullopt, false}, {"Tag", KT::UniString(), true}, {"Tag", KT::UniString("W-12"), true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hasValue ? c.value->ToUTF8() : "absent");
    auto created = Attribute::Create(AddOnA, c.name, c.value);  // a blank name is a name
    ASSERT_TRUE(created.HasValue());
    const IPL::GeneralAttribute& a = created.Unwrap().GetAttribute();
    EXPECT_EQ(a.GetName(), KT::UniString(c.name));
    EXPECT_TRUE(a.GetDescription().IsEmpty());
    EXPECT_EQ(a.GetValue(), c.value.value_or(KT::UniString()));
    EXPECT_EQ(a.HasValue(), c.hasValue);
    EXPECT_EQ(created.Unwrap().GetToken(), AddOnA);
  }
}

}  // namespace
