#include "SchemaTables.h"

#include <string>

#include "Schema.h"

namespace IfcReader {

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 'a' + 'A') : a[i];
    const char y = b[i] >= 'a' && b[i] <= 'z' ? static_cast<char>(b[i] - 'a' + 'A') : b[i];
    if (x != y) {
      return false;
    }
  }
  return true;
}

const Exporter::SchemaIndex& Tables() {
  return Exporter::SchemaIndex::Get();
}

}  // namespace

const char* SchemaName(SchemaVersion version) noexcept {
  switch (version) {
    case SchemaVersion::Ifc2x3:
      return "IFC2X3";
    case SchemaVersion::Ifc4:
      return "IFC4";
    case SchemaVersion::Ifc4x3Add2:
      return "IFC4X3_ADD2";
  }
  return "";
}

std::optional<SchemaVersion> FindSchemaVersion(std::string_view text) noexcept {
  for (const SchemaVersion version : {SchemaVersion::Ifc2x3, SchemaVersion::Ifc4, SchemaVersion::Ifc4x3Add2}) {
    if (EqualIgnoringCase(text, SchemaName(version))) {
      return version;
    }
  }
  return std::nullopt;
}

const Schema* Schema::Find(SchemaVersion version) noexcept {
  static const Schema ifc4(SchemaVersion::Ifc4);
  return version == SchemaVersion::Ifc4 ? &ifc4 : nullptr;
}

std::size_t Schema::EntityCount() const noexcept {
  return Exporter::Schema::EntityCount;
}

EntityId Schema::FindEntity(std::string_view name) const noexcept {
  char upper[64];
  if (name.size() > sizeof(upper)) {
    return EntityId();
  }
  for (std::size_t i = 0; i < name.size(); ++i) {
    upper[i] = name[i] >= 'a' && name[i] <= 'z' ? static_cast<char>(name[i] - 'a' + 'A') : name[i];
  }
  return EntityId(static_cast<std::int16_t>(Tables().FindEntity(std::string_view(upper, name.size()))));
}

bool Schema::IsSubtypeOf(EntityId entity, EntityId ancestor) const noexcept {
  return entity.Valid() && ancestor.Valid() && Tables().IsSubtypeOf(entity.Value(), ancestor.Value());
}

EntityId Schema::Supertype(EntityId entity) const noexcept {
  return entity.Valid() ? EntityId(static_cast<std::int16_t>(Tables().Entity(entity.Value()).supertype)) : EntityId();
}

const char* Schema::Name(EntityId entity) const noexcept {
  return Tables().Entity(entity.Value()).name;
}

const char* Schema::UpperName(EntityId entity) const noexcept {
  return Tables().Entity(entity.Value()).upperName;
}

bool Schema::IsAbstract(EntityId entity) const noexcept {
  return Tables().Entity(entity.Value()).abstract;
}

std::size_t Schema::AttributeCount(EntityId entity) const noexcept {
  return Tables().Entity(entity.Value()).attributeCount;
}

AttributeSlot Schema::FindAttribute(EntityId entity, std::string_view name) const noexcept {
  return entity.Valid() ? AttributeSlot(static_cast<std::int16_t>(Tables().FindAttribute(entity.Value(), name)))
                        : AttributeSlot();
}

AttributeInfo Schema::Attribute(EntityId entity, AttributeSlot slot) const noexcept {
  const Exporter::Schema::AttributeDef& def = Tables().Attribute(entity.Value(), slot.Value());
  return AttributeInfo{def.name, def.type, def.optional, def.aggregate};
}

bool Schema::IsStringType(std::string_view typeName) const noexcept {
  return Tables().IsStringType(typeName);
}

}  // namespace IfcReader
