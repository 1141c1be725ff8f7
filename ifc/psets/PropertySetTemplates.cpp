#include "ifc/psets/PropertySetTemplates.h"

#include <algorithm>

namespace Ifc {

const PropertyTemplate* SetTemplate::FindProperty(std::string_view property) const noexcept {
  const PropertyTemplate* last = properties + propertyCount;
  const PropertyTemplate* found =
      std::find_if(properties, last, [&](const PropertyTemplate& entry) { return property == entry.name; });
  return found != last ? found : nullptr;
}

PropertySetTemplates::PropertySetTemplates(SchemaVersion version, const detail::TemplateTables& tables)
    : version(version), tables(tables) {
  const SetTemplate* last = tables.sets + tables.setCount;
  hasQuantitySets = std::any_of(
      tables.sets, last, [](const SetTemplate& set) { return std::string_view(set.name).rfind("Qto_", 0) == 0; });
}

const PropertySetTemplates& PropertySetTemplates::Get(SchemaVersion version) {
  static const PropertySetTemplates kIfc2x3(SchemaVersion::Ifc2x3, detail::kIfc2x3Templates);
  static const PropertySetTemplates kIfc4(SchemaVersion::Ifc4, detail::kIfc4Templates);
  static const PropertySetTemplates kIfc4x3(SchemaVersion::Ifc4x3Add2, detail::kIfc4x3Add2Templates);
  switch (version) {
    case SchemaVersion::Ifc2x3:
      return kIfc2x3;
    case SchemaVersion::Ifc4:
      return kIfc4;
    case SchemaVersion::Ifc4x3Add2:
      break;
  }
  return kIfc4x3;
}

const SetTemplate* PropertySetTemplates::FindSet(std::string_view name) const noexcept {
  const SetTemplate* last = tables.sets + tables.setCount;
  const SetTemplate* found = std::lower_bound(
      tables.sets, last, name, [](const SetTemplate& set, std::string_view key) { return set.name < key; });
  return found != last && name == found->name ? found : nullptr;
}

}  // namespace Ifc
