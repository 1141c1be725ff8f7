#include "PropertyText.h"

#include <gtest/gtest.h>

#include <limits>

#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySingleValue.h"
#include "IPL/PropertyTableValue.h"

namespace Exporter {
namespace {

using IPL::AnyValue;
using IPL::IFCType;

IPL::Value Length(double metres) {
  return IPL::Value(AnyValue::FromReal(metres), IFCType::IfcLengthMeasure);
}

IPL::Value Label(const char* text) {
  return IPL::Value(AnyValue::FromString(text), IFCType::IfcLabel);
}

std::string Typed(const IPL::Value& value) {
  std::string out;
  std::string warning;
  AppendTypedValue(out, value, warning);
  return out + (warning.empty() ? "" : " warned");
}

TEST(PropertyText, ValuesAreWrittenAsTheirIfcType) {
  EXPECT_EQ(Typed(Length(2.5)), "IFCLENGTHMEASURE(2.5)");
  EXPECT_EQ(Typed(IPL::Value(AnyValue::FromReal(24000.0), IFCType::IfcPowerMeasure)), "IFCPOWERMEASURE(24000.)");
  EXPECT_EQ(Typed(IPL::Value(AnyValue::FromBoolean(true), IFCType::IfcBoolean)), "IFCBOOLEAN(.T.)");
  EXPECT_EQ(Typed(IPL::Value(AnyValue::FromLogical(AnyValue::LogicalValue::Unknown), IFCType::IfcLogical)),
            "IFCLOGICAL(.U.)");
  EXPECT_EQ(Typed(IPL::Value(AnyValue::FromInteger(-12), IFCType::IfcInteger)), "IFCINTEGER(-12)");
  EXPECT_EQ(Typed(IPL::Value(AnyValue::FromBinary({0x2A, 0x7F}), IFCType::IfcBinary)), "IFCBINARY(\"02A7F\")");
  EXPECT_EQ(Typed(Label("it's")), "IFCLABEL('it''s')");
  // What cannot be written becomes "$", and says so unless it simply holds nothing.
  EXPECT_EQ(Typed(IPL::Value()), "$");
  EXPECT_EQ(Typed(IPL::Value(AnyValue::FromReal(1.0), IFCType::NullIFCType)), "$ warned");
  EXPECT_EQ(Typed(Length(std::numeric_limits<double>::infinity())), "$ warned");
}

TEST(PropertyText, TheFiveKindsOfProperty) {
  std::string warning;
  IPL::PropertySingleValue single;
  single.SetName("Width");
  single.SetNominalValue(Length(0.3));
  EXPECT_EQ(PropertyBody(single, InstanceNumber(), warning),
            "IFCPROPERTYSINGLEVALUE('Width',$,IFCLENGTHMEASURE(0.3),$)");

  // Upper bound before lower bound, the set point last.
  IPL::PropertyBoundedValue bounded;
  bounded.SetName("Range");
  bounded.SetLowerBoundValue(Length(-0.005));
  bounded.SetUpperBoundValue(Length(0.005));
  bounded.SetSetPointValue(Length(0.001));
  EXPECT_EQ(PropertyBody(bounded, InstanceNumber(), warning),
            "IFCPROPERTYBOUNDEDVALUE('Range',$,IFCLENGTHMEASURE(0.005),IFCLENGTHMEASURE(-0.005),$,"
            "IFCLENGTHMEASURE(0.001))");

  // Empty values are left out of lists, and an empty list is no list.
  IPL::PropertyListValue list;
  list.SetName("Layers");
  list.SetListValues(KT::Array<IPL::Value>{Label("a"), IPL::Value(), Label("b")});
  EXPECT_EQ(PropertyBody(list, InstanceNumber(), warning),
            "IFCPROPERTYLISTVALUE('Layers',$,(IFCLABEL('a'),IFCLABEL('b')),$)");
  list.SetListValues(KT::Array<IPL::Value>{});
  EXPECT_EQ(PropertyBody(list, InstanceNumber(), warning), "IFCPROPERTYLISTVALUE('Layers',$,$,$)");

  IPL::PropertyEnumeration allowed;
  allowed.SetName("Ratings");
  allowed.SetEnumerationValues(KT::Array<IPL::Value>{Label("REI 30"), Label("REI 90")});
  EXPECT_EQ(EnumerationBody(allowed, warning),
            "IFCPROPERTYENUMERATION('Ratings',(IFCLABEL('REI 30'),IFCLABEL('REI 90')),$)");
  IPL::PropertyEnumeratedValue enumerated;
  enumerated.SetName("FireResistance");
  enumerated.SetEnumerationValues(KT::Array<IPL::Value>{Label("REI 90")});
  EXPECT_EQ(PropertyBody(enumerated, InstanceNumber(17), warning),
            "IFCPROPERTYENUMERATEDVALUE('FireResistance',$,(IFCLABEL('REI 90')),#17)");
  EXPECT_EQ(PropertyBody(enumerated, InstanceNumber(), warning),
            "IFCPROPERTYENUMERATEDVALUE('FireResistance',$,(IFCLABEL('REI 90')),$)");

  IPL::PropertyTableValue table;
  table.SetName("Curve");
  table.SetDefiningValues(KT::Array<IPL::Value>{Length(1.0), Length(2.0)});
  table.SetDefinedValues(KT::Array<IPL::Value>{Label("x"), Label("y")});
  EXPECT_EQ(PropertyBody(table, InstanceNumber(), warning),
            "IFCPROPERTYTABLEVALUE('Curve',$,(IFCLENGTHMEASURE(1.),IFCLENGTHMEASURE(2.)),"
            "(IFCLABEL('x'),IFCLABEL('y')),$,$,$,$)");
  EXPECT_TRUE(warning.empty());
}

}  // namespace
}  // namespace Exporter
