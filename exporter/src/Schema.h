// The IFC4 schema as ifcapi-export needs it: every entity with its supertype, abstractness and
// attributes in STEP order, and the defined types that can stand as property values.
//
// The tables are generated at build time from exporter/schema/*.tsv; lookups go through Schema:
//
//   const Schema& schema = Schema::Get();
//   const int wall = schema.FindEntity("IFCWALL");         // -1 when unknown
//   assert(schema.IsSubtypeOf(wall, schema.FindEntity("IFCOBJECT")));
//   const int tag = schema.FindAttribute(wall, "Tag");     // index in the STEP attribute list
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace Exporter {

namespace Schema {

struct AttributeDef {
  const char* name;
  const char* type;  // a defined type, select or entity name
  bool optional;
  bool aggregate;  // LIST, SET or ARRAY
};

struct EntityDef {
  const char* name;       // "IfcWall"
  const char* upperName;  // "IFCWALL", as STEP files spell it
  int supertype;          // index into Entities, -1 for a root
  bool abstract;
  unsigned firstAttribute;  // index into Attributes
  unsigned attributeCount;  // inherited ones included
};

struct ValueTypeDef {
  const char* name;        // "IfcLabel"
  const char* underlying;  // "STRING", "REAL", ...
};

// Defined by the generated source.
extern const AttributeDef Attributes[];
extern const EntityDef Entities[];
extern const std::size_t EntityCount;
extern const ValueTypeDef ValueTypes[];
extern const std::size_t ValueTypeCount;

}  // namespace Schema

// Lookups over the generated tables; built once, then read-only.
class SchemaIndex {
 public:
  static const SchemaIndex& Get();

  // The entity whose upper-case STEP name is `upperName`, or -1.
  int FindEntity(std::string_view upperName) const noexcept;

  // Whether `entity` is `ancestor` or one of its subtypes.
  bool IsSubtypeOf(int entity, int ancestor) const noexcept;

  // The index of the attribute called `name` (exact spelling) within `entity`'s list, or -1.
  int FindAttribute(int entity, std::string_view name) const noexcept;

  const Schema::EntityDef& Entity(int entity) const noexcept { return Schema::Entities[entity]; }
  const Schema::AttributeDef& Attribute(int entity, int attribute) const noexcept {
    return Schema::Attributes[Schema::Entities[entity].firstAttribute + static_cast<unsigned>(attribute)];
  }

  // Whether the defined type `typeName` has STRING as its underlying type (IfcLabel, IfcText, ...).
  bool IsStringType(std::string_view typeName) const noexcept;

  // Entities the tool asks about often.
  int ifcRoot = -1;
  int ifcObject = -1;
  int ifcObjectDefinition = -1;
  int ifcRelDefinesByProperties = -1;
  int ifcPropertySet = -1;
  int ifcSpatialElement = -1;

 private:
  SchemaIndex();

  // Open addressing over the entity names: a power-of-two table of entity index + 1 (0 = empty).
  std::vector<std::uint16_t> slots;
  std::vector<std::string_view> upperNames;  // by entity, so that lookups compare without strlen
  std::size_t mask = 0;
};

}  // namespace Exporter
