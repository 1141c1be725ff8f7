#include "IPL/PropertyEnumeratedValue.h"

#include <utility>

namespace IPL {

namespace {

KT::SharedPtr<PropertyEnumeration> CloneOf(const PropertyEnumeration* enumeration) {
  return KT::SharedPtr<PropertyEnumeration>(enumeration != nullptr ? enumeration->Clone() : nullptr);
}

}  // namespace

PropertyEnumeratedValue::PropertyEnumeratedValue() = default;

PropertyEnumeratedValue::PropertyEnumeratedValue(const PropertyEnumeratedValue& other)
    : Property(other),
      enumerationValues(other.enumerationValues),
      enumerationReference(CloneOf(other.enumerationReference.Get())) {}

PropertyEnumeratedValue& PropertyEnumeratedValue::operator=(const PropertyEnumeratedValue& other) {
  if (this != &other) {
    // Everything that can fail is made first, so that a failure leaves this object as it was.
    KT::Array<Value> values(other.enumerationValues);
    KT::SharedPtr<PropertyEnumeration> reference = CloneOf(other.enumerationReference.Get());
    Property::operator=(other);
    enumerationValues = std::move(values);
    enumerationReference = std::move(reference);
  }
  return *this;
}

PropertyEnumeratedValue::~PropertyEnumeratedValue() = default;

void PropertyEnumeratedValue::SetEnumerationReference(PropertyEnumeration* enumeration) noexcept {
  enumerationReference = KT::SharedPtr<PropertyEnumeration>(enumeration);
}

PropertyEnumeratedValue* PropertyEnumeratedValue::Clone() const {
  return new PropertyEnumeratedValue(*this);
}

}  // namespace IPL
