// The slots of the attributes the element look-up reads, found by name in the file's schema once for
// each entity and then looked up by position: the look-up reads the same few attributes of every
// element, property set and property.
//
//   AttributeSlots slots(schema);
//   const Ifc::AttributeSlot name = slots.Of(wallEntity, AttributeSlots::Field::Name);
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "ifc/schema/Schema.h"

namespace Exporter {

class AttributeSlots {
 public:
  enum class Field : std::uint8_t {
    GlobalId,
    Name,
    Description,
    ObjectType,
    Tag,
    PredefinedType,
    HasProperties,
    NominalValue,
    EnumerationValues,
    ListValues,
    LowerBoundValue,
    UpperBoundValue,
    DefiningValues,
    DefinedValues,
  };

  // `schema` must outlive this object.
  explicit AttributeSlots(const Ifc::Schema& schema) : schema(schema) {}

  // The slot of `field` in `entity`'s attributes; invalid when the entity has no such attribute.
  Ifc::AttributeSlot Of(Ifc::EntityId entity, Field field) const;

 private:
  static constexpr std::size_t kFields = static_cast<std::size_t>(Field::DefinedValues) + 1;

  const Ifc::Schema& schema;
  // By entity, found when it is first asked about.
  mutable std::vector<std::optional<std::array<Ifc::AttributeSlot, kFields>>> slots;
};

}  // namespace Exporter
