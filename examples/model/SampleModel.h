// The host's sample model: a handful of elements of one building. The host exports them; the add-on
// knows them by GUID, as a real add-on knows the elements it reads through the host's API.
#pragma once

#include <array>
#include <string_view>

namespace SampleModel {

struct Element {
  std::string_view guid;
  std::string_view ifcEntity;
  std::string_view name;
};

inline constexpr Element Building{"{B0000000-0000-4000-8000-000000000001}", "IfcBuilding", "Building B-1"};
inline constexpr Element ExteriorWall{"{E0000000-0000-4000-8000-000000000011}", "IfcWall", "Exterior wall W-01"};
inline constexpr Element FloorSlab{"{E0000000-0000-4000-8000-000000000012}", "IfcSlab", "Floor slab S-01"};
inline constexpr Element Boiler{"{E0000000-0000-4000-8000-000000000021}", "IfcBoiler", "Boiler BO-01"};
inline constexpr Element Radiator{"{E0000000-0000-4000-8000-000000000022}", "IfcSpaceHeater", "Radiator R-01"};
inline constexpr Element SupplyPipe{"{E0000000-0000-4000-8000-000000000023}", "IfcPipeSegment", "Supply pipe P-01"};

// In the order in which the exporter writes them.
inline constexpr std::array<Element, 6> Elements = {Building, ExteriorWall, FloorSlab, Boiler, Radiator, SupplyPipe};

}  // namespace SampleModel
