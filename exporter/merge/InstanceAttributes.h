// An input instance's attributes, split once and read by name: the names are resolved to slots once
// per entity (Schema::FindAttribute), and each read checks that the instance has its entity's count.
//
//   const Ifc::AttributeSlot related = schema.FindAttribute(schema.ifcRelDefinesByProperties,
//                                                                 "RelatedObjects");
//   InstanceAttributes relation(model);
//   if (relation.Read(index)) Use(relation.References(related));
//   std::vector<std::string> values = relation.Copy();    // to change some and write it again
#pragma once

#include <cassert>
#include <string>
#include <string_view>
#include <vector>

#include "exporter/writer/InstanceIds.h"
#include "ifc/step/Model.h"

namespace Exporter {

class InstanceAttributes {
 public:
  explicit InstanceAttributes(const Ifc::Model& model) noexcept : model(model) {}

  // Splits the instance's attributes; false when they do not split or are not as many as its entity
  // has.
  bool Read(InstanceIndex index);

  // The attribute's text as written. Precondition: Read succeeded and `slot` is one of the entity's.
  std::string_view operator[](Ifc::AttributeSlot slot) const noexcept {
    assert(slot.Index() < tokens.size() && "an attribute slot the instance read has not");
    return tokens[slot.Index()];
  }

  // The attributes as strings, to change some and write the instance again.
  std::vector<std::string> Copy() const { return std::vector<std::string>(tokens.begin(), tokens.end()); }

  // The attributes' texts in the input, to point some elsewhere and write the instance again without
  // copying the others.
  const std::vector<std::string_view>& Texts() const noexcept { return tokens; }

  // The instance numbers listed by an aggregate attribute of references; empty when it is no list.
  // Precondition as for operator[].
  std::vector<InstanceNumber> References(Ifc::AttributeSlot slot) const;

 private:
  const Ifc::Model& model;
  std::vector<std::string_view> tokens;
  mutable std::vector<std::string_view> items;
};

}  // namespace Exporter
