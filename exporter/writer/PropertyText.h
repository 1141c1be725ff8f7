// The STEP text of the typed values a hook data provider contributes; the properties that hold them
// are written per schema by AdaptedProperties.h.
//
//   std::string body;
//   std::string warning;
//   AppendTypedValue(body, value, warning);      // IFCLENGTHMEASURE(2.5), or $ with a warning
#pragma once

#include <string>

#include "IPL/Value.h"
#include "KT/Array.h"

namespace Exporter {

// Appends `value` as its IFC type, "IFCLABEL('Oak')"; appends "$" and sets `warning` when the value
// holds nothing that can be written (no value, no IFC type, a real that is not finite).
void AppendTypedValue(std::string& out, const IPL::Value& value, std::string& warning);

// Whether any of `values` holds something.
bool HoldsAnyValue(const KT::Array<IPL::Value>& values) noexcept;

}  // namespace Exporter
