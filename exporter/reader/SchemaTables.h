// The schema tables the reader looks entities and attributes up in.
//
// Stand-in until the generated tables of all three schemas are merged: the same interface, over the
// tool's IFC4 table. Only Ifc4 has tables (Schema::Find gives null for the others).
//
//   const Schema* schema = Schema::Find(SchemaVersion::Ifc4);
//   const EntityId wall = schema->FindEntity("IfcWall");           // any letter case
//   const AttributeSlot name = schema->FindAttribute(wall, "Name"); // 2
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace IfcReader {

enum class SchemaVersion : std::uint8_t { Ifc2x3, Ifc4, Ifc4x3Add2 };

// "IFC2X3", "IFC4", "IFC4X3_ADD2".
const char* SchemaName(SchemaVersion version) noexcept;

// The version a FILE_SCHEMA name stands for (any letter case), or empty.
std::optional<SchemaVersion> FindSchemaVersion(std::string_view text) noexcept;

class EntityId {
 public:
  constexpr EntityId() noexcept = default;
  constexpr explicit EntityId(std::int16_t value) noexcept : value(value) {}
  constexpr std::int16_t Value() const noexcept { return value; }
  constexpr bool Valid() const noexcept { return value >= 0; }
  friend constexpr bool operator==(EntityId a, EntityId b) noexcept { return a.value == b.value; }
  friend constexpr bool operator!=(EntityId a, EntityId b) noexcept { return a.value != b.value; }

 private:
  std::int16_t value = -1;
};

class AttributeSlot {
 public:
  constexpr AttributeSlot() noexcept = default;
  constexpr explicit AttributeSlot(std::int16_t value) noexcept : value(value) {}
  constexpr std::int16_t Value() const noexcept { return value; }
  constexpr bool Valid() const noexcept { return value >= 0; }
  friend constexpr bool operator==(AttributeSlot a, AttributeSlot b) noexcept { return a.value == b.value; }
  friend constexpr bool operator!=(AttributeSlot a, AttributeSlot b) noexcept { return a.value != b.value; }

 private:
  std::int16_t value = -1;
};

struct AttributeInfo {
  const char* name;
  const char* type;  // a defined type, select or entity name
  bool optional;
  bool aggregate;
};

class Schema {
 public:
  // The tables of `version`, or null when this build has none.
  static const Schema* Find(SchemaVersion version) noexcept;

  SchemaVersion Version() const noexcept { return version; }
  std::size_t EntityCount() const noexcept;
  EntityId FindEntity(std::string_view name) const noexcept;
  bool IsSubtypeOf(EntityId entity, EntityId ancestor) const noexcept;
  EntityId Supertype(EntityId entity) const noexcept;
  const char* Name(EntityId entity) const noexcept;       // "IfcWall"
  const char* UpperName(EntityId entity) const noexcept;  // "IFCWALL"
  bool IsAbstract(EntityId entity) const noexcept;
  std::size_t AttributeCount(EntityId entity) const noexcept;  // inherited ones included
  AttributeSlot FindAttribute(EntityId entity, std::string_view name) const noexcept;
  AttributeInfo Attribute(EntityId entity, AttributeSlot slot) const noexcept;
  bool IsStringType(std::string_view typeName) const noexcept;

 private:
  explicit Schema(SchemaVersion version) noexcept : version(version) {}
  SchemaVersion version;
};

}  // namespace IfcReader
