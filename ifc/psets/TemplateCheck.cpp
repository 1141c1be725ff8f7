#include "ifc/psets/TemplateCheck.h"

#include <algorithm>
#include <cctype>

namespace Ifc {

namespace {

constexpr std::string_view kLabel = "IfcLabel";

bool SameName(std::string_view a, std::string_view b) noexcept {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

std::string Join(const char* const* items, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += (i == 0 ? "" : ", ") + std::string(items[i]);
  }
  return text;
}

const char* KindName(GivenKind kind) noexcept {
  switch (kind) {
    case GivenKind::Bounded:
      return "a bounded value";
    case GivenKind::List:
      return "a list value";
    case GivenKind::Quantity:
      return "a quantity";
    case GivenKind::Other:
      return "a table, reference or complex value";
    case GivenKind::Single:
    case GivenKind::Enumerated:
      break;
  }
  return "a value";
}

}  // namespace

std::string TemplateMismatch::Text(std::string_view schemaName, std::string_view giver) const {
  return subject + ": the " + std::string(schemaName) + " template says " + expected + ", " + std::string(giver) + " " +
         given;
}

bool IsStandardSetName(std::string_view name) noexcept {
  return name.rfind("Pset_", 0) == 0 || name.rfind("Qto_", 0) == 0;
}

TemplateCheck::TemplateCheck(const Schema& schema)
    : schema(schema), templates(PropertySetTemplates::Get(schema.Version())) {}

bool TemplateCheck::Checks(std::string_view setName) const noexcept {
  if (setName.rfind("Qto_", 0) == 0) {
    return templates.HasQuantitySets();
  }
  return setName.rfind("Pset_", 0) == 0;
}

bool TemplateCheck::Applies(const SetTemplate& set, EntityId entity) const noexcept {
  if (set.applicableCount == 0 || !entity.Valid()) {
    return true;
  }
  for (std::size_t i = 0; i < set.applicableCount; ++i) {
    const EntityId applicable = schema.FindEntity(set.applicable[i]);
    if (applicable.Valid() && schema.IsSubtypeOf(entity, applicable)) {
      return true;
    }
  }
  return false;
}

// The schema's spelling of a value type given in any case ("IFCLABEL" -> "IfcLabel").
std::string TemplateCheck::TypeName(std::string_view type) const {
  const DefinedTypeDef* defined = schema.FindDefinedType(type);
  return defined != nullptr ? std::string(defined->name) : std::string(type);
}

void TemplateCheck::CheckProperty(const SetTemplate& set, const GivenProperty& property,
                                  std::vector<TemplateMismatch>& mismatches) const {
  const std::string subject = std::string(set.name) + "." + property.name;
  const PropertyTemplate* found = set.FindProperty(property.name);
  if (found == nullptr) {
    const std::string given = property.valueTypes.empty() ? KindName(property.kind) : TypeName(property.valueTypes[0]);
    mismatches.push_back({subject, "no such property", given});
    return;
  }
  if (found->kind == TemplateKind::Unknown || property.kind == GivenKind::Other) {
    return;
  }
  if (found->kind == TemplateKind::Single) {
    for (const std::string& type : property.valueTypes) {
      if (!SameName(type, found->dataType)) {
        mismatches.push_back({subject, found->dataType, TypeName(type)});
        return;
      }
    }
    return;
  }
  const std::string allowed = "one of " + Join(found->items, found->itemCount);
  if (property.kind != GivenKind::Single && property.kind != GivenKind::Enumerated) {
    mismatches.push_back({subject, "an enumerated value, " + allowed, KindName(property.kind)});
    return;
  }
  for (const std::string& type : property.valueTypes) {
    if (!SameName(type, kLabel)) {
      mismatches.push_back({subject, "IfcLabel, " + allowed, TypeName(type)});
      return;
    }
  }
  for (const std::string& label : property.labels) {
    if (std::find(found->items, found->items + found->itemCount, label) == found->items + found->itemCount) {
      mismatches.push_back({subject, allowed, "'" + label + "'"});
    }
  }
}

std::vector<TemplateMismatch> TemplateCheck::Check(EntityId entity, std::string_view setName,
                                                   const std::vector<GivenProperty>& properties) const {
  std::vector<TemplateMismatch> mismatches;
  if (!Checks(setName)) {
    return mismatches;
  }
  const SetTemplate* set = templates.FindSet(setName);
  if (set == nullptr) {
    mismatches.push_back({std::string(setName), "no such set", "it"});
    return mismatches;
  }
  if (!Applies(*set, entity)) {
    mismatches.push_back({std::string(setName), "for " + Join(set->applicable, set->applicableCount),
                          "it to " + std::string(schema.Name(entity))});
  }
  for (const GivenProperty& property : properties) {
    CheckProperty(*set, property, mismatches);
  }
  return mismatches;
}

}  // namespace Ifc
