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

TEST(Value, EachValueTypeIsAcceptedForItsOwnKind) {
  const std::pair<const char*, AnyValue> accepted[] = {
      {"IfcBoolean", AnyValue::FromBoolean(false)},
      {"IfcLogical", AnyValue::FromLogical(AnyValue::LogicalValue::Unknown)},
      {"IfcTimeStamp", AnyValue::FromInteger(1700000000)},
      {"IfcCountMeasure", AnyValue::FromReal(3.0)},  // NUMBER is held as a real
      {"IfcIdentifier", AnyValue::FromString("A-1")},
      {"IfcBinary", AnyValue::FromBinary({0xAB})},
  };
  for (const auto& [name, raw] : accepted) {
    auto value = Value::Create(AddOnA, name, raw);
    ASSERT_TRUE(value.HasValue()) << name << ": " << value.GetError().message;
    EXPECT_TRUE(value.Unwrap().IsValid()) << name;
    EXPECT_EQ(value.Unwrap().GetValue().GetIFCType(), IPL::StringToIFCTypeStrict(name).Get());
    EXPECT_EQ(static_cast<const AnyValue&>(value.Unwrap().GetValue()), raw);
    EXPECT_EQ(value.Unwrap().GetToken(), AddOnA);
  }
}

TEST(Value, TypedButEmptyIsAcceptedAndReportedInvalid) {
  auto value = Value::Create(AddOnA, "IfcLabel", AnyValue(AnyValue::String));
  ASSERT_TRUE(value.HasValue());
  EXPECT_FALSE(value.Unwrap().IsValid());

  // An entity name is a known type that takes no value type: accepted, but never valid.
  auto entity = Value::Create(AddOnA, "IfcGroup", AnyValue());
  ASSERT_TRUE(entity.HasValue());
  EXPECT_FALSE(entity.Unwrap().IsValid());
}

}  // namespace
