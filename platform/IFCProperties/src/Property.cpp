#include "IPL/Property.h"

namespace IPL {

Property::Property() = default;

Property::~Property() = default;

}  // namespace IPL
