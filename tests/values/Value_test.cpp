#include "IFCAPI/Value.h"

#include <gtest/gtest.h>

#include "ValuesTesting.h"

namespace {

using IFCAPI::Impl::Value;
using IPL::AnyValue;
using namespace IFCAPI::Testing;
namespace Errors = IFCAPI::Impl::Errors;

TEST(Value, UnknownTypeNameWinsOverAMismatchedValue) {
  // Wrong case and a raw value of the wrong kind: the name is reported.
  EXPECT_TRUE(FailedWith(Value::Create(AddOnB, "ifclabel", AnyValue::FromReal(1.0)), Errors::InvalidValueType));
  EXPECT_TRUE(FailedWith(Value::Create(AddOnB, "", AnyValue()), Errors::InvalidValueType));
  EXPECT_TRUE(
      FailedWith(Value::Create(AddOnA, "IfcLabel", AnyValue::FromReal(1.0)), Errors::InconsistentValueType, AddOnA));
  EXPECT_TRUE(
      FailedWith(Value::Create(AddOnA, "IfcInteger", AnyValue::FromReal(1.0)), Errors::InconsistentValueType, AddOnA));
  EXPECT_TRUE(FailedWith(Value::Create(AddOnA, "IfcReal", AnyValue()), Errors::InconsistentValueType, AddOnA));
}

// Each value type is accepted for its own kind; typed but empty, or an entity name (a known type
// that takes no value type), is accepted too but never valid.
TEST(Value, EachValueTypeIsAcceptedForItsOwnKindAndValidOnlyWithAValue) {
  const struct {
    const char* name;
    AnyValue raw;
    bool valid;
  } accepted[] = {
      {"IfcBoolean", AnyValue::FromBoolean(false), true},
      {"IfcLogical", AnyValue::FromLogical(AnyValue::LogicalValue::Unknown), true},
      {"IfcTimeStamp", AnyValue::FromInteger(1700000000), true},
      {"IfcCountMeasure", AnyValue::FromReal(3.0), true},  // NUMBER is held as a real
      {"IfcIdentifier", AnyValue::FromString("A-1"), true},
      {"IfcBinary", AnyValue::FromBinary({0xAB}), true},
      {"IfcLabel", AnyValue(AnyValue::String), false},
      {"IfcGroup", AnyValue(), false},
  };
  for (const auto& [name, raw, valid] : accepted) {
    auto value = Value::Create(AddOnA, name, raw);
    ASSERT_TRUE(value.HasValue()) << name << ": " << value.GetError().message;
    EXPECT_EQ(value.Unwrap().IsValid(), valid) << name;
    EXPECT_EQ(value.Unwrap().GetValue().GetIFCType(), IPL::StringToIFCTypeStrict(name).Get());
    EXPECT_EQ(static_cast<const AnyValue&>(value.Unwrap().GetValue()), raw);
    EXPECT_EQ(value.Unwrap().GetToken(), AddOnA);
  }
}

}  // namespace
