#include "IPL/PropertySingleValue.h"

namespace IPL {

PropertySingleValue::PropertySingleValue() = default;

PropertySingleValue::~PropertySingleValue() = default;

PropertySingleValue* PropertySingleValue::Clone() const {
  return new PropertySingleValue(*this);
}

}  // namespace IPL
