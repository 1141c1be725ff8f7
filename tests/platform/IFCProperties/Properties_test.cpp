// What the property library itself decides: unset bounds, and who owns an enumeration.
#include <gtest/gtest.h>

#include "IPL/AnyValue.h"
#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyEnumeration.h"
#include "IPL/Value.h"
#include "KT/SharedPtr.h"

namespace {

using IPL::AnyValue;
using IPL::IFCType;

IPL::Value Length(double metres) {
  return IPL::Value(AnyValue::FromReal(metres), IFCType::IfcLengthMeasure);
}
IPL::Value Label(const char* text) {
  return IPL::Value(AnyValue::FromString(text), IFCType::IfcLabel);
}

TEST(PropertyBoundedValue, SynchronizeTypesClearsUnusableValuesAndKeepsUsableOnes) {
  IPL::PropertyBoundedValue bounded;
  bounded.SetName("Range");
  const IPL::Value typedEmpty(AnyValue(AnyValue::Real), IFCType::IfcThermodynamicTemperatureMeasure);
  const IPL::Value untypedWithType(AnyValue(), IFCType::IfcLabel);
  const IPL::Value setPoint(AnyValue::FromReal(20.0), IFCType::IfcThermodynamicTemperatureMeasure);
  bounded.SetLowerBoundValue(typedEmpty);
  bounded.SetUpperBoundValue(untypedWithType);
  bounded.SetSetPointValue(setPoint);
  // The setters keep what they are given.
  EXPECT_EQ(bounded.GetLowerBoundValue(), typedEmpty);
  EXPECT_EQ(bounded.GetUpperBoundValue(), untypedWithType);

  bounded.SynchronizeTypes();
  EXPECT_EQ(bounded.GetLowerBoundValue(), IPL::Value());
  EXPECT_EQ(bounded.GetLowerBoundValue().GetIFCType(), IFCType::NullIFCType);
  EXPECT_EQ(bounded.GetUpperBoundValue(), IPL::Value());
  EXPECT_EQ(bounded.GetSetPointValue(), setPoint);

  // Usable bounds of different IFC types are left alone.
  bounded.SetLowerBoundValue(Length(1.0));
  bounded.SetUpperBoundValue(Label("high"));
  bounded.SynchronizeTypes();
  EXPECT_EQ(bounded.GetLowerBoundValue(), Length(1.0));
  EXPECT_EQ(bounded.GetUpperBoundValue(), Label("high"));
}

TEST(PropertyEnumeratedValue, OwnsItsEnumerationAndCopiesNeverShareIt) {
  IPL::PropertyEnumeration colours;
  colours.SetEnumerationValues(KT::Array<IPL::Value>{Label("red"), Label("green")});
  KT::SharedPtr<IPL::Property> clone;
  const IPL::PropertyEnumeration* originalEnumeration = nullptr;
  {
    IPL::PropertyEnumeratedValue colour;
    colour.SetName("Colour");
    colour.SetEnumerationReference(colours.Clone());
    colour.SetEnumerationValues(KT::Array<IPL::Value>{Label("red")});
    originalEnumeration = colour.GetEnumerationReference();
    ASSERT_NE(originalEnumeration, nullptr);
    EXPECT_EQ(originalEnumeration->GetReferenceCount(), 1);
    clone = KT::SharedPtr<IPL::Property>(colour.Clone());

    // Replacing the reference frees the old one (the sanitizer build would report a leak otherwise).
    colour.SetEnumerationReference(nullptr);
    EXPECT_EQ(colour.GetEnumerationReference(), nullptr);
  }
  // The clone outlives the original and holds an enumeration of its own.
  const auto* enumerated = dynamic_cast<const IPL::PropertyEnumeratedValue*>(clone.Get());
  ASSERT_NE(enumerated, nullptr);
  const IPL::PropertyEnumeration* reference = enumerated->GetEnumerationReference();
  ASSERT_NE(reference, nullptr);
  EXPECT_EQ(reference->GetReferenceCount(), 1);
  ASSERT_EQ(reference->GetEnumerationValues().GetSize(), 2u);
  EXPECT_EQ(reference->GetEnumerationValues()[1], Label("green"));
  EXPECT_EQ(enumerated->GetEnumerationValues()[0], Label("red"));

  // Assignment also gives the target its own enumeration.
  IPL::PropertyEnumeratedValue assigned;
  assigned = *enumerated;
  EXPECT_NE(assigned.GetEnumerationReference(), reference);
  ASSERT_NE(assigned.GetEnumerationReference(), nullptr);
  EXPECT_EQ(assigned.GetEnumerationReference()->GetEnumerationValues().GetSize(), 2u);
}

}  // namespace
