#include "idscheck/check/Tables.h"

#include <cctype>
#include <unordered_map>

namespace Ids::Tables {

namespace {

bool EqualsUpper(std::string_view mixed, std::string_view upper) noexcept {
  if (mixed.size() != upper.size()) {
    return false;
  }
  for (std::size_t i = 0; i < mixed.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(mixed[i])) != static_cast<unsigned char>(upper[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace

const DataTypeRow* FindDataType(std::string_view name) noexcept {
  for (std::size_t i = 0; i < kDataTypeCount; ++i) {
    if (name == kDataTypes[i].name) {
      return &kDataTypes[i];
    }
  }
  return nullptr;
}

// Looked up for every measured value a property facet checks: hashed once, not scanned each time.
const MeasureRow* FindMeasure(std::string_view name) noexcept {
  static const std::unordered_map<std::string_view, const MeasureRow*> kByName = [] {
    std::unordered_map<std::string_view, const MeasureRow*> rows;
    for (std::size_t i = 0; i < kMeasureCount; ++i) {
      rows.emplace(kMeasures[i].name, &kMeasures[i]);
    }
    return rows;
  }();
  const auto found = kByName.find(name);
  return found == kByName.end() ? nullptr : found->second;
}

const Ifc2x3MappingRow* FindIfc2x3Mapping(std::string_view upperName) noexcept {
  for (std::size_t i = 0; i < kIfc2x3MappingCount; ++i) {
    if (EqualsUpper(kIfc2x3Mapping[i].idsName, upperName)) {
      return &kIfc2x3Mapping[i];
    }
  }
  return nullptr;
}

}  // namespace Ids::Tables
