#include "IPL/PropertySet.h"

namespace IPL {

PropertySet::PropertySet() = default;

PropertySet::~PropertySet() = default;

}  // namespace IPL
