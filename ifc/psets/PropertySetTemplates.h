// buildingSMART's property and quantity set templates (Pset_, Qto_) of one schema: per set the
// entities it applies to and per property its kind with a value type or the allowed literals.
// Generated at build time from the committed tables beside this file (generate_templates.py), which
// extract-templates.mjs writes from npm @ifc-lite/data. IFC4 has no Qto_ sets there.
//
//   const Ifc::PropertySetTemplates& templates = Ifc::PropertySetTemplates::Get(Ifc::SchemaVersion::Ifc4);
//   const Ifc::SetTemplate* wall = templates.FindSet("Pset_WallCommon");
//   wall->FindProperty("FireRating")->dataType;   // "IfcLabel"
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ifc/schema/Schema.h"

namespace Ifc {

enum class TemplateKind : std::uint8_t {
  Single,       // a value of `dataType` (the source tabulates bounded and list values so too)
  Enumeration,  // one of `items`
  Unknown,      // the source gives no type (tables, references): only the name is known
};

struct PropertyTemplate {
  const char* name;
  TemplateKind kind;
  const char* dataType;      // "IfcLabel"; empty unless Single
  const char* const* items;  // Enumeration: the allowed literals in template order
  std::uint16_t itemCount;
};

struct SetTemplate {
  const char* name;
  const char* const* applicable;  // entities and their type entities, as the schema spells them
  std::uint16_t applicableCount;  // 0: the template names none, so it is not checked
  const PropertyTemplate* properties;
  std::uint16_t propertyCount;

  const PropertyTemplate* FindProperty(std::string_view property) const noexcept;
};

namespace detail {
struct TemplateTables {
  const SetTemplate* sets;  // sorted by name, byte order
  std::size_t setCount;
};
// Generated from the tables (generate_templates.py).
extern const TemplateTables kIfc2x3Templates;
extern const TemplateTables kIfc4Templates;
extern const TemplateTables kIfc4x3Add2Templates;
}  // namespace detail

class PropertySetTemplates {
 public:
  static const PropertySetTemplates& Get(SchemaVersion version);

  SchemaVersion Version() const noexcept { return version; }
  // The set named `name` exactly; null when the templates have none.
  const SetTemplate* FindSet(std::string_view name) const noexcept;
  // Whether the templates hold Qto_ sets at all (IFC4: no).
  bool HasQuantitySets() const noexcept { return hasQuantitySets; }
  std::size_t SetCount() const noexcept { return tables.setCount; }

 private:
  PropertySetTemplates(SchemaVersion version, const detail::TemplateTables& tables);

  SchemaVersion version;
  const detail::TemplateTables& tables;
  bool hasQuantitySets = false;
};

}  // namespace Ifc
