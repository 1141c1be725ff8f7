#include "tests/idscheck/reports/SampleResult.h"

namespace IdsTest {

namespace {

Ids::SpecificationResult Specification(const char* name, const char* versions, std::size_t applicable,
                                       std::size_t failed) {
  Ids::SpecificationResult specification;
  specification.idsFile = "requirements.ids";
  specification.idsTitle = "Sample requirements";
  specification.name = name;
  specification.ifcVersions = versions;
  specification.cardinality = "required";
  specification.applicable = applicable;
  specification.passed = applicable - failed;
  specification.failed = failed;
  specification.passes = failed == 0;
  return specification;
}

constexpr const char* kMissingRating = "Pset_WallCommon.FireRating is missing, required one of 'REI 60', 'REI 90'";

Ids::SpecificationResult WallsSpecification() {
  Ids::SpecificationResult walls = Specification("Walls have a fire rating", "IFC4", 12, 3);
  walls.identifier = "FR-01";
  walls.description = "Fire compartments need rated walls";
  walls.instructions = "Fill Pset_WallCommon.FireRating, e.g. 'REI 90'";
  walls.failures = {
      {Ifc::InstanceNumber(58), "2O2Fr$t4X7Zf8NOew3FLOH", "IfcWall", kHostileName, {kMissingRating}},
      {Ifc::InstanceNumber(61),
       "0K7w2$Ztb8XxzHhH8zFhMk",
       "IfcWall",
       "Wall B",
       {"Pset_WallCommon.FireRating is IFCLABEL('EI 30'), required one of 'REI 60', 'REI 90'",
        "has material 'Brick', required 'Concrete'"}},
      {Ifc::InstanceNumber(77), "", "IfcWallStandardCase", "", {kMissingRating}},
  };
  return walls;
}

Ids::SpecificationResult PipesSpecification() {
  Ids::SpecificationResult pipes = Specification("Pipe segments have a material", "IFC2X3 IFC4", 40, 12);
  for (std::uint64_t k = 0; k < 12; ++k) {
    pipes.failures.push_back({Ifc::InstanceNumber(1000 + k),
                              "3Pipe00000000000000" + std::to_string(100 + k),
                              "IfcPipeSegment",
                              "Pipe " + std::to_string(k),
                              {"has no material, required any material"}});
  }
  return pipes;
}

}  // namespace

Ids::CheckResult SampleResult() {
  Ids::CheckResult result;
  result.modelFile = "models/sample <building>.ifc";
  result.schema = "IFC4";
  result.projectGlobalId = "0YvctVUKr0kugbFTf53O9L";
  result.timeStamp = "2024-05-01T10:00:00";
  result.specifications.push_back(WallsSpecification());
  Ids::SpecificationResult doors = Specification("Doors are classified", "IFC4X3_ADD2", 4, 0);
  doors.schemaListed = false;  // checked all the same: ifcVersion is metadata
  result.specifications.push_back(doors);
  Ids::SpecificationResult spaces = Specification("Spaces have a net floor area", "IFC2X3", 0, 0);
  spaces.applies = false;
  result.specifications.push_back(spaces);
  result.specifications.push_back(PipesSpecification());
  return result;
}

}  // namespace IdsTest
