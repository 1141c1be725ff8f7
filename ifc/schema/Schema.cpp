#include "ifc/schema/Schema.h"

#include <cstring>

namespace Ifc {

namespace {

char Upper(char c) noexcept {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) {
      return false;
    }
  }
  return true;
}

// Orders names as the generator sorts the defined types and enumerations: by their upper-case form.
int CompareIgnoringCase(std::string_view a, std::string_view b) noexcept {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    const char x = Upper(a[i]);
    const char y = Upper(b[i]);
    if (x != y) {
      return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    }
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Looked up once per instance of a file, so it reads the name in two 8-byte words instead of byte
// by byte; entity names are long enough that their first and last eight letters tell them apart.
// Clearing bit 0x20 of every byte folds the letters' case (digits and '_' change too, but alike on
// both sides).
std::uint32_t HashName(std::string_view name) noexcept {
  std::uint64_t head = 0;
  std::uint64_t tail = 0;
  const std::size_t part = name.size() < 8 ? name.size() : 8;
  if (part > 0) {
    std::memcpy(&head, name.data(), part);
    std::memcpy(&tail, name.data() + name.size() - part, part);
  }
  const std::uint64_t fold = ~0x2020202020202020ull;
  head &= fold;
  tail &= fold;
  const std::uint64_t mixed = (head ^ (tail * 0x9E3779B97F4A7C15ull) ^ name.size()) * 0xBF58476D1CE4E5B9ull;
  return static_cast<std::uint32_t>(mixed >> 32);
}

// The entry called `name` in a table sorted by upper-case name, or null.
template <typename Def>
const Def* FindSorted(const Def* table, std::size_t count, std::string_view name) noexcept {
  std::size_t low = 0;
  std::size_t high = count;
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    const int order = CompareIgnoringCase(table[middle].name, name);
    if (order == 0) {
      return &table[middle];
    }
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return nullptr;
}

}  // namespace

std::string_view SchemaName(SchemaVersion version) {
  switch (version) {
    case SchemaVersion::Ifc2x3:
      return "IFC2X3";
    case SchemaVersion::Ifc4:
      return "IFC4";
    case SchemaVersion::Ifc4x3Add2:
      return "IFC4X3_ADD2";
  }
  return {};
}

std::optional<SchemaVersion> FindSchemaVersion(std::string_view fileSchemaName) {
  for (const SchemaVersion version : {SchemaVersion::Ifc2x3, SchemaVersion::Ifc4, SchemaVersion::Ifc4x3Add2}) {
    if (EqualsIgnoringCase(fileSchemaName, SchemaName(version))) {
      return version;
    }
  }
  if (EqualsIgnoringCase(fileSchemaName, "IFC4X3")) {
    return SchemaVersion::Ifc4x3Add2;
  }
  return std::nullopt;
}

bool EnumerationDef::Contains(std::string_view item) const noexcept {
  for (std::size_t i = 0; i < itemCount; ++i) {
    if (EqualsIgnoringCase(item, items[i])) {
      return true;
    }
  }
  return false;
}

const Schema& Schema::Get(SchemaVersion version) {
  switch (version) {
    case SchemaVersion::Ifc2x3: {
      static const Schema kIfc2x3(version, detail::kIfc2x3Tables);
      return kIfc2x3;
    }
    case SchemaVersion::Ifc4x3Add2: {
      static const Schema kIfc4x3Add2(version, detail::kIfc4x3Add2Tables);
      return kIfc4x3Add2;
    }
    case SchemaVersion::Ifc4:
      break;
  }
  static const Schema kIfc4(SchemaVersion::Ifc4, detail::kIfc4Tables);
  return kIfc4;
}

