#include "IFCAPI/Value.h"

#include "foundation/src/Failure.h"
#include "foundation/src/LayoutCheck.h"
#include "values/src/ApiObjectChecks.h"

namespace IFCAPI::Impl {

Value::Value(const API_Guid& token, const IPL::Value& value) : ObjectImpl(token), value(value) {}

Value::Value(const Value& other) : ObjectImpl(other), value(other.value) {}

Value::~Value() = default;

TSAPI::Result<Value, TSAPI::Error> Value::Create(const API_Guid& token, const KT::UniString& typeName,
                                                 const IPL::AnyValue& value) {
  const KT::Optional<IPL::IFCType> type = IPL::StringToIFCTypeStrict(typeName);
  if (type.IsEmpty()) {
    return Failure<Value>(Errors::InvalidValueType, token);
  }
  if (static_cast<std::uint32_t>(IPL::Value::ConvertIFCType(type.Get())) !=
      static_cast<std::uint32_t>(value.GetValueType())) {
    return Failure<Value>(Errors::InconsistentValueType, token);
  }
  // Whether `value` holds a value is not checked here: IsValid tells.
  return Value(token, IPL::Value(value, type.Get()));
}

bool Value::IsValid() const {
  if (value.GetValueType() == IPL::AnyValue::NoValueType) {
    return false;
  }
  return static_cast<const IPL::Any&>(value).HasValue();
}

static_assert(IsApiObject<Value>);

IFCAPI_LAYOUT_CHECKS_BEGIN
template <>
struct LayoutCheck<Value> {
  static_assert(offsetof(Value, value) == FirstFieldOffset, "Value: the value follows the base");
  static_assert(sizeof(Value) == FirstFieldOffset + sizeof(IPL::Value), "Value: one field");
};
IFCAPI_LAYOUT_CHECKS_END

}  // namespace IFCAPI::Impl
