// The elements of the sample model (examples/model/sample-building.ifc) that the example add-on
// knows: their GUIDs (the GlobalIds of the file, decompressed), IFC entities and names. The example
// host answers the add-on's element look-ups from this table; ifcapi-export answers them from the file.
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
inline constexpr Element GroundFloor{"{C0000000-0000-4000-8000-000000000012}", "IfcBuildingStorey", "Ground floor"};
inline constexpr Element LivingRoom{"{D0000000-0000-4000-8000-000000000002}", "IfcSpace", "E.01"};
inline constexpr Element ExteriorWall{"{E0000000-0000-4000-8000-000000000011}", "IfcWall", "Exterior wall W-01"};
inline constexpr Element InteriorWall{"{E0000000-0000-4000-8000-000000000013}", "IfcWall", "Interior wall W-02"};
inline constexpr Element FloorSlab{"{E0000000-0000-4000-8000-000000000012}", "IfcSlab", "Floor slab S-01"};
inline constexpr Element Boiler{"{E0000000-0000-4000-8000-000000000021}", "IfcBoiler", "Boiler BO-01"};
inline constexpr Element Radiator{"{E0000000-0000-4000-8000-000000000022}", "IfcSpaceHeater", "Radiator R-01"};
inline constexpr Element Radiator2{"{E0000000-0000-4000-8000-000000000024}", "IfcSpaceHeater", "Radiator R-02"};
inline constexpr Element Radiator3{"{E0000000-0000-4000-8000-000000000025}", "IfcSpaceHeater", "Radiator R-03"};
inline constexpr Element SupplyPipe{"{E0000000-0000-4000-8000-000000000023}", "IfcPipeSegment", "Supply pipe P-01"};
inline constexpr Element ReturnPipe{"{E0000000-0000-4000-8000-000000000026}", "IfcPipeSegment", "Return pipe P-02"};
inline constexpr Element RiserPipe{"{E0000000-0000-4000-8000-000000000027}", "IfcPipeSegment", "Riser pipe P-03"};

// In the order in which the example host exports them.
inline constexpr std::array<Element, 13> Elements = {Building,   GroundFloor, LivingRoom, ExteriorWall, InteriorWall,
                                                     FloorSlab,  Boiler,      Radiator,   Radiator2,    Radiator3,
                                                     SupplyPipe, ReturnPipe,  RiserPipe};

}  // namespace SampleModel
