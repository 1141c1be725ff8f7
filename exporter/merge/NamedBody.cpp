#include "exporter/merge/NamedBody.h"

#include <utility>

namespace Exporter {

namespace {

// Attributes that a schema renamed: (entity or "" for any, one name, the other name).
struct Rename {
  const char* entity;
  const char* first;
  const char* second;
};
constexpr Rename kRenames[] = {
    {"", "Identification", "ItemReference"},
    {"IfcClassification", "Location", "Specification"},
};

bool Given(const std::string& text) noexcept {
  return !text.empty() && text != "$";
}

// The value of `attribute` in `values`, under its own name or the other name of a rename.
const NamedValue* Find(const std::vector<NamedValue>& values, std::string_view entity, std::string_view attribute) {
  for (const NamedValue& value : values) {
    if (value.first == attribute) {
      return &value;
    }
  }
  for (const Rename& rename : kRenames) {
    if (rename.entity[0] != '\0' && entity != rename.entity) {
      continue;
    }
    const std::string_view other = attribute == rename.first    ? rename.second
                                   : attribute == rename.second ? rename.first
                                                                : "";
    for (const NamedValue& value : values) {
      if (!other.empty() && value.first == other) {
        return &value;
      }
    }
  }
  return nullptr;
}

}  // namespace

NamedBody BuildNamedBody(const Ifc::Schema& schema, std::string_view entity, const std::vector<NamedValue>& values,
                         const std::vector<NamedValue>& fallbacks) {
  NamedBody body;
  const Ifc::EntityId id = schema.FindEntity(entity);
  if (!id.Valid() || schema.IsAbstract(id)) {
    body.missingEntity = std::string(entity);
    return body;
  }
  const std::string_view name = schema.Name(id);
  std::vector<bool> used(values.size(), false);
  const std::string_view upperName = schema.UpperName(id);
  std::string text;
  text.reserve(upperName.size() + 64);
  text.append(upperName).push_back('(');
  for (std::size_t i = 0; i < schema.AttributeCount(id); ++i) {
    const Ifc::AttributeDef& attribute = schema.Attribute(id, Ifc::AttributeSlot{static_cast<std::int16_t>(i)});
    const NamedValue* value = Find(values, name, attribute.name);
    if (value != nullptr) {
      used[static_cast<std::size_t>(value - values.data())] = true;
    }
    if ((value == nullptr || !Given(value->second)) && !attribute.optional) {
      value = Find(fallbacks, name, attribute.name);
    }
    if (value == nullptr || !Given(value->second)) {
      if (!attribute.optional && body.missingRequired.empty()) {
        body.missingRequired = attribute.name;
      }
      value = nullptr;
    }
    if (i != 0) {
      text.push_back(',');
    }
    if (value != nullptr) {
      text += value->second;
    } else {
      text.push_back('$');
    }
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!used[i] && Given(values[i].second)) {
      body.dropped.push_back(values[i].first);
    }
  }
  if (body.missingRequired.empty()) {
    text.push_back(')');
    body.text = std::move(text);
  }
  return body;
}

}  // namespace Exporter
