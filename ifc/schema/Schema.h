// The IFC schemas the tools read and write (IFC2X3, IFC4 ADD2 TC1, IFC4X3_ADD2), as tables: every
// entity with its supertype, abstractness and attributes in STEP order, every defined type with its
// underlying type, and every enumeration with its items.
//
// The tables are generated at build time from the committed ifc/schema/*.tsv files and never
// change at run time; each schema's lookups are built once, on first use:
//
//   const Ifc::Schema& schema = Ifc::Schema::Get(Ifc::SchemaVersion::Ifc4);
//   const Ifc::EntityId wall = schema.FindEntity("IFCWALL");    // or "IfcWall"
//   assert(schema.IsSubtypeOf(wall, schema.ifcObject));
//   const Ifc::AttributeSlot tag = schema.FindAttribute(wall, "Tag");
//   schema.Attribute(wall, tag).type;                                   // "IfcIdentifier"
//   schema.FindEnumeration("IfcWallTypeEnum")->Contains("SHEAR");       // true
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace Ifc {

enum class SchemaVersion : std::uint8_t { Ifc2x3, Ifc4, Ifc4x3Add2 };

// "IFC2X3", "IFC4" or "IFC4X3_ADD2": the name a STEP file's FILE_SCHEMA gives.
std::string_view SchemaName(SchemaVersion version);

// The schema that a FILE_SCHEMA name stands for, upper or lower case: "IFC2X3", "IFC4" and
// "IFC4X3_ADD2". "IFC4X3" alone also reads as IFC4X3_ADD2, since ADD2 is the final release of 4.3 and
// its files carry either name; the earlier 4.3 drafts (IFC4X3_RC1 ...) are refused.
std::optional<SchemaVersion> FindSchemaVersion(std::string_view fileSchemaName);

// An entity of one schema; invalid (-1) when a lookup found nothing. Ids of different schemas do not
// mix.
struct EntityId {
  std::int16_t value = -1;

  bool Valid() const noexcept { return value >= 0; }
  // The position in the schema's entity tables. Precondition: Valid().
  std::size_t Index() const noexcept {
    assert(Valid() && "Index() of an invalid EntityId");
    return static_cast<std::size_t>(value);
  }
  friend bool operator==(EntityId a, EntityId b) noexcept { return a.value == b.value; }
  friend bool operator!=(EntityId a, EntityId b) noexcept { return a.value != b.value; }
  friend bool operator<(EntityId a, EntityId b) noexcept { return a.value < b.value; }
};

// The position of an attribute in an entity's STEP attribute list (inherited ones first).
struct AttributeSlot {
  std::int16_t value = -1;

  bool Valid() const noexcept { return value >= 0; }
  // The position in the attribute list. Precondition: Valid() (an invalid slot has none).
  std::size_t Index() const noexcept {
    assert(Valid() && "Index() of an invalid AttributeSlot");
    return static_cast<std::size_t>(value);
  }
  friend bool operator==(AttributeSlot a, AttributeSlot b) noexcept { return a.value == b.value; }
  friend bool operator!=(AttributeSlot a, AttributeSlot b) noexcept { return a.value != b.value; }
};

struct AttributeDef {
  const char* name;  // "GlobalId"
  const char* type;  // a defined type, enumeration, select or entity name, or an EXPRESS simple type;
                     // an inner aggregate adds "[]" ("IfcLengthMeasure[]" for a list of lists)
  bool optional;
  bool aggregate;  // LIST, SET or ARRAY
};

struct EntityDef {
  const char* name;              // "IfcWall"
  const char* upperName;         // "IFCWALL", as STEP files spell it
  std::int16_t supertype;        // index into the entities, -1 for a root
  bool abstract;                 // cannot be instantiated
  std::uint32_t firstAttribute;  // index into the attributes
  std::uint16_t attributeCount;  // inherited ones included
};

struct DefinedTypeDef {
  const char* name;         // "IfcLabel"
  const char* underlying;   // the EXPRESS base type: "STRING(255)", "REAL", "AGGREGATE OF INTEGER", ...
  bool isValue;             // a member of IfcValue, so usable as a property value
  std::uint16_t maxLength;  // of a STRING(n); 0 when the source gives no width
  const char* rule;         // the WHERE rule in short form ("x>0", "0<=x<=1"); empty when unknown
};

struct EnumerationDef {
  const char* name;          // "IfcWallTypeEnum"
  const char* const* items;  // in schema order, upper case
  std::size_t itemCount;

  bool Contains(std::string_view item) const noexcept;
};

namespace detail {

// What one generated source defines.
struct SchemaTables {
  const EntityDef* entities;
  std::size_t entityCount;
  const AttributeDef* attributes;
  const DefinedTypeDef* definedTypes;  // sorted by upper-case name
  std::size_t definedTypeCount;
  const EnumerationDef* enumerations;  // sorted by upper-case name
  std::size_t enumerationCount;
};

extern const SchemaTables kIfc2x3Tables;
extern const SchemaTables kIfc4Tables;
extern const SchemaTables kIfc4x3Add2Tables;

}  // namespace detail

// Lookups over one schema's tables; built once, then read-only and safe to share between threads.
// The Find* functions take any input; the others expect a valid id of this schema (from its lookups).
class Schema {
 public:
  static const Schema& Get(SchemaVersion version);

  SchemaVersion Version() const noexcept { return version; }
  std::size_t EntityCount() const noexcept { return tables.entityCount; }

  // The entity called `name`, in any case ("IFCWALL", "IfcWall"); invalid when unknown.
  EntityId FindEntity(std::string_view name) const noexcept;

  // Whether `entity` is `ancestor` or one of its subtypes; false when either is invalid.
  bool IsSubtypeOf(EntityId entity, EntityId ancestor) const noexcept;

  EntityId Supertype(EntityId entity) const noexcept { return EntityId{Def(entity).supertype}; }
  bool IsAbstract(EntityId entity) const noexcept { return Def(entity).abstract; }
  std::string_view Name(EntityId entity) const noexcept { return names[entity.Index()]; }
  std::string_view UpperName(EntityId entity) const noexcept { return upperNames[entity.Index()]; }

  // The slot of the attribute called `name` (exact spelling), inherited ones included; invalid when
  // the entity has none.
  AttributeSlot FindAttribute(EntityId entity, std::string_view name) const noexcept;
  std::size_t AttributeCount(EntityId entity) const noexcept { return Def(entity).attributeCount; }
  // Precondition: `slot` is one of `entity`'s.
  const AttributeDef& Attribute(EntityId entity, AttributeSlot slot) const noexcept {
    assert(slot.Index() < AttributeCount(entity) && "an attribute slot of another entity");
    return tables.attributes[Def(entity).firstAttribute + slot.Index()];
  }

  // The defined type or enumeration called `name`, in any case; null when unknown.
  const DefinedTypeDef* FindDefinedType(std::string_view name) const noexcept;
  const EnumerationDef* FindEnumeration(std::string_view name) const noexcept;

  // Whether the defined type `definedType` (exact spelling) has STRING as its underlying type
  // (IfcLabel, IfcText, ...).
  bool IsStringType(std::string_view definedType) const noexcept;

  // Entities the tools ask about often; invalid where a schema lacks one.
  EntityId ifcRoot;
  EntityId ifcObjectDefinition;
  EntityId ifcObject;
  EntityId ifcProduct;
  EntityId ifcElement;
  EntityId ifcTypeObject;
  EntityId ifcProject;
  EntityId ifcSpatialElement;  // IfcSpatialStructureElement in IFC2X3, which has no IfcSpatialElement
  EntityId ifcPropertySet;
  EntityId ifcPropertySingleValue;
  EntityId ifcElementQuantity;
  EntityId ifcRelDefinesByProperties;
  EntityId ifcRelDefinesByType;
  EntityId ifcRelAggregates;
  EntityId ifcRelContainedInSpatialStructure;
  EntityId ifcRelAssociatesClassification;
  EntityId ifcRelAssociatesMaterial;
  EntityId ifcClassificationReference;

 private:
  Schema(SchemaVersion version, const detail::SchemaTables& tables);
  const EntityDef& Def(EntityId entity) const noexcept { return tables.entities[entity.Index()]; }

  SchemaVersion version;
  const detail::SchemaTables& tables;
  // Open addressing over the case-folded entity names: a power-of-two table of entity index + 1
  // (0 = empty).
  std::vector<std::uint16_t> slots;
  std::size_t mask = 0;
  std::vector<std::string_view> names;       // by entity, so that lookups compare without strlen
  std::vector<std::string_view> upperNames;  // by entity
};

}  // namespace Ifc
