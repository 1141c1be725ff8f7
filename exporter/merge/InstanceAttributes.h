// An input instance's attributes, split once and read by name: the names are resolved to positions
// once per entity (AttributeAt), and each read checks that the instance has its entity's count.
//
//   const AttributeAt related(schema, schema.ifcRelDefinesByProperties, "RelatedObjects");
//   InstanceAttributes relation(context);
//   if (relation.Read(index)) Use(relation[related]);
//   context.Rewrite(index, relation.Copy());           // after changing the copy
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Schema.h"
#include "StepFile.h"

namespace Exporter {

// The position of a named attribute within an entity's STEP list.
class AttributeAt {
 public:
  // `name` must be an attribute of `entity` (inherited ones included).
  AttributeAt(const IfcReader::Schema& schema, IfcReader::EntityId entity, std::string_view name) noexcept
      : position(schema.FindAttribute(entity, name).Index()) {}

  std::size_t Position() const noexcept { return position; }

 private:
  std::size_t position;
};

class InstanceAttributes {
 public:
  explicit InstanceAttributes(const StepFile& file) noexcept : file(file) {}

  // Splits the instance's attributes; false when they do not split or are not as many as its entity
  // has.
  bool Read(std::uint32_t index);

  std::string_view operator[](const AttributeAt& at) const noexcept { return tokens[at.Position()]; }

  // The attributes as strings, to change some and write the instance again.
  std::vector<std::string> Copy() const { return std::vector<std::string>(tokens.begin(), tokens.end()); }

  // The instance numbers listed by an aggregate attribute of references; empty when it is no list.
  std::vector<std::uint32_t> References(const AttributeAt& at) const;

 private:
  const StepFile& file;
  std::vector<std::string_view> tokens;
  mutable std::vector<std::string_view> items;
};

}  // namespace Exporter
