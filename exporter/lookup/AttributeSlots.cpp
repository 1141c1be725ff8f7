#include "exporter/lookup/AttributeSlots.h"

#include <iterator>
#include <string_view>

namespace Exporter {

namespace {

constexpr std::string_view kNames[] = {
    "GlobalId",
    "Name",
    "Description",
    "ObjectType",
    "Tag",
    "PredefinedType",
    "HasProperties",
    "NominalValue",
    "EnumerationValues",
    "ListValues",
    "LowerBoundValue",
    "UpperBoundValue",
    "DefiningValues",
    "DefinedValues",
};

}  // namespace

Ifc::AttributeSlot AttributeSlots::Of(Ifc::EntityId entity, Field field) const {
  if (!entity.Valid()) {
    return Ifc::AttributeSlot();
  }
  static_assert(std::size(kNames) == kFields, "a name for every field");
  const auto at = static_cast<std::size_t>(entity.Index());
  if (slots.size() <= at) {
    slots.resize(schema.EntityCount());
  }
  if (!slots[at]) {
    std::array<Ifc::AttributeSlot, kFields>& found = slots[at].emplace();
    for (std::size_t i = 0; i < kFields; ++i) {
      found[i] = schema.FindAttribute(entity, kNames[i]);
    }
  }
  return (*slots[at])[static_cast<std::size_t>(field)];
}

}  // namespace Exporter
