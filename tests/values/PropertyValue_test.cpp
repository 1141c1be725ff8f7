// The property factories: the general one, single, bounded, list, enumerated and table values.
#include "IFCAPI/PropertyValue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySingleValue.h"
#include "IPL/PropertyTableValue.h"
#include "ValuesTesting.h"

namespace {

using IFCAPI::Impl::PropertyValue;
using IFCAPI::Impl::Value;
using namespace IFCAPI::Testing;
namespace Errors = IFCAPI::Impl::Errors;
using Values = KT::Array<Value>;
using PV = PropertyValue;

template <class Kind>
const Kind& PropertyOf(const TSAPI::Result<PropertyValue, TSAPI::Error>& created) {
  const auto* kind = created.HasValue() ? dynamic_cast<const Kind*>(created.Unwrap().GetProperty().Get()) : nullptr;
  if (kind == nullptr) {
    throw std::runtime_error("not a property of the kind expected: " + std::string(created.GetError().message));
  }
  return *kind;
}

// Each factory checks its values before the names, the property name before the set name; the first
// bad element of a list decides.
TEST(PropertyValueFactories, TheFirstBrokenRuleIsReported) {
  const Values labels{Label("red"), Label("green")};
  const Value area = MakeValue("IfcAreaMeasure", IPL::AnyValue::FromReal(2.0));  // a real, of another IFC type
  const Value empty = EmptyLength();
  IPL::PropertySingleValue named;
  named.SetName("Width");
  const struct {
    TSAPI::Result<PropertyValue, TSAPI::Error> result;
    const IFCAPI::Impl::ErrorKind& kind;
  } cases[] = {
      {PV::Create(AddOnB, "", IPL::PropertySingleValue()), Errors::PropertyNameEmpty},
      {PV::Create(AddOnB, "", named), Errors::PropertySetNameEmpty},
      {PV::CreateSingleValue(AddOnB, "", "", empty), Errors::InvalidValueGiven},
      {PV::CreateSingleValue(AddOnB, "Pset", "", Length(1.0)), Errors::PropertyNameEmpty},
      {PV::CreateSingleValue(AddOnB, "", "Width", Length(1.0)), Errors::PropertySetNameEmpty},
      {PV::CreateBoundedValue(AddOnB, "", "", empty, empty, empty), Errors::NoBoundSet},
      {PV::CreateBoundedValue(AddOnB, "Pset", "", Length(1.0), Length(2.0), empty), Errors::PropertyNameEmpty},
      {PV::CreateListValue(AddOnB, "", "", Values{}), Errors::ValueListEmpty},
      {PV::CreateListValue(AddOnB, "Pset", "L", Values{Length(1.0), Label("x")}), Errors::ValueTypesMismatch},
      {PV::CreateListValue(AddOnB, "", "", Values{Length(1.0), empty, Label("x")}), Errors::InvalidValueFound},
      {PV::CreateListValue(AddOnB, "Pset", "L", Values{Length(1.0), area}), Errors::ValueTypesMismatch},
      {PV::CreateListValue(AddOnB, "Pset", "", Values{Length(1.0)}), Errors::PropertyNameEmpty},
      {PV::CreateEnumeratedValue(AddOnB, "", "", Values{}, Values{empty}), Errors::ValueListEmpty},
      {PV::CreateEnumeratedValue(AddOnB, "", "", Values{Label("a"), empty}, Values{}), Errors::InvalidValueFound},
      {PV::CreateEnumeratedValue(AddOnB, "", "", labels, Values{}), Errors::ValueListEmpty},
      // Each list is of one type, but not the same one; this outranks the empty names.
      {PV::CreateEnumeratedValue(AddOnB, "", "", labels, Values{Length(1.0)}), Errors::ValueTypesMismatch},
      {PV::CreateEnumeratedValue(AddOnB, "", "", labels, Values{Label("red")}), Errors::PropertyNameEmpty},
      {PV::CreateEnumeratedValue(AddOnB, "", "Colour", labels, Values{Label("red")}), Errors::PropertySetNameEmpty},
      // Sizes differ and a column holds an invalid value: the sizes are reported.
      {PV::CreateTableValue(AddOnB, "", "", Values{empty}, Values{}), Errors::TableSizesMismatch},
      {PV::CreateTableValue(AddOnB, "", "", Values{}, Values{}), Errors::ValueListEmpty},
      {PV::CreateTableValue(AddOnB, "", "", Values{Length(1.0), Label("x")}, Values{empty, Length(2.0)}),
       Errors::ValueTypesMismatch},
      {PV::CreateTableValue(AddOnB, "", "", Values{Length(1.0), Length(2.0)}, Values{Label("x"), empty}),
       Errors::InvalidValueFound},
      {PV::CreateTableValue(AddOnB, "", "", Values{Length(1.0)}, Values{Label("x")}), Errors::PropertyNameEmpty},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_TRUE(FailedWith(cases[i].result, cases[i].kind)) << "case " << i;
  }
}

TEST(PropertyValueCreate, KeepsAClonePrivateFromTheCallerAndSharedByCopies) {
  IPL::PropertySingleValue width;
  width.SetName("Width");
  width.SetNominalValue(Length(0.3).GetValue());
  auto created = PV::Create(AddOnA, "Pset_WallCommon", width);
  width.SetName("Changed");
  width.SetNominalValue(Length(9.0).GetValue());
  const PropertyValue& value = created.Unwrap();
  EXPECT_TRUE(value.GetProperty().Get() != &width && value.GetProperty()->GetName() == KT::UniString("Width"));
  EXPECT_EQ(PropertyOf<IPL::PropertySingleValue>(created).GetNominalValue(), Length(0.3).GetValue());
  EXPECT_EQ(value.GetPropertySetName(), KT::UniString("Pset_WallCommon"));
  const int owners = value.GetProperty()->GetReferenceCount();
  {
    const PropertyValue copy(value);
    EXPECT_TRUE(copy.GetProperty() == value.GetProperty() && copy.GetToken() == AddOnA);
    EXPECT_EQ(copy.GetProperty()->GetReferenceCount(), owners + 1);
  }
  EXPECT_EQ(value.GetProperty()->GetReferenceCount(), owners);
}

// Single and list values keep theirs in order; any single valid bound is enough, wherever it stands,
// and the unset ones are cleared by the library.
TEST(PropertyValueSingleBoundedAndList, HoldTheirValuesInTheirOwnSlots) {
  auto width = PV::CreateSingleValue(AddOnA, "Pset", "Width", Length(1.5));
  const auto& single = PropertyOf<IPL::PropertySingleValue>(width);
  EXPECT_TRUE(single.GetName() == KT::UniString("Width") && single.GetNominalValue() == Length(1.5).GetValue());
  for (int valid = 0; valid < 3; ++valid) {
    auto created =
        PV::CreateBoundedValue(AddOnA, "Pset", "Range", valid == 0 ? Length(1.0) : EmptyLength(),
                               valid == 1 ? Length(2.0) : EmptyLength(), valid == 2 ? Length(3.0) : EmptyLength());
    const auto& bounded = PropertyOf<IPL::PropertyBoundedValue>(created);
    const IPL::Value* slots[] = {&bounded.GetLowerBoundValue(), &bounded.GetUpperBoundValue(),
                                 &bounded.GetSetPointValue()};
    for (int slot = 0; slot < 3; ++slot) {
      EXPECT_EQ(slots[slot]->HasValue(), slot == valid) << valid << ", " << slot;
    }
    EXPECT_EQ(slots[valid]->GetReal(), valid + 1.0);
  }
  auto three = PV::CreateListValue(AddOnA, "Pset", "L", Values{Length(3.0), Length(1.0), Length(2.0)});
  const KT::Array<IPL::Value>& list = PropertyOf<IPL::PropertyListValue>(three).GetListValues();
  ASSERT_EQ(list.GetSize(), 3u);
  EXPECT_TRUE(list[0].GetReal() == 3.0 && list[1].GetReal() == 1.0 && list[2].GetReal() == 2.0);
}

// Only the IFC type of an enumerated value is checked ("blue" is not allowed); table columns may
// differ in type and keep their pairing.
TEST(PropertyValueEnumeratedAndTable, HoldTheirValuesAndTheAllowedOnes) {
  auto created =
      PV::CreateEnumeratedValue(AddOnA, "Pset", "Colour", Values{Label("red"), Label("green")}, Values{Label("blue")});
  const auto& enumerated = PropertyOf<IPL::PropertyEnumeratedValue>(created);
  ASSERT_EQ(enumerated.GetEnumerationValues().GetSize(), 1u);
  EXPECT_TRUE(enumerated.GetName() == KT::UniString("Colour") &&
              enumerated.GetEnumerationValues()[0].GetString() == KT::UniString("blue"));
  const IPL::PropertyEnumeration* allowed = enumerated.GetEnumerationReference();
  ASSERT_TRUE(allowed != nullptr && allowed->GetName().IsEmpty() && allowed->GetEnumerationValues().GetSize() == 2);
  EXPECT_TRUE(allowed->GetEnumerationValues()[0].GetString() == KT::UniString("red") &&
              allowed->GetEnumerationValues()[1].GetString() == KT::UniString("green"));

  auto curve =
      PV::CreateTableValue(AddOnA, "Pset", "Curve", Values{Length(1.0), Length(2.0)}, Values{Count(10), Count(20)});
  const auto& table = PropertyOf<IPL::PropertyTableValue>(curve);
  ASSERT_TRUE(table.GetDefiningValues().GetSize() == 2 && table.GetDefinedValues().GetSize() == 2);
  EXPECT_TRUE(table.GetDefiningValues()[1].GetReal() == 2.0 && table.GetDefinedValues()[1].GetInteger() == 20);
  EXPECT_EQ(table.GetDefinedValues()[0].GetIFCType(), IPL::IFCType::IfcInteger);
}

}  // namespace
