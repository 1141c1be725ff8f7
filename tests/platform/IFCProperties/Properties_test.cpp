// What the property library itself decides: unset bounds, and who owns an enumeration.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "IPL/AnyValue.h"
#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyEnumeration.h"
#include "IPL/Value.h"
#include "KT/SharedPtr.h"

namespace {

using IPL::AnyValue;
using IPL::IFCType;

IPL::Value Label(const char* text) {
  return IPL::Value(AnyValue::FromString(text), IFCType::IfcLabel);
}

// Unusable bounds (typed but empty, or a type without a value) are cleared, type included; usable
// bounds of different IFC types are left alone.
TEST(PropertyBoundedValue, SynchronizeTypesClearsUnusableValuesAndKeepsUsableOnes) {
  const IPL::Value metre(AnyValue::FromReal(1.0), IFCType::IfcLengthMeasure);
  IPL::PropertyBoundedValue bounded;
  bounded.SetLowerBoundValue(IPL::Value(AnyValue(AnyValue::Real), IFCType::IfcThermodynamicTemperatureMeasure));
  bounded.SetUpperBoundValue(Label("high"));
  bounded.SetSetPointValue(metre);
  bounded.SynchronizeTypes();
  EXPECT_EQ(bounded.GetLowerBoundValue(), IPL::Value());
  EXPECT_EQ(bounded.GetLowerBoundValue().GetIFCType(), IFCType::NullIFCType);
  EXPECT_EQ(bounded.GetUpperBoundValue(), Label("high"));
  EXPECT_EQ(bounded.GetSetPointValue(), metre);
  bounded.SetSetPointValue(IPL::Value(AnyValue(), IFCType::IfcLabel));
  bounded.SynchronizeTypes();
  EXPECT_EQ(bounded.GetSetPointValue(), IPL::Value());
}

TEST(PropertyEnumeratedValue, OwnsItsEnumerationAndCopiesNeverShareIt) {
  IPL::PropertyEnumeration colours;
  colours.SetEnumerationValues(KT::Array<IPL::Value>{Label("red"), Label("green")});
  KT::SharedPtr<IPL::Property> clone;
  {
    IPL::PropertyEnumeratedValue colour;
    colour.SetEnumerationReference(colours.Clone());
    colour.SetEnumerationValues(KT::Array<IPL::Value>{Label("red")});
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
  ASSERT_NE(assigned.GetEnumerationReference(), nullptr);
  EXPECT_NE(assigned.GetEnumerationReference(), reference);
  EXPECT_EQ(assigned.GetEnumerationReference()->GetEnumerationValues().GetSize(), 2u);
}

// The kinds a getter could confuse: a true boolean is not a true logical, a logical False is not an
// unset one, and bytes that include zero and 0xFF survive the copy into a typed value whole.
TEST(Value, BooleanLogicalAndBinaryGettersReadOnlyTheirOwnKind) {
  using Logical = AnyValue::LogicalValue;
  const IPL::Value yes(AnyValue::FromBoolean(true), IFCType::IfcBoolean);
  EXPECT_TRUE(yes.GetBoolean());
  EXPECT_EQ(yes.GetLogical(), Logical::Unknown);
  EXPECT_TRUE(yes.GetBinary().empty());
  for (const Logical logical : {Logical::False, Logical::True, Logical::Unknown}) {
    const IPL::Value value(AnyValue::FromLogical(logical), IFCType::IfcLogical);
    EXPECT_TRUE(value.HasValue() && value.GetValueType() == AnyValue::Logical && !value.GetBoolean());
    EXPECT_EQ(value.GetLogical(), logical);
  }
  // A held Unknown and a logical without a value read alike but are different values.
  EXPECT_NE(IPL::Value(AnyValue::FromLogical(Logical::Unknown), IFCType::IfcLogical),
            IPL::Value(AnyValue(AnyValue::Logical), IFCType::IfcLogical));
  EXPECT_NE(IPL::Value(AnyValue::FromLogical(Logical::True), IFCType::IfcLogical),
            IPL::Value(AnyValue::FromBoolean(true), IFCType::IfcLogical));

  const std::vector<std::uint8_t> bytes{0x00, 0xFF, 0x7F, 0x00};
  const IPL::Value original(AnyValue::FromBinary(bytes), IFCType::IfcBinary);
  const IPL::Value binary = original;
  EXPECT_EQ(binary.GetBinary(), bytes);
  EXPECT_TRUE(binary.GetString().IsEmpty() && !binary.GetBoolean());
  EXPECT_TRUE(IPL::Value(AnyValue::FromBinary({}), IFCType::IfcBinary).HasValue());
}

}  // namespace
