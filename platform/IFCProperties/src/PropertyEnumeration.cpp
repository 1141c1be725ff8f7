#include "IPL/PropertyEnumeration.h"

namespace IPL {

PropertyEnumeration::PropertyEnumeration() = default;

PropertyEnumeration::~PropertyEnumeration() = default;

PropertyEnumeration* PropertyEnumeration::Clone() const {
  return new PropertyEnumeration(*this);
}

}  // namespace IPL
