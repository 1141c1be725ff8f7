// Contributed properties and enumerations written for the file's schema. Each kind's attributes are
// placed by name into the schema's own attribute list (NamedBody.h), so a bounded value keeps its set
// point where the schema has one and loses it, with a warning, where it has none (IFC2X3). Every
// value is checked first (ValueRules.h): a property with a value its schema cannot take (an unknown
// value type, a text too long, a measure breaking its rule), an enumerated value outside its
// enumeration, or a kind whose required attributes stay open, is skipped with a warning, never written.
//
//   const AdaptedInstance property = AdaptProperty(schema, *contributed, enumerationNumber);
//   for (const std::string& warning : property.warnings) Warn(where + ": " + warning);
//   if (property.Ok()) EmitOnce(properties, property.body);
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "IPL/Property.h"
#include "IPL/PropertyEnumeration.h"
#include "exporter/writer/InstanceIds.h"
#include "ifc/schema/Schema.h"

namespace Exporter {

struct AdaptedInstance {
  std::string body;  // "IFCPROPERTY...(...)" without "#N=" and ';'; empty when skipped
  std::vector<std::string> warnings;

  bool Ok() const noexcept { return !body.empty(); }
};

// The body of `property`; `enumeration` is the instance number of its enumeration (invalid: none).
AdaptedInstance AdaptProperty(const Ifc::Schema& schema, const IPL::Property& property,
                              InstanceNumber enumeration = InstanceNumber());

// The body of `enumeration` under `name` (EnumerationNames.h chooses it).
AdaptedInstance AdaptEnumeration(const Ifc::Schema& schema, const IPL::PropertyEnumeration& enumeration,
                                 const std::u16string& name);

// The STEP text of the enumeration's values, "(IFCLABEL('a'),...)": the key under which equal lists
// share a name.
std::string EnumerationValuesText(const IPL::PropertyEnumeration& enumeration);

}  // namespace Exporter
