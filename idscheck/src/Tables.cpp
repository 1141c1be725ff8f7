#include "Tables.h"

#include <cctype>

namespace Ids::Tables {

namespace {

bool EqualsUpper(std::string_view mixed, std::string_view upper) noexcept {
  if (mixed.size() != upper.size())
    return false;
  for (std::size_t i = 0; i < mixed.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(mixed[i])) != static_cast<unsigned char>(upper[i]))
      return false;
  }
  return true;
}

}  // namespace

const DataTypeRow* FindDataType(std::string_view name) noexcept {
  for (std::size_t i = 0; i < DataTypeCount; ++i) {
    if (name == DataTypes[i].name)
      return &DataTypes[i];
  }
  return nullptr;
}

const MeasureRow* FindMeasure(std::string_view name) noexcept {
  for (std::size_t i = 0; i < MeasureCount; ++i) {
    if (name == Measures[i].name)
      return &Measures[i];
  }
  return nullptr;
}

const Ifc2x3MappingRow* FindIfc2x3Mapping(std::string_view upperName) noexcept {
  for (std::size_t i = 0; i < Ifc2x3MappingCount; ++i) {
    if (EqualsUpper(Ifc2x3Mapping[i].idsName, upperName))
      return &Ifc2x3Mapping[i];
  }
  return nullptr;
}

}  // namespace Ids::Tables
