// The enumerated and table property factories.
#include <gtest/gtest.h>

#include "IFCAPI/PropertyValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyTableValue.h"
#include "ValuesTesting.h"

namespace {

using IFCAPI::Impl::PropertyValue;
using IFCAPI::Impl::Value;
using namespace IFCAPI::Testing;
namespace Errors = IFCAPI::Impl::Errors;
using Values = KT::Array<Value>;

TEST(PropertyValueEnumerated, AllowedValuesThenHeldValuesThenTypesThenNames) {
  const Values labels{Label("red"), Label("green")};
  EXPECT_TRUE(FailedWith(PropertyValue::CreateEnumeratedValue(AddOnB, "", "", Values{}, Values{EmptyLength()}),
                         Errors::ValueListEmpty));
  EXPECT_TRUE(
      FailedWith(PropertyValue::CreateEnumeratedValue(AddOnB, "", "", Values{Label("a"), EmptyLength()}, Values{}),
                 Errors::InvalidValueFound));
  EXPECT_TRUE(
      FailedWith(PropertyValue::CreateEnumeratedValue(AddOnB, "", "", labels, Values{}), Errors::ValueListEmpty));
  // Each list is of one type, but not the same one; this outranks the empty names.
  EXPECT_TRUE(FailedWith(PropertyValue::CreateEnumeratedValue(AddOnB, "", "", labels, Values{Length(1.0)}),
                         Errors::ValueTypesMismatch));
  EXPECT_TRUE(FailedWith(PropertyValue::CreateEnumeratedValue(AddOnB, "", "", labels, Values{Label("red")}),
                         Errors::PropertyNameEmpty));
  EXPECT_TRUE(FailedWith(PropertyValue::CreateEnumeratedValue(AddOnB, "", "Colour", labels, Values{Label("red")}),
                         Errors::PropertySetNameEmpty));
}

TEST(PropertyValueEnumerated, HoldsItsValuesAndAnEnumerationOfTheAllowedOnes) {
  // "blue" is not allowed, but only the IFC type is checked.
  auto created = PropertyValue::CreateEnumeratedValue(AddOnA, "Pset", "Colour", Values{Label("red"), Label("green")},
                                                      Values{Label("blue")});
  ASSERT_TRUE(created.HasValue()) << created.GetError().message;
  const auto* enumerated = dynamic_cast<const IPL::PropertyEnumeratedValue*>(created.Unwrap().GetProperty().Get());
  ASSERT_NE(enumerated, nullptr);
  EXPECT_EQ(enumerated->GetName(), KT::UniString("Colour"));
  ASSERT_EQ(enumerated->GetEnumerationValues().GetSize(), 1u);
  EXPECT_EQ(enumerated->GetEnumerationValues()[0].GetString(), KT::UniString("blue"));
  const IPL::PropertyEnumeration* allowed = enumerated->GetEnumerationReference();
  ASSERT_NE(allowed, nullptr);
  EXPECT_TRUE(allowed->GetName().IsEmpty());
  ASSERT_EQ(allowed->GetEnumerationValues().GetSize(), 2u);
  EXPECT_EQ(allowed->GetEnumerationValues()[0].GetString(), KT::UniString("red"));
  EXPECT_EQ(allowed->GetEnumerationValues()[1].GetString(), KT::UniString("green"));
}

TEST(PropertyValueTable, SizesThenDefiningThenDefinedThenNames) {
  // Sizes differ and a column holds an invalid value: the sizes are reported.
  EXPECT_TRUE(FailedWith(PropertyValue::CreateTableValue(AddOnB, "", "", Values{EmptyLength()}, Values{}),
                         Errors::TableSizesMismatch));
  EXPECT_TRUE(FailedWith(PropertyValue::CreateTableValue(AddOnB, "", "", Values{}, Values{}), Errors::ValueListEmpty));
  EXPECT_TRUE(FailedWith(PropertyValue::CreateTableValue(AddOnB, "", "", Values{Length(1.0), Label("x")},
                                                         Values{EmptyLength(), Length(2.0)}),
                         Errors::ValueTypesMismatch));
  EXPECT_TRUE(FailedWith(PropertyValue::CreateTableValue(AddOnB, "", "", Values{Length(1.0), Length(2.0)},
                                                         Values{Label("x"), EmptyLength()}),
                         Errors::InvalidValueFound));
  EXPECT_TRUE(FailedWith(PropertyValue::CreateTableValue(AddOnB, "", "", Values{Length(1.0)}, Values{Label("x")}),
                         Errors::PropertyNameEmpty));
}

TEST(PropertyValueTable, ColumnsMayDifferInTypeAndKeepTheirPairing) {
  auto created = PropertyValue::CreateTableValue(AddOnA, "Pset", "Curve", Values{Length(1.0), Length(2.0)},
                                                 Values{Count(10), Count(20)});
  ASSERT_TRUE(created.HasValue()) << created.GetError().message;
  const auto* table = dynamic_cast<const IPL::PropertyTableValue*>(created.Unwrap().GetProperty().Get());
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->GetDefiningValues().GetSize(), 2u);
  ASSERT_EQ(table->GetDefinedValues().GetSize(), 2u);
  EXPECT_EQ(table->GetDefiningValues()[1].GetReal(), 2.0);
  EXPECT_EQ(table->GetDefinedValues()[1].GetInteger(), 20);
  EXPECT_EQ(table->GetDefinedValues()[0].GetIFCType(), IPL::IFCType::IfcInteger);
}

}  // namespace
