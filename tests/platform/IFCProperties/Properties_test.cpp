// Raw values, the property kinds and property sets of the property library.
#include <gtest/gtest.h>

#include <vector>

#include "IPL/AnyValue.h"
#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyEnumeration.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySet.h"
#include "IPL/PropertySingleValue.h"
#include "IPL/PropertyTableValue.h"
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

TEST(AnyValue, EachKindKeepsItsTagAndValueAndOtherGettersFallBack) {
  const AnyValue boolean = AnyValue::FromBoolean(true);
  const AnyValue logical = AnyValue::FromLogical(AnyValue::LogicalValue::False);
  const AnyValue integer = AnyValue::FromInteger(-7);
  const AnyValue real = AnyValue::FromReal(2.5);
  const AnyValue text = AnyValue::FromString("abc");
  const AnyValue binary = AnyValue::FromBinary({0x01, 0xFF});
  EXPECT_EQ(boolean.GetValueType(), AnyValue::Boolean);
  EXPECT_TRUE(boolean.GetBoolean());
  EXPECT_EQ(logical.GetValueType(), AnyValue::Logical);
  EXPECT_EQ(logical.GetLogical(), AnyValue::LogicalValue::False);
  EXPECT_EQ(integer.GetValueType(), AnyValue::Integer);
  EXPECT_EQ(integer.GetInteger(), -7);
  EXPECT_EQ(real.GetValueType(), AnyValue::Real);
  EXPECT_EQ(real.GetReal(), 2.5);
  EXPECT_EQ(text.GetValueType(), AnyValue::String);
  EXPECT_EQ(text.GetString(), KT::UniString("abc"));
  EXPECT_EQ(binary.GetValueType(), AnyValue::Binary);
  EXPECT_EQ(binary.GetBinary(), (std::vector<std::uint8_t>{0x01, 0xFF}));
  for (const AnyValue* value : {&boolean, &logical, &integer, &real, &text, &binary}) {
    EXPECT_TRUE(static_cast<const IPL::Any*>(value)->HasValue());
  }

  // Reading another kind gives the documented defaults, never a reinterpretation of the held value.
  EXPECT_FALSE(integer.GetBoolean());
  EXPECT_EQ(boolean.GetInteger(), 0);
  EXPECT_EQ(text.GetReal(), 0.0);
  EXPECT_TRUE(real.GetString().IsEmpty());
  EXPECT_TRUE(text.GetBinary().empty());
  EXPECT_EQ(boolean.GetLogical(), AnyValue::LogicalValue::Unknown);

  // Typed but empty, and untyped.
  const AnyValue typedEmpty(AnyValue::Real);
  EXPECT_EQ(typedEmpty.GetValueType(), AnyValue::Real);
  EXPECT_FALSE(typedEmpty.HasValue());
  EXPECT_EQ(AnyValue().GetValueType(), AnyValue::NoValueType);
  EXPECT_FALSE(AnyValue().HasValue());
  EXPECT_NE(typedEmpty, AnyValue());
  EXPECT_NE(AnyValue::FromInteger(0), AnyValue(AnyValue::Integer));
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

TEST(PropertyClone, EveryKindClonesToItsOwnClassWithItsContents) {
  IPL::PropertySingleValue single;
  single.SetName("Single");
  single.SetNominalValue(Length(1.0));
  IPL::PropertyBoundedValue bounded;
  bounded.SetName("Bounded");
  bounded.SetUpperBoundValue(Length(2.0));
  IPL::PropertyListValue list;
  list.SetName("List");
  list.SetListValues(KT::Array<IPL::Value>{Length(1.0), Length(3.0)});
  IPL::PropertyTableValue table;
  table.SetName("Table");
  table.SetDefiningValues(KT::Array<IPL::Value>{Length(1.0)});
  table.SetDefinedValues(KT::Array<IPL::Value>{Label("one")});

  KT::SharedPtr<IPL::Property> clones[] = {
      KT::SharedPtr<IPL::Property>(single.Clone()), KT::SharedPtr<IPL::Property>(bounded.Clone()),
      KT::SharedPtr<IPL::Property>(list.Clone()), KT::SharedPtr<IPL::Property>(table.Clone())};
  for (const auto& clone : clones) {
    EXPECT_EQ(clone->GetReferenceCount(), 1);
  }
  single.SetNominalValue(Length(9.0));
  list.SetListValues(KT::Array<IPL::Value>{});

  const auto* singleClone = dynamic_cast<const IPL::PropertySingleValue*>(clones[0].Get());
  ASSERT_NE(singleClone, nullptr);
  EXPECT_EQ(singleClone->GetName(), KT::UniString("Single"));
  EXPECT_EQ(singleClone->GetNominalValue(), Length(1.0));
  const auto* boundedClone = dynamic_cast<const IPL::PropertyBoundedValue*>(clones[1].Get());
  ASSERT_NE(boundedClone, nullptr);
  EXPECT_EQ(boundedClone->GetUpperBoundValue(), Length(2.0));
  const auto* listClone = dynamic_cast<const IPL::PropertyListValue*>(clones[2].Get());
  ASSERT_NE(listClone, nullptr);
  ASSERT_EQ(listClone->GetListValues().GetSize(), 2u);
  EXPECT_EQ(listClone->GetListValues()[1], Length(3.0));
  const auto* tableClone = dynamic_cast<const IPL::PropertyTableValue*>(clones[3].Get());
  ASSERT_NE(tableClone, nullptr);
  EXPECT_EQ(tableClone->GetDefinedValues()[0], Label("one"));
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

TEST(PropertySet, SharesItsPropertiesInTheOrderAdded) {
  KT::SharedPtr<IPL::Property> width(new IPL::PropertySingleValue);
  width->SetName("Width");
  KT::SharedPtr<IPL::Property> height(new IPL::PropertySingleValue);
  height->SetName("Height");
  IPL::PropertySet set;
  set.SetName("Pset_WallCommon");
  set.AddProperty(width);
  set.AddProperty(height);
  EXPECT_EQ(width->GetReferenceCount(), 2);
  {
    const IPL::PropertySet copy(set);
    EXPECT_EQ(width->GetReferenceCount(), 3);
    ASSERT_EQ(copy.GetProperties().GetSize(), 2u);
    EXPECT_EQ(copy.GetProperties()[0], width);
    EXPECT_EQ(copy.GetProperties()[1], height);
    EXPECT_EQ(copy.GetName(), KT::UniString("Pset_WallCommon"));
  }
  EXPECT_EQ(width->GetReferenceCount(), 2);
}

}  // namespace
