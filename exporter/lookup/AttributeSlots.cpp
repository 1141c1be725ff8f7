#include "exporter/lookup/AttributeSlots.h"

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

std::string_view AttributeSlots::NameOf(Field field) noexcept {
  static_assert(std::size(kNames) == kFields, "a name for every field");
  return kNames[static_cast<std::size_t>(field)];
}

Ifc::AttributeSlot AttributeSlots::Of(Ifc::EntityId entity, Field field) const {
  if (!entity.Valid()) {
    return Ifc::AttributeSlot();
  }
  const auto at = static_cast<std::size_t>(entity.Index());
  if (found.size() <= at) {
    found.resize(schema.EntityCount(), false);
    slots.resize(schema.EntityCount());
  }
  if (!found[at]) {
    for (std::size_t i = 0; i < kFields; ++i) {
      slots[at][i] = schema.FindAttribute(entity, kNames[i]);
    }
    found[at] = true;
  }
  return slots[at][static_cast<std::size_t>(field)];
}

}  // namespace Exporter
