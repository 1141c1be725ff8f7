// Checks what a property or quantity set gives against the schema's templates (PropertySetTemplates.h):
// a set the templates lack, a set on an entity it does not apply to, a property the set does not
// define, a value of another type than the template's, and a literal outside the template's list.
// Both tools describe the set they meet as GivenProperty values and phrase the result their way.
//
//   const Ifc::TemplateCheck check(Ifc::Schema::Get(Ifc::SchemaVersion::Ifc4));
//   for (const Ifc::TemplateMismatch& m : check.Check(wall, "Pset_WallCommon", given))
//     Warn(m.Text("IFC4", "the add-on gave"));
//     // "Pset_WallCommon.FireRating: the IFC4 template says IfcLabel, the add-on gave IfcInteger"
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ifc/psets/PropertySetTemplates.h"
#include "ifc/schema/Schema.h"

namespace Ifc {

enum class GivenKind {
  Single,      // IfcPropertySingleValue
  Enumerated,  // IfcPropertyEnumeratedValue
  Bounded,     // IfcPropertyBoundedValue
  List,        // IfcPropertyListValue
  Quantity,    // IfcPhysicalSimpleQuantity: its measure type as the value type
  Other,       // a table, reference or complex property: only its name is checked
};

struct GivenProperty {
  std::string name;
  GivenKind kind = GivenKind::Single;
  std::vector<std::string> valueTypes;  // the type of each value that is set, "IfcLabel" (any case)
  std::vector<std::string> labels;      // the text of each IfcLabel value, for enumerations
};

struct TemplateMismatch {
  std::string subject;   // "Pset_WallCommon" or "Pset_WallCommon.FireRating"
  std::string expected;  // what the template says: "IfcLabel", "one of NEW, EXISTING", "no such property"
  std::string given;     // what was given: "IfcInteger", "'BRAND_NEW'", "it to IfcDoor"

  // "SUBJECT: the SCHEMA template says EXPECTED, GIVER GIVEN".
  std::string Text(std::string_view schemaName, std::string_view giver) const;
};

// Whether `name` names a standard set: Pset_ or Qto_.
bool IsStandardSetName(std::string_view name) noexcept;

class TemplateCheck {
 public:
  explicit TemplateCheck(const Schema& schema);

  // Whether sets named `setName` are checked: standard sets, Qto_ ones only where the templates have
  // quantity sets (not IFC2X3 and IFC4).
  bool Checks(std::string_view setName) const noexcept;

  // What does not fit the template in the set `setName` with `properties`, given to an instance of
  // `entity`; empty when all fits or the set is not checked. A set the templates lack is one mismatch.
  std::vector<TemplateMismatch> Check(EntityId entity, std::string_view setName,
                                      const std::vector<GivenProperty>& properties) const;

  const PropertySetTemplates& Templates() const noexcept { return templates; }

 private:
  void CheckProperty(const SetTemplate& set, const GivenProperty& property,
                     std::vector<TemplateMismatch>& mismatches) const;
  bool Applies(const SetTemplate& set, EntityId entity) const noexcept;
  std::string TypeName(std::string_view type) const;

  const Schema& schema;
  const PropertySetTemplates& templates;
};

}  // namespace Ifc
