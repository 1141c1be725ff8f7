// The STEP text of what a hook data provider contributes: typed values and the five kinds of property,
// written as the bodies of new instances ("IFCPROPERTYSINGLEVALUE(...)", without "#N=" and ';').
//
//   std::string body;
//   std::string warning;
//   AppendTypedValue(body, value, warning);      // IFCLENGTHMEASURE(2.5), or $ with a warning
//   PropertyBody(property, enumerationNumber);   // enumerated values refer to their enumeration
#pragma once

#include <cstdint>
#include <string>

#include "IPL/Property.h"
#include "IPL/PropertyEnumeration.h"
#include "IPL/Value.h"

namespace Exporter {

// Appends `value` as its IFC type, "IFCLABEL('Oak')"; appends "$" and sets `warning` when the value
// holds nothing that can be written (no value, no IFC type, a real that is not finite).
void AppendTypedValue(std::string& out, const IPL::Value& value, std::string& warning);

// Whether any of `values` holds something; lists of none are written as "$".
bool HoldsAnyValue(const KT::Array<IPL::Value>& values) noexcept;

// The body of the IfcPropertyEnumeration of an enumerated property.
std::string EnumerationBody(const IPL::PropertyEnumeration& enumeration, std::string& warning);

// The body of `property`; `enumeration` is the instance number of its enumeration (0: none). Empty
// when the property is of no known kind.
std::string PropertyBody(const IPL::Property& property, std::uint32_t enumeration, std::string& warning);

}  // namespace Exporter
