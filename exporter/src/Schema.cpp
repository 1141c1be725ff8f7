#include "Schema.h"

#include <cstring>

namespace Exporter {

namespace {

// Looked up once per instance of a file, so it reads the name in two 8-byte words instead of byte
// by byte; entity names are long enough that their first and last eight letters tell them apart.
std::uint32_t HashName(std::string_view name) noexcept {
  std::uint64_t head = 0;
  std::uint64_t tail = 0;
  const std::size_t part = name.size() < 8 ? name.size() : 8;
  std::memcpy(&head, name.data(), part);
  std::memcpy(&tail, name.data() + name.size() - part, part);
  const std::uint64_t mixed = (head ^ (tail * 0x9E3779B97F4A7C15ull) ^ name.size()) * 0xBF58476D1CE4E5B9ull;
  return static_cast<std::uint32_t>(mixed >> 32);
}

}  // namespace

const SchemaIndex& SchemaIndex::Get() {
  static const SchemaIndex index;
  return index;
}

SchemaIndex::SchemaIndex() {
  std::size_t size = 1;
  while (size < Schema::EntityCount * 4) {
    size <<= 1;
  }
  slots.assign(size, 0);
  upperNames.reserve(Schema::EntityCount);
  for (std::size_t entity = 0; entity < Schema::EntityCount; ++entity) {
    upperNames.emplace_back(Schema::Entities[entity].upperName);
  }
  mask = size - 1;
  for (std::size_t entity = 0; entity < Schema::EntityCount; ++entity) {
    std::size_t slot = HashName(Schema::Entities[entity].upperName) & mask;
    while (slots[slot] != 0) {
      slot = (slot + 1) & mask;
    }
    slots[slot] = static_cast<std::uint16_t>(entity + 1);
  }
  ifcRoot = FindEntity("IFCROOT");
  ifcObject = FindEntity("IFCOBJECT");
  ifcObjectDefinition = FindEntity("IFCOBJECTDEFINITION");
  ifcRelDefinesByProperties = FindEntity("IFCRELDEFINESBYPROPERTIES");
  ifcPropertySet = FindEntity("IFCPROPERTYSET");
  ifcSpatialElement = FindEntity("IFCSPATIALELEMENT");
}

int SchemaIndex::FindEntity(std::string_view upperName) const noexcept {
  std::size_t slot = HashName(upperName) & mask;
  while (slots[slot] != 0) {
    const int entity = slots[slot] - 1;
    if (upperName == upperNames[static_cast<std::size_t>(entity)]) {
      return entity;
    }
    slot = (slot + 1) & mask;
  }
  return -1;
}

bool SchemaIndex::IsSubtypeOf(int entity, int ancestor) const noexcept {
  while (entity >= 0) {
    if (entity == ancestor) {
      return true;
    }
    entity = Schema::Entities[entity].supertype;
  }
  return false;
}

int SchemaIndex::FindAttribute(int entity, std::string_view name) const noexcept {
  const Schema::EntityDef& def = Schema::Entities[entity];
  for (unsigned i = 0; i < def.attributeCount; ++i) {
    if (name == Schema::Attributes[def.firstAttribute + i].name) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool SchemaIndex::IsStringType(std::string_view typeName) const noexcept {
  for (std::size_t i = 0; i < Schema::ValueTypeCount; ++i) {
    if (typeName == Schema::ValueTypes[i].name) {
      return std::strncmp(Schema::ValueTypes[i].underlying, "STRING", 6) == 0;
    }
  }
  return false;
}

}  // namespace Exporter
