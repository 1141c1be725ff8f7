// What a contributed property is made of, as bytes: two properties with the same key are written
// alike (the same STEP text, the same warnings), so the merge adapts each distinct property once.
//
//   const std::string key = PropertyKey(property);   // empty: not keyed, adapt it every time
//   if (!key.empty()) { auto known = adapted.find(key); ... }
#pragma once

#include <string>

#include "IPL/Property.h"

namespace Exporter {

// The kind, the name and every value (IFC type, kind of value, content) of a single, bounded, list or
// table value property; empty for other kinds (enumerated values depend on the names given so far).
std::string PropertyKey(const IPL::Property& property);

}  // namespace Exporter
