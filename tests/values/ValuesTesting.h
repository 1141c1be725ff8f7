// Helpers of the values tests: add-on tokens, checked values, and the check of a failed result.
#pragma once

#include <gtest/gtest.h>

#include "IFCAPI/Errors.h"
#include "IFCAPI/Value.h"
#include "IPL/AnyValue.h"
#include "KT/Guid.h"
#include "TSAPI/APIGuid.h"
#include "TSAPI/Result.h"

namespace IFCAPI::Testing {

inline const API_Guid AddOnA = ToAPIGuid(KT::Guid("{AAAAAAAA-1111-2222-3333-444444444444}"));
inline const API_Guid AddOnB = ToAPIGuid(KT::Guid("{BBBBBBBB-5555-6666-7777-888888888888}"));

// A valid value made through the checked factory; the test stops if the factory refuses it.
inline Impl::Value MakeValue(const char* typeName, const IPL::AnyValue& raw, const API_Guid& token = AddOnA) {
  auto result = Impl::Value::Create(token, typeName, raw);
  EXPECT_TRUE(result.HasValue()) << typeName << ": " << result.GetError().message;
  return result.Unwrap();
}

inline Impl::Value Length(double metres) {
  return MakeValue("IfcLengthMeasure", IPL::AnyValue::FromReal(metres));
}
inline Impl::Value Label(const char* text) {
  return MakeValue("IfcLabel", IPL::AnyValue::FromString(text));
}
inline Impl::Value Count(std::int64_t n) {
  return MakeValue("IfcInteger", IPL::AnyValue::FromInteger(n));
}

// Typed as a length, but holding nothing: accepted by Value::Create, refused by every property factory.
inline Impl::Value EmptyLength() {
  return MakeValue("IfcLengthMeasure", IPL::AnyValue(IPL::AnyValue::Real));
}

// Checks that `result` failed with exactly `kind`'s code and message and carries `token`.
template <class T>
::testing::AssertionResult FailedWith(const TSAPI::Result<T, TSAPI::Error>& result, const Impl::ErrorKind& kind,
                                      const API_Guid& token = AddOnB) {
  if (result.HasValue()) {
    return ::testing::AssertionFailure() << "succeeded; expected \"" << kind.message << '"';
  }
  const TSAPI::Error error = result.GetError();
  if (error.code != kind.code || error.message != kind.message) {
    return ::testing::AssertionFailure() << "failed with " << error.code << " \"" << error.message << "\"; expected "
                                         << kind.code << " \"" << kind.message << '"';
  }
  if (result.GetToken() != token) {
    return ::testing::AssertionFailure() << "carries the token " << ToKTGuid(result.GetToken()).ToString();
  }
  return ::testing::AssertionSuccess();
}

}  // namespace IFCAPI::Testing
