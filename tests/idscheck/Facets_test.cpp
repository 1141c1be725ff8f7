// The facets against small models where the conformance cases are thin: unit conversion, values and
// types inherited from type objects, indirect containment, relation cycles, IFC2X3 type objects and
// IFC4X3 models, and the reasons given in words.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "idscheck/check/Checker.h"
#include "idscheck/check/DocumentReader.h"
#include "idscheck/check/ReaderModelView.h"

namespace {

namespace fs = std::filesystem;

// Checks `data` (the DATA section of a model of `schema`) against one specification, whose ifcVersion
// is the schema unless given.
Ids::SpecificationResult Check(const std::string& data, const std::string& applicability,
                               const std::string& requirements, const std::string& schema = "IFC4",
                               const std::string& ifcVersion = "") {
  // Named after the test: CTest runs the tests of this program in parallel processes.
  const fs::path model = fs::temp_directory_path() /
                         ("ids-facets-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) +
                          "-" + schema + ".ifc");
  std::ofstream(model) << "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\nFILE_NAME('','',(),(),'','','');\n"
                          "FILE_SCHEMA(('"
                       << schema << "'));\nENDSEC;\nDATA;\n"
                       << data << "ENDSEC;\nEND-ISO-10303-21;\n";
  const std::string ids =
      "<?xml version=\"1.0\"?><ids xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
      "xmlns=\"http://standards.buildingsmart.org/IDS\"><info><title>T</title></info><specifications>"
      "<specification name=\"S\" ifcVersion=\"" +
      (ifcVersion.empty() ? schema : ifcVersion) + "\"><applicability minOccurs=\"0\" maxOccurs=\"unbounded\">" +
      applicability + "</applicability><requirements>" + requirements +
      "</requirements></specification></specifications></ids>";
  Ids::Document document;
  Ids::DocumentError error;
  EXPECT_TRUE(Ids::ReadDocumentFromMemory(ids.data(), ids.size(), "t.ids", document, error)) << error.Message();
  Ids::ReaderModelView view;
  const Ifc::Status opened = view.Open(model.string());
  EXPECT_TRUE(opened) << (opened ? std::string() : opened.Error().Message());
  Ids::CheckResult result = Ids::Checker(view).Run(model.string(), {document});
  fs::remove(model);
  return result.specifications.empty() ? Ids::SpecificationResult() : result.specifications.front();
}

std::string Simple(const std::string& value) {
  return "<simpleValue>" + value + "</simpleValue>";
}

std::string Entity(const std::string& name, const std::string& predefinedType = "") {
  return "<entity><name>" + Simple(name) + "</name>" +
         (predefinedType.empty() ? "" : "<predefinedType>" + Simple(predefinedType) + "</predefinedType>") +
         "</entity>";
}

std::string Property(const std::string& set, const std::string& name, const std::string& dataType,
                     const std::string& value, const std::string& cardinality = "required") {
  return "<property dataType=\"" + dataType + "\" cardinality=\"" + cardinality + "\"><propertySet>" + Simple(set) +
         "</propertySet><baseName>" + Simple(name) + "</baseName>" +
         (value.empty() ? "" : "<value>" + Simple(value) + "</value>") + "</property>";
}

std::string PartOf(const std::string& entity, const std::string& relation) {
  return "<partOf" + (relation.empty() ? std::string() : " relation=\"" + relation + "\"") + ">" + Entity(entity) +
         "</partOf>";
}

// Units in mm, cm2, dm3, degrees Celsius and degrees of angle; walls #10 and #11 in a storey, typed by
// a SHEAR wall type with a fire rating, an IsExternal flag and a material; #10 overrides the rating
// (read before #11, which keeps the type's). Two element assemblies aggregate each other.
const std::string Model =
    "#1=IFCPROJECT('1hqIFTRjfV6AWq_bMtnZwI',$,$,$,$,$,$,$,#2);\n#2=IFCUNITASSIGNMENT((#3,#4,#5,#6,#7));\n"
    "#3=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.);\n#4=IFCSIUNIT(*,.AREAUNIT.,.CENTI.,.SQUARE_METRE.);\n"
    "#5=IFCSIUNIT(*,.VOLUMEUNIT.,.DECI.,.CUBIC_METRE.);\n"
    "#6=IFCSIUNIT(*,.THERMODYNAMICTEMPERATUREUNIT.,$,.DEGREE_CELSIUS.);\n"
    "#7=IFCCONVERSIONBASEDUNIT(#8,.PLANEANGLEUNIT.,'DEGREE',#9);\n#8=IFCDIMENSIONALEXPONENTS(0,0,0,0,0,0,0);\n"
    "#9=IFCMEASUREWITHUNIT(IFCPLANEANGLEMEASURE(0.0174532925199433),#50);\n"
    "#50=IFCSIUNIT(*,.PLANEANGLEUNIT.,$,.RADIAN.);\n"
    "#51=IFCBUILDING('0eA6m4fELI9QBIhP3wiLAp',$,'B',$,$,$,$,$,$,$,$,$);\n"
    "#52=IFCBUILDINGSTOREY('1eA6m4fELI9QBIhP3wiLAp',$,'Level 1',$,$,$,$,$,$,$);\n"
    "#53=IFCRELAGGREGATES('2eA6m4fELI9QBIhP3wiLAp',$,$,$,#1,(#51));\n"
    "#54=IFCRELAGGREGATES('3eA6m4fELI9QBIhP3wiLAp',$,$,$,#51,(#52));\n"
    "#55=IFCRELCONTAINEDINSPATIALSTRUCTURE('05rScmOVzMoQXOfbYdtLYj',$,$,$,(#10,#11),#52);\n"
    "#10=IFCWALL('2nJrDaLQfJ1QPhdJR0o97J',$,'W',$,$,$,$,$,$);\n"
    "#11=IFCWALL('3nJrDaLQfJ1QPhdJR0o97J',$,'W2',$,$,$,$,$,$);\n"
    "#12=IFCELEMENTQUANTITY('16MocU_IDOF8_x3Iqllz0d',$,'Qto_WallBaseQuantities',$,$,(#13,#14,#15));\n"
    "#13=IFCQUANTITYLENGTH('Width',$,$,250.,$);\n#14=IFCQUANTITYAREA('NetSideArea',$,$,25000.,$);\n"
    "#15=IFCQUANTITYVOLUME('NetVolume',$,$,1500.,$);\n"
    "#16=IFCPROPERTYSET('26MocU_IDOF8_x3Iqllz0d',$,'P',$,(#17,#18));\n"
    "#17=IFCPROPERTYSINGLEVALUE('Temperature',$,IFCTHERMODYNAMICTEMPERATUREMEASURE(20.),$);\n"
    "#18=IFCPROPERTYSINGLEVALUE('Angle',$,IFCPLANEANGLEMEASURE(180.),$);\n"
    "#19=IFCRELDEFINESBYPROPERTIES('1xdwj8qGXK4hzoNbvMdXJW',$,$,$,(#10,#11),#12);\n"
    "#56=IFCRELDEFINESBYPROPERTIES('2xdwj8qGXK4hzoNbvMdXJW',$,$,$,(#10,#11),#16);\n"
    "#20=IFCWALLTYPE('0eA6m4fELI9QBIhP3wiLAq',$,'T',$,$,(#21),$,$,$,.SHEAR.);\n"
    "#21=IFCPROPERTYSET('36MocU_IDOF8_x3Iqllz0d',$,'Pset_WallCommon',$,(#22,#23));\n"
    "#22=IFCPROPERTYSINGLEVALUE('FireRating',$,IFCLABEL('REI60'),$);\n"
    "#23=IFCPROPERTYSINGLEVALUE('IsExternal',$,IFCBOOLEAN(.F.),$);\n"
    "#24=IFCRELDEFINESBYTYPE('05rScmOVzMoQXOfbYdtLYk',$,$,$,(#10,#11),#20);\n"
    "#25=IFCMATERIAL('Concrete',$,'concrete');\n"
    "#26=IFCRELASSOCIATESMATERIAL('15rScmOVzMoQXOfbYdtLYj',$,$,$,(#20),#25);\n"
    "#30=IFCPROPERTYSET('1n81bO_6nGjgypJwWUVavJ',$,'Pset_WallCommon',$,(#31));\n"
    "#31=IFCPROPERTYSINGLEVALUE('FireRating',$,IFCLABEL('REI90'),$);\n"
    "#32=IFCRELDEFINESBYPROPERTIES('2eA6m4fELI9QBIhP3wiLAq',$,$,$,(#10),#30);\n"
    "#40=IFCELEMENTASSEMBLY('0hqIFTRjfV6AWq_bMtnZwJ',$,$,$,$,$,$,$,$,$);\n"
    "#41=IFCELEMENTASSEMBLY('1eA6m4fELI9QBIhP3wiLAr',$,$,$,$,$,$,$,$,$);\n"
    "#42=IFCRELAGGREGATES('2eA6m4fELI9QBIhP3wiLAr',$,$,$,#40,(#41));\n"
    "#43=IFCRELAGGREGATES('3eA6m4fELI9QBIhP3wiLAr',$,$,$,#41,(#40));\n";

TEST(IdsFacets, ConvertUnitsInheritFromTypesFollowContainmentAndSayWhy) {
  const std::string walls = Entity("IFCWALL");
  const std::string common = "Pset_WallCommon";
  const struct {
    std::string applicability;
    std::string requirement;
    std::vector<std::uint64_t> failing;
    std::string firstReason;
  } cases[] = {
      // Measures in SI units whatever the model's, prefixes raised to the unit's power.
      {walls, Property("Qto_WallBaseQuantities", "Width", "IFCLENGTHMEASURE", "0.25"), {}, ""},
      {walls,
       Property("Qto_WallBaseQuantities", "Width", "IFCLENGTHMEASURE", "250"),
       {10, 11},
       "Qto_WallBaseQuantities.Width is IFCLENGTHMEASURE(0.25), required '250'"},
      {walls, Property("Qto_WallBaseQuantities", "NetSideArea", "IFCAREAMEASURE", "2.5"), {}, ""},
      {walls, Property("Qto_WallBaseQuantities", "NetVolume", "IFCVOLUMEMEASURE", "1.5"), {}, ""},
      {walls, Property("P", "Temperature", "IFCTHERMODYNAMICTEMPERATUREMEASURE", "293.15"), {}, ""},
      {walls, Property("P", "Angle", "IFCPLANEANGLEMEASURE", "3.14159265358979"), {}, ""},
      // Properties, materials and predefined types come from the type object; the occurrence's own
      // property overrides the type's, for that occurrence only, and the set's others stay.
      {walls, Property(common, "FireRating", "IFCLABEL", "REI60"), {10}, ""},
      {walls, Property(common, "FireRating", "IFCLABEL", "REI90"), {11}, ""},
      {walls, Property(common, "IsExternal", "IFCBOOLEAN", "false"), {}, ""},
      {walls,
       Property(common, "IsExternal", "IFCBOOLEAN", "true"),
       {10, 11},
       "Pset_WallCommon.IsExternal is IFCBOOLEAN(.F.), required 'true'"},
      {walls, "<material><value>" + Simple("concrete") + "</value></material>", {}, ""},
      {walls, Entity("IFCWALL", "SHEAR"), {}, ""},
      // Missing properties are named; optional ones may be absent.
      {walls,
       Property(common, "AcousticRating", "IFCLABEL", ""),
       {10, 11},
       "Pset_WallCommon.AcousticRating is missing, required a value of type IFCLABEL"},
      {walls,
       Property("Pset_DoorCommon", "FireRating", "IFCLABEL", ""),
       {10, 11},
       "Pset_DoorCommon.FireRating is missing, required a value of type IFCLABEL"},
      {walls, Property(common, "AcousticRating", "IFCLABEL", "", "optional"), {}, ""},
      // Containment reaches up the spatial aggregation; the storey itself is aggregated, not contained.
      {walls, PartOf("IFCBUILDING", "IFCRELCONTAINEDINSPATIALSTRUCTURE"), {}, ""},
      {walls, PartOf("IFCPROJECT", ""), {}, ""},
      {walls,
       PartOf("IFCSITE", ""),
       {10, 11},
       "is part of IFCBUILDINGSTOREY #52, IFCBUILDING #51, IFCPROJECT #1, required part of IFCSITE"},
      {Entity("IFCBUILDINGSTOREY"),
       PartOf("IFCBUILDING", "IFCRELCONTAINEDINSPATIALSTRUCTURE"),
       {52},
       "is part of nothing, required part of IFCBUILDING by IFCRELCONTAINEDINSPATIALSTRUCTURE"},
      // Every reason names what was found and what was required.
      {walls,
       "<classification><system>" + Simple("Uniclass 2015") + "</system></classification>",
       {10, 11},
       "is not classified, required classification in Uniclass 2015"},
      {walls,
       "<attribute><name>" + Simple("Description") + "</name><value>" + Simple("D") + "</value></attribute>",
       {10, 11},
       "Description is not set, required 'D'"},
      {walls,
       "<material><value>" + Simple("Steel") + "</value></material>",
       {10, 11},
       "has material 'Concrete', 'concrete', required 'Steel'"},
      {Entity("IFCBUILDING"), "<material/>", {51}, "has no material, required any material"},
      // A cycle of aggregation ends.
      {Entity("IFCELEMENTASSEMBLY"), PartOf("IFCWALL", "IFCRELAGGREGATES"), {40, 41}, ""},
  };
  for (const auto& c : cases) {
    const Ids::SpecificationResult result = Check(Model, c.applicability, c.requirement);
    std::vector<std::uint64_t> failing;
    for (const Ids::ElementFailure& failure : result.failures) {
      failing.push_back(failure.instance.Value());
    }
    EXPECT_EQ(failing, c.failing) << c.requirement;
    if (!c.firstReason.empty()) {
      ASSERT_FALSE(result.failures.empty() || result.failures.front().reasons.empty()) << c.requirement;
      EXPECT_EQ(result.failures.front().reasons.front(), c.firstReason);
    }
  }
}

TEST(IdsFacets, Ifc2x3OccurrencesAreNamedByTheirTypeObject) {
  // IFC2X3 has no IfcAirTerminal: an IfcFlowTerminal typed by an IfcAirTerminalType stands for one.
  const std::string data =
      "#1=IFCFLOWTERMINAL('1hqIFTRjfV6AWq_bMtnZwI',$,'Grille',$,$,$,$,$);\n"
      "#2=IFCAIRTERMINALTYPE('0eA6m4fELI9QBIhP3wiLAp',$,'T',$,$,$,$,$,$,.GRILLE.);\n"
      "#3=IFCRELDEFINESBYTYPE('05rScmOVzMoQXOfbYdtLYj',$,$,$,(#1),#2);\n"
      "#4=IFCFLOWTERMINAL('2nJrDaLQfJ1QPhdJR0o97J',$,'Untyped',$,$,$,$,$);\n";
  const Ids::SpecificationResult diffusers =
      Check(data, Entity("IFCAIRTERMINAL"), Entity("IFCAIRTERMINAL", "DIFFUSER"), "IFC2X3");
  EXPECT_EQ(diffusers.applicable, 1u);
  ASSERT_EQ(diffusers.failures.size(), 1u);
  // The type object gives the predefined type.
  EXPECT_EQ(diffusers.failures.front().reasons.front(),
            "is IFCFLOWTERMINAL of type GRILLE, required IFCAIRTERMINAL of type DIFFUSER");
  EXPECT_EQ(Check(data, Entity("IFCAIRTERMINAL", "GRILLE"), "", "IFC2X3").applicable, 1u);
  // The IFC2X3 entity itself is matched exactly, typed or not.
  EXPECT_EQ(Check(data, Entity("IFCFLOWTERMINAL"), "", "IFC2X3").applicable, 2u);
}

// ifcVersion is metadata: a specification that leaves out the model's schema is checked, its verdict
// the requirements' alone, with no reason added.
TEST(IdsFacets, IfcVersionNeitherFiltersNorDecides) {
  const std::string wall = "#1=IFCWALL('1hqIFTRjfV6AWq_bMtnZwI',$,'Waldo',$,$,$,$,$,$);\n";
  for (const char* name : {"Waldo", "Odlaw"}) {
    const Ids::SpecificationResult result =
        Check(wall, Entity("IFCWALL"),
              "<attribute><name>" + Simple("Name") + "</name><value>" + Simple(name) + "</value></attribute>", "IFC4",
              "IFC2X3");
    EXPECT_FALSE(result.schemaListed);
    EXPECT_EQ(result.applicable, 1u) << name;
    EXPECT_EQ(result.passes, std::string(name) == "Waldo");
    EXPECT_EQ(result.verdictReason, "");
  }
}

TEST(IdsFacets, Ifc4x3ModelsAreChecked) {
  const Ids::SpecificationResult result =
      Check("#1=IFCWALL('1hqIFTRjfV6AWq_bMtnZwI',$,'Waldo',$,$,$,$,$,$);\n", Entity("IFCWALL"),
            "<attribute><name>" + Simple("Name") + "</name><value>" + Simple("Waldo") + "</value></attribute>",
            "IFC4X3_ADD2");
  EXPECT_EQ(result.applicable, 1u);
  EXPECT_TRUE(result.passes);
}

}  // namespace
