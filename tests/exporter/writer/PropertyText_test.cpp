#include "exporter/writer/PropertyText.h"

#include <gtest/gtest.h>

#include <limits>

namespace Exporter {
namespace {

using IPL::AnyValue;
using IPL::IFCType;

IPL::Value Length(double metres) {
  return IPL::Value(AnyValue::FromReal(metres), IFCType::IfcLengthMeasure);
}

std::string Typed(const IPL::Value& value) {
  std::string out;
  std::string warning;
  AppendTypedValue(out, value, warning);
  return out + (warning.empty() ? "" : " warned");
}

TEST(PropertyText, ValuesAreWrittenAsTheirIfcType) {
  // Reals, Booleans and labels are met by the tool's runs and checked there by an independent reader.
  EXPECT_EQ(Typed(IPL::Value(AnyValue::FromLogical(AnyValue::LogicalValue::Unknown), IFCType::IfcLogical)),
            "IFCLOGICAL(.U.)");
  EXPECT_EQ(Typed(IPL::Value(AnyValue::FromInteger(-12), IFCType::IfcInteger)), "IFCINTEGER(-12)");
  EXPECT_EQ(Typed(IPL::Value(AnyValue::FromBinary({0x2A, 0x7F}), IFCType::IfcBinary)), "IFCBINARY(\"02A7F\")");
  // What cannot be written becomes "$", and says so unless it simply holds nothing.
  EXPECT_EQ(Typed(IPL::Value()), "$");
  EXPECT_EQ(Typed(IPL::Value(AnyValue::FromReal(1.0), IFCType::NullIFCType)), "$ warned");
  EXPECT_EQ(Typed(Length(std::numeric_limits<double>::infinity())), "$ warned");
}

}  // namespace
}  // namespace Exporter
