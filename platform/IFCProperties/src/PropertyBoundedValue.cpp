#include "IPL/PropertyBoundedValue.h"

namespace IPL {

namespace {

bool IsUsable(const Value& value) {
  return value.GetValueType() != AnyValue::NoValueType && value.HasValue();
}

void ResetUnlessUsable(Value& value) {
  if (!IsUsable(value)) {
    value = Value();
  }
}

}  // namespace

PropertyBoundedValue::PropertyBoundedValue() = default;

PropertyBoundedValue::~PropertyBoundedValue() = default;

void PropertyBoundedValue::SynchronizeTypes() {
  ResetUnlessUsable(lowerBound);
  ResetUnlessUsable(upperBound);
  ResetUnlessUsable(setPoint);
}

PropertyBoundedValue* PropertyBoundedValue::Clone() const {
  return new PropertyBoundedValue(*this);
}

}  // namespace IPL
