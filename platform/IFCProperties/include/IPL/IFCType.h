// IPL::IFCType: the IFC property library's 32-bit enumeration of IFC entity and type names.
//
//   const IPL::IFCType group = IPL::IFCType::IfcGroup;
//   assert(static_cast<std::uint32_t>(group) == 43);
#pragma once

#include <cstdint>

namespace IPL {

// The numbers are fixed: they are stored and compared as plain 32-bit values.
enum class IFCType : std::uint32_t {
  IfcGroup = 43,
  IfcBuildingSystem = 74,
  IfcRelAssignsToGroup = 210,
  IfcRelServicesBuildings = 212,
  IfcSystem = 213,
  IfcDistributionSystem = 393,
  IfcDistributionCircuit = 394,
};

static_assert(sizeof(IFCType) == 4, "IFC types are stored and hashed as 32-bit values");

}  // namespace IPL
