// The body of a new instance built from its attribute values by name, in the order and with the
// attributes that the file's schema gives the entity. So one description of what a contribution holds
// becomes valid text in every schema: attributes the schema lacks are reported (the caller warns or
// adapts), attributes the contribution leaves open are "$", and a required one left open fails.
// Attributes renamed between schemas are found under either name (IFC2X3's ItemReference is IFC4's
// Identification; IFC4X3's Specification is IFC4's Location on a classification).
//
//   const NamedBody body = BuildNamedBody(schema, "IfcClassificationReference",
//                                         {{"Location", "'https://x'"}, {"Identification", "'21'"}});
//   if (body.Ok()) Emit(body.text);     // IFC2X3: IFCCLASSIFICATIONREFERENCE('https://x','21',$,$)
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ifc/schema/Schema.h"

namespace Exporter {

// An attribute by name with its STEP text; "$" (or empty text) leaves it open.
using NamedValue = std::pair<std::string, std::string>;

struct NamedBody {
  std::string text;                  // "IFCENTITY(...)", empty when the instance cannot be written
  std::string missingEntity;         // the entity, when the schema has none of this name
  std::string missingRequired;       // a required attribute left open
  std::vector<std::string> dropped;  // given attributes (with a value) that the entity lacks

  bool Ok() const noexcept { return !text.empty(); }
};

// `values` placed into `entity`'s attribute list in `schema`; `fallbacks` fill only required
// attributes that `values` leave open (an owner history where the schema demands one).
NamedBody BuildNamedBody(const Ifc::Schema& schema, std::string_view entity, const std::vector<NamedValue>& values,
                         const std::vector<NamedValue>& fallbacks = {});

}  // namespace Exporter