Schema::Schema(SchemaVersion version, const detail::SchemaTables& tables) : version(version), tables(tables) {
  std::size_t size = 1;
  while (size < tables.entityCount * 4) {
    size <<= 1;
  }
  slots.assign(size, 0);
  mask = size - 1;
  names.reserve(tables.entityCount);
  upperNames.reserve(tables.entityCount);
  for (std::size_t entity = 0; entity < tables.entityCount; ++entity) {
    names.emplace_back(tables.entities[entity].name);
    upperNames.emplace_back(tables.entities[entity].upperName);
    std::size_t slot = HashName(upperNames.back()) & mask;
    while (slots[slot] != 0) {
      slot = (slot + 1) & mask;
    }
    slots[slot] = static_cast<std::uint16_t>(entity + 1);
  }
  ifcRoot = FindEntity("IFCROOT");
  ifcObjectDefinition = FindEntity("IFCOBJECTDEFINITION");
  ifcObject = FindEntity("IFCOBJECT");
  ifcProduct = FindEntity("IFCPRODUCT");
  ifcElement = FindEntity("IFCELEMENT");
  ifcTypeObject = FindEntity("IFCTYPEOBJECT");
  ifcProject = FindEntity("IFCPROJECT");
  ifcSpatialElement = FindEntity(version == SchemaVersion::Ifc2x3 ? "IFCSPATIALSTRUCTUREELEMENT" : "IFCSPATIALELEMENT");
  ifcPropertySet = FindEntity("IFCPROPERTYSET");
  ifcPropertySingleValue = FindEntity("IFCPROPERTYSINGLEVALUE");
  ifcElementQuantity = FindEntity("IFCELEMENTQUANTITY");
  ifcRelDefinesByProperties = FindEntity("IFCRELDEFINESBYPROPERTIES");
  ifcRelDefinesByType = FindEntity("IFCRELDEFINESBYTYPE");
  ifcRelAggregates = FindEntity("IFCRELAGGREGATES");
  ifcRelContainedInSpatialStructure = FindEntity("IFCRELCONTAINEDINSPATIALSTRUCTURE");
  ifcRelAssociatesClassification = FindEntity("IFCRELASSOCIATESCLASSIFICATION");
  ifcRelAssociatesMaterial = FindEntity("IFCRELASSOCIATESMATERIAL");
  ifcClassificationReference = FindEntity("IFCCLASSIFICATIONREFERENCE");
}

EntityId Schema::FindEntity(std::string_view name) const noexcept {
  std::size_t slot = HashName(name) & mask;
  while (slots[slot] != 0) {
    const std::size_t entity = slots[slot] - 1u;
    // STEP files spell names in upper case, so the exact comparison settles nearly every lookup.
    if (name == upperNames[entity] || EqualsIgnoringCase(name, upperNames[entity])) {
      return EntityId{static_cast<std::int16_t>(entity)};
    }
    slot = (slot + 1) & mask;
  }
  return EntityId{};
}

bool Schema::IsSubtypeOf(EntityId entity, EntityId ancestor) const noexcept {
  if (!ancestor.Valid()) {
    return false;
  }
  while (entity.Valid()) {
    if (entity == ancestor) {
      return true;
    }
    entity = Supertype(entity);
  }
  return false;
}

namespace {

// Whether the table's name `candidate` is `name`, without measuring `candidate` first: most differ in
// their first letter.
bool SameName(const char* candidate, std::string_view name) noexcept {
  std::size_t i = 0;
  for (; i < name.size(); ++i) {
    if (candidate[i] != name[i] || candidate[i] == '\0') {
      return false;
    }
  }
  return candidate[i] == '\0';
}

}  // namespace

AttributeSlot Schema::FindAttribute(EntityId entity, std::string_view name) const noexcept {
  const EntityDef& def = Def(entity);
  for (std::uint16_t i = 0; i < def.attributeCount; ++i) {
    if (SameName(tables.attributes[def.firstAttribute + i].name, name)) {
      return AttributeSlot{static_cast<std::int16_t>(i)};
    }
  }
  return AttributeSlot{};
}

const DefinedTypeDef* Schema::FindDefinedType(std::string_view name) const noexcept {
  return FindSorted(tables.definedTypes, tables.definedTypeCount, name);
}

const EnumerationDef* Schema::FindEnumeration(std::string_view name) const noexcept {
  return FindSorted(tables.enumerations, tables.enumerationCount, name);
}

bool Schema::IsStringType(std::string_view definedType) const noexcept {
  const DefinedTypeDef* def = FindDefinedType(definedType);
  return def != nullptr && definedType == def->name && std::strncmp(def->underlying, "STRING", 6) == 0;
}

}  // namespace Ifc
