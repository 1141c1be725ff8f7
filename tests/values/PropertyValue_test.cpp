// The general factory and the single, bounded and list property factories.
#include "IFCAPI/PropertyValue.h"

#include <gtest/gtest.h>

#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySingleValue.h"
#include "ValuesTesting.h"

namespace {

using IFCAPI::Impl::PropertyValue;
using IFCAPI::Impl::Value;
using namespace IFCAPI::Testing;
namespace Errors = IFCAPI::Impl::Errors;
using Values = KT::Array<Value>;

template <class Kind>
const Kind& PropertyOf(const PropertyValue& value) {
  const auto* kind = dynamic_cast<const Kind*>(value.GetProperty().Get());
  EXPECT_NE(kind, nullptr) << "the property is of another kind";
  return *kind;
}

TEST(PropertyValueCreate, PropertyNameIsCheckedBeforeTheSetName) {
  IPL::PropertySingleValue unnamed;
  EXPECT_TRUE(FailedWith(PropertyValue::Create(AddOnB, "", unnamed), Errors::PropertyNameEmpty));
  IPL::PropertySingleValue named;
  named.SetName("Width");
  EXPECT_TRUE(FailedWith(PropertyValue::Create(AddOnB, "", named), Errors::PropertySetNameEmpty));
}

TEST(PropertyValueCreate, KeepsAClonePrivateFromTheCallerAndSharedByCopies) {
  IPL::PropertySingleValue width;
  width.SetName("Width");
  width.SetNominalValue(Length(0.3).GetValue());
  auto created = PropertyValue::Create(AddOnA, "Pset_WallCommon", width);
  ASSERT_TRUE(created.HasValue());
  width.SetName("Changed");
  width.SetNominalValue(Length(9.0).GetValue());
  const PropertyValue& value = created.Unwrap();
  EXPECT_NE(value.GetProperty().Get(), &width);
  EXPECT_EQ(value.GetProperty()->GetName(), KT::UniString("Width"));
  EXPECT_EQ(PropertyOf<IPL::PropertySingleValue>(value).GetNominalValue(), Length(0.3).GetValue());
  EXPECT_EQ(value.GetPropertySetName(), KT::UniString("Pset_WallCommon"));

  const int owners = value.GetProperty()->GetReferenceCount();
  {
    const PropertyValue copy(value);
    EXPECT_EQ(copy.GetProperty(), value.GetProperty());
    EXPECT_EQ(copy.GetProperty()->GetReferenceCount(), owners + 1);
    EXPECT_EQ(copy.GetToken(), AddOnA);
  }
  EXPECT_EQ(value.GetProperty()->GetReferenceCount(), owners);
}

TEST(PropertyValueSingle, ValueCheckWinsOverNameChecks) {
  EXPECT_TRUE(FailedWith(PropertyValue::CreateSingleValue(AddOnB, "", "", EmptyLength()), Errors::InvalidValueGiven));
  EXPECT_TRUE(FailedWith(PropertyValue::CreateSingleValue(AddOnB, "Pset", "", Length(1.0)), Errors::PropertyNameEmpty));
  EXPECT_TRUE(FailedWith(PropertyValue::CreateSingleValue(AddOnB, "", "", Length(1.0)), Errors::PropertyNameEmpty));
  EXPECT_TRUE(
      FailedWith(PropertyValue::CreateSingleValue(AddOnB, "", "Width", Length(1.0)), Errors::PropertySetNameEmpty));

  auto created = PropertyValue::CreateSingleValue(AddOnA, "Pset", "Width", Length(1.5));
  ASSERT_TRUE(created.HasValue());
  EXPECT_EQ(created.Unwrap().GetProperty()->GetName(), KT::UniString("Width"));
  EXPECT_EQ(PropertyOf<IPL::PropertySingleValue>(created.Unwrap()).GetNominalValue(), Length(1.5).GetValue());
}

TEST(PropertyValueBounded, NeedsOneValidValueBeforeAnyName) {
  EXPECT_TRUE(FailedWith(PropertyValue::CreateBoundedValue(AddOnB, "", "", EmptyLength(), EmptyLength(), EmptyLength()),
                         Errors::NoBoundSet));
  // Any single valid value is enough, wherever it stands.
  for (int valid = 0; valid < 3; ++valid) {
    auto created = PropertyValue::CreateBoundedValue(AddOnA, "Pset", "Range", valid == 0 ? Length(1.0) : EmptyLength(),
                                                     valid == 1 ? Length(2.0) : EmptyLength(),
                                                     valid == 2 ? Length(3.0) : EmptyLength());
    ASSERT_TRUE(created.HasValue()) << valid;
    const auto& bounded = PropertyOf<IPL::PropertyBoundedValue>(created.Unwrap());
    const IPL::Value* slots[] = {&bounded.GetLowerBoundValue(), &bounded.GetUpperBoundValue(),
                                 &bounded.GetSetPointValue()};
    for (int slot = 0; slot < 3; ++slot) {
      // The valid one arrives in its own slot; the unset ones are cleared by the library.
      EXPECT_EQ(slots[slot]->HasValue(), slot == valid) << valid << ", " << slot;
    }
    EXPECT_EQ(slots[valid]->GetReal(), valid + 1.0);
  }
  EXPECT_TRUE(FailedWith(PropertyValue::CreateBoundedValue(AddOnB, "Pset", "", Length(1.0), Length(2.0), EmptyLength()),
                         Errors::PropertyNameEmpty));
}

TEST(PropertyValueList, FirstBadElementDecidesAndListChecksWinOverNames) {
  EXPECT_TRUE(FailedWith(PropertyValue::CreateListValue(AddOnB, "", "", Values{}), Errors::ValueListEmpty));
  EXPECT_TRUE(FailedWith(PropertyValue::CreateListValue(AddOnB, "Pset", "L", Values{Length(1.0), Label("x")}),
                         Errors::ValueTypesMismatch));
  // The invalid second element is met before the third one's other type.
  EXPECT_TRUE(FailedWith(PropertyValue::CreateListValue(AddOnB, "", "", Values{Length(1.0), EmptyLength(), Label("x")}),
                         Errors::InvalidValueFound));
  // Of the same raw kind but another IFC type.
  EXPECT_TRUE(FailedWith(
      PropertyValue::CreateListValue(AddOnB, "Pset", "L",
                                     Values{Length(1.0), MakeValue("IfcAreaMeasure", IPL::AnyValue::FromReal(2.0))}),
      Errors::ValueTypesMismatch));
  EXPECT_TRUE(
      FailedWith(PropertyValue::CreateListValue(AddOnB, "Pset", "", Values{Length(1.0)}), Errors::PropertyNameEmpty));

  auto one = PropertyValue::CreateListValue(AddOnA, "Pset", "L", Values{Length(1.0)});
  ASSERT_TRUE(one.HasValue());
  auto three = PropertyValue::CreateListValue(AddOnA, "Pset", "L", Values{Length(3.0), Length(1.0), Length(2.0)});
  ASSERT_TRUE(three.HasValue());
  const KT::Array<IPL::Value>& list = PropertyOf<IPL::PropertyListValue>(three.Unwrap()).GetListValues();
  ASSERT_EQ(list.GetSize(), 3u);
  EXPECT_EQ(list[0].GetReal(), 3.0);
  EXPECT_EQ(list[1].GetReal(), 1.0);
  EXPECT_EQ(list[2].GetReal(), 2.0);
}

}  // namespace
