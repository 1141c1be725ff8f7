#include "IPL/PropertyListValue.h"

namespace IPL {

PropertyListValue::PropertyListValue() = default;

PropertyListValue::~PropertyListValue() = default;

PropertyListValue* PropertyListValue::Clone() const {
  return new PropertyListValue(*this);
}

}  // namespace IPL
