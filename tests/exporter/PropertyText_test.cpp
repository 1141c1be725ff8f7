#include "PropertyText.h"

#include <gtest/gtest.h>

#include <limits>

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

}  // namespace
}  // namespace Exporter
