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

IPL::Value Length(double metres) {
  return IPL::Value(AnyValue::FromReal(metres), IFCType::IfcLengthMeasure);
}
IPL::Value Label(const char* text) {
  return IPL::Value(AnyValue::FromString(text), IFCType::IfcLabel);
}

// Unusable bounds (typed but empty, or a type without a value) are cleared, type included; usable
// bounds of different IFC types are left alone.
TEST(PropertyBoundedValue, SynchronizeTypesClearsUnusableValuesAndKeepsUsableOnes) {
  IPL::PropertyBoundedValue bounded;
  bounded.SetLowerBoundValue(IPL::Value(AnyValue(AnyValue::Real), IFCType::IfcThermodynamicTemperatureMeasure));
  bounded.SetUpperBoundValue(Label("high"));
  bounded.SetSetPointValue(Length(1.0));
  bounded.SynchronizeTypes();
  EXPECT_EQ(bounded.GetLowerBoundValue(), IPL::Value());
  EXPECT_EQ(bounded.GetLowerBoundValue().GetIFCType(), IFCType::NullIFCType);
  EXPECT_EQ(bounded.GetUpperBoundValue(), Label("high"));
  EXPECT_EQ(bounded.GetSetPointValue(), Length(1.0));
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
  const IPL::Value yes(AnyValue::FromBoolean(true), IFCType::IfcBoolean);
  EXPECT_EQ(yes.GetValueType(), AnyValue::Boolean);
  EXPECT_TRUE(yes.GetBoolean());
  EXPECT_EQ(yes.GetLogical(), AnyValue::LogicalValue::Unknown);
  EXPECT_FALSE(IPL::Value(AnyValue::FromBoolean(false), IFCType::IfcBoolean).GetBoolean());

  for (const auto logical :
       {AnyValue::LogicalValue::False, AnyValue::LogicalValue::True, AnyValue::LogicalValue::Unknown}) {
    const IPL::Value value(AnyValue::FromLogical(logical), IFCType::IfcLogical);
    EXPECT_EQ(value.GetValueType(), AnyValue::Logical);
    EXPECT_TRUE(value.HasValue());
    EXPECT_EQ(value.GetLogical(), logical);
    EXPECT_FALSE(value.GetBoolean());
  }
  // A held Unknown and a logical without a value read alike but are different values.
  EXPECT_NE(IPL::Value(AnyValue::FromLogical(AnyValue::LogicalValue::Unknown), IFCType::IfcLogical),
            IPL::Value(AnyValue(AnyValue::Logical), IFCType::IfcLogical));
  EXPECT_NE(IPL::Value(AnyValue::FromLogical(AnyValue::LogicalValue::True), IFCType::IfcLogical),
            IPL::Value(AnyValue::FromBoolean(true), IFCType::IfcLogical));

  const std::vector<std::uint8_t> bytes{0x00, 0xFF, 0x7F, 0x00};
  const IPL::Value binary(AnyValue::FromBinary(bytes), IFCType::IfcBinary);
  const IPL::Value copy = binary;
  EXPECT_EQ(copy.GetValueType(), AnyValue::Binary);
  EXPECT_EQ(copy.GetBinary(), bytes);
  EXPECT_TRUE(IPL::Value(AnyValue::FromBinary({}), IFCType::IfcBinary).HasValue());
  EXPECT_TRUE(yes.GetBinary().empty());
  EXPECT_TRUE(binary.GetString().IsEmpty());
  EXPECT_FALSE(binary.GetBoolean());
}

}  // namespace
