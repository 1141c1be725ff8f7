#include "IPL/PropertyTableValue.h"

namespace IPL {

PropertyTableValue::PropertyTableValue() = default;

PropertyTableValue::~PropertyTableValue() = default;

PropertyTableValue* PropertyTableValue::Clone() const {
  return new PropertyTableValue(*this);
}

}  // namespace IPL
