// The facets against small models where the conformance cases are thin: unit conversion, values and
// types inherited from type objects, indirect containment, and the reasons given in words.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Checker.h"
#include "DocumentReader.h"
#include "ReaderModelView.h"

namespace {

namespace fs = std::filesystem;

// Checks `data` (the DATA section of an IFC4 file) against one specification and returns the result.
class IdsFacets : public testing::Test {
 protected:
  Ids::SpecificationResult Check(const std::string& data, const std::string& applicability,
                                 const std::string& requirements, const std::string& schema = "IFC4") {
    // Named after the test: CTest runs the tests of this program in parallel processes, where `this`
    // can have the same address, and a file rewritten under another test's mapping faults it.
    const fs::path model =
        fs::temp_directory_path() /
        ("ids-facets-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".ifc");
    {
      std::ofstream file(model);
      file << "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\nFILE_NAME('','',(),(),'','','');\n"
              "FILE_SCHEMA(('"
           << schema << "'));\nENDSEC;\nDATA;\n"
           << data << "ENDSEC;\nEND-ISO-10303-21;\n";
    }
    const std::string ids =
        "<?xml version=\"1.0\"?><ids xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
        "xmlns=\"http://standards.buildingsmart.org/IDS\"><info><title>T</title></info><specifications>"
        "<specification name=\"S\" ifcVersion=\"" +
        schema + "\"><applicability minOccurs=\"0\" maxOccurs=\"unbounded\">" + applicability +
        "</applicability><requirements>" + requirements + "</requirements></specification></specifications></ids>";
    Ids::Document document;
    Ids::DocumentError error;
    EXPECT_TRUE(Ids::ReadDocumentFromMemory(ids.data(), ids.size(), "t.ids", document, error)) << error.Message();
    Ids::ReaderModelView view;
    std::string openError;
    EXPECT_TRUE(view.Open(model.string(), openError)) << openError;
    Ids::CheckResult result = Ids::Checker(view).Run(model.string(), {document});
    fs::remove(model);
    return result.specifications.empty() ? Ids::SpecificationResult() : result.specifications.front();
  }

  static std::string FirstReason(const Ids::SpecificationResult& result) {
    return result.failures.empty() || result.failures.front().reasons.empty() ? std::string()
                                                                              : result.failures.front().reasons.front();
  }
};

const std::string Walls = "<entity><name><simpleValue>IFCWALL</simpleValue></name></entity>";

std::string Property(const std::string& set, const std::string& name, const std::string& dataType,
                     const std::string& value, const std::string& cardinality = "required") {
  return "<property dataType=\"" + dataType + "\" cardinality=\"" + cardinality + "\"><propertySet><simpleValue>" +
         set + "</simpleValue></propertySet><baseName><simpleValue>" + name + "</simpleValue></baseName>" +
         (value.empty() ? "" : "<value>" + value + "</value>") + "</property>";
}

std::string Simple(const std::string& value) {
  return "<simpleValue>" + value + "</simpleValue>";
}

std::string Project(const std::string& units) {
  return "#1=IFCPROJECT('1hqIFTRjfV6AWq_bMtnZwI',$,$,$,$,$,$,$,#2);\n#2=IFCUNITASSIGNMENT((" + units + "));\n";
}

std::string WallWithQuantity(const std::string& quantity) {
  return "#10=IFCWALL('2nJrDaLQfJ1QPhdJR0o97J',$,'W',$,$,$,$,$,$);\n"
         "#11=IFCELEMENTQUANTITY('16MocU_IDOF8_x3Iqllz0d',$,'Qto_WallBaseQuantities',$,$,(#12));\n#12=" +
         quantity + ";\n#13=IFCRELDEFINESBYPROPERTIES('1xdwj8qGXK4hzoNbvMdXJW',$,$,$,(#10),#11);\n";
}

TEST_F(IdsFacets, LengthsAreComparedInMetresWhateverTheModelsUnit) {
  const std::string data = Project("#3") + "#3=IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.);\n" +
                           WallWithQuantity("IFCQUANTITYLENGTH('Width',$,$,250.,$)");
  EXPECT_TRUE(
      Check(data, Walls, Property("Qto_WallBaseQuantities", "Width", "IFCLENGTHMEASURE", Simple("0.25"))).passes);
  const Ids::SpecificationResult millimetres =
      Check(data, Walls, Property("Qto_WallBaseQuantities", "Width", "IFCLENGTHMEASURE", Simple("250")));
  EXPECT_FALSE(millimetres.passes);
  EXPECT_EQ(FirstReason(millimetres), "Qto_WallBaseQuantities.Width is IFCLENGTHMEASURE(0.25), required '250'");
}

TEST_F(IdsFacets, AreasAndVolumesScaleWithThePrefixsPower) {
  const std::string area = Project("#3") + "#3=IFCSIUNIT(*,.AREAUNIT.,.CENTI.,.SQUARE_METRE.);\n" +
                           WallWithQuantity("IFCQUANTITYAREA('NetSideArea',$,$,25000.,$)");
  EXPECT_TRUE(
      Check(area, Walls, Property("Qto_WallBaseQuantities", "NetSideArea", "IFCAREAMEASURE", Simple("2.5"))).passes);
  const std::string volume = Project("#3") + "#3=IFCSIUNIT(*,.VOLUMEUNIT.,.DECI.,.CUBIC_METRE.);\n" +
                             WallWithQuantity("IFCQUANTITYVOLUME('NetVolume',$,$,1500.,$)");
  EXPECT_TRUE(
      Check(volume, Walls, Property("Qto_WallBaseQuantities", "NetVolume", "IFCVOLUMEMEASURE", Simple("1.5"))).passes);
}

TEST_F(IdsFacets, ConversionBasedAndOffsetUnitsAreConverted) {
  // A foot of 0.3048 m; degrees Celsius.
  const std::string data =
      Project("#3,#6") +
      "#3=IFCCONVERSIONBASEDUNIT(#4,.LENGTHUNIT.,'FOOT',#5);\n#4=IFCDIMENSIONALEXPONENTS(1,0,0,0,0,0,0);\n"
      "#5=IFCMEASUREWITHUNIT(IFCLENGTHMEASURE(0.3048),#7);\n#7=IFCSIUNIT(*,.LENGTHUNIT.,$,.METRE.);\n"
      "#6=IFCSIUNIT(*,.THERMODYNAMICTEMPERATUREUNIT.,$,.DEGREE_CELSIUS.);\n"
      "#10=IFCWALL('2nJrDaLQfJ1QPhdJR0o97J',$,'W',$,$,$,$,$,$);\n"
      "#11=IFCPROPERTYSET('16MocU_IDOF8_x3Iqllz0d',$,'P',$,(#12,#14));\n"
      "#12=IFCPROPERTYSINGLEVALUE('Height',$,IFCLENGTHMEASURE(10.),$);\n"
      "#14=IFCPROPERTYSINGLEVALUE('Temperature',$,IFCTHERMODYNAMICTEMPERATUREMEASURE(20.),$);\n"
      "#13=IFCRELDEFINESBYPROPERTIES('1xdwj8qGXK4hzoNbvMdXJW',$,$,$,(#10),#11);\n";
  EXPECT_TRUE(Check(data, Walls, Property("P", "Height", "IFCLENGTHMEASURE", Simple("3.048"))).passes);
  EXPECT_TRUE(
      Check(data, Walls, Property("P", "Temperature", "IFCTHERMODYNAMICTEMPERATUREMEASURE", Simple("293.15"))).passes);
}

const std::string TypedWall =
    "#10=IFCWALL('2nJrDaLQfJ1QPhdJR0o97J',$,'W',$,$,$,$,$,$);\n"
    "#20=IFCWALLTYPE('0eA6m4fELI9QBIhP3wiLAp',$,'T',$,$,(#21),$,$,$,.SHEAR.);\n"
    "#21=IFCPROPERTYSET('16MocU_IDOF8_x3Iqllz0d',$,'Pset_WallCommon',$,(#22,#23));\n"
    "#22=IFCPROPERTYSINGLEVALUE('FireRating',$,IFCLABEL('REI60'),$);\n"
    "#23=IFCPROPERTYSINGLEVALUE('IsExternal',$,IFCBOOLEAN(.F.),$);\n"
    "#24=IFCRELDEFINESBYTYPE('05rScmOVzMoQXOfbYdtLYj',$,$,$,(#10),#20);\n"
    "#25=IFCMATERIAL('Concrete',$,'concrete');\n"
    "#26=IFCRELASSOCIATESMATERIAL('15rScmOVzMoQXOfbYdtLYj',$,$,$,(#20),#25);\n";

TEST_F(IdsFacets, OccurrencesInheritPropertiesMaterialsAndTypesFromTheirTypeObject) {
  EXPECT_TRUE(Check(TypedWall, Walls, Property("Pset_WallCommon", "FireRating", "IFCLABEL", Simple("REI60"))).passes);
  EXPECT_TRUE(Check(TypedWall, Walls, "<material><value>" + Simple("concrete") + "</value></material>").passes);
  EXPECT_TRUE(Check(TypedWall,
                    "<entity><name>" + Simple("IFCWALL") + "</name><predefinedType>" + Simple("SHEAR") +
                        "</predefinedType></entity>",
                    "")
                  .passes);
  const Ids::SpecificationResult external =
      Check(TypedWall, Walls, Property("Pset_WallCommon", "IsExternal", "IFCBOOLEAN", Simple("true")));
  EXPECT_FALSE(external.passes);
  EXPECT_EQ(FirstReason(external), "Pset_WallCommon.IsExternal is IFCBOOLEAN(.F.), required 'true'");
}

TEST_F(IdsFacets, TheOccurrencesOwnPropertyOverridesTheTypes) {
  const std::string data = TypedWall +
                           "#30=IFCPROPERTYSET('1n81bO_6nGjgypJwWUVavJ',$,'Pset_WallCommon',$,(#31));\n"
                           "#31=IFCPROPERTYSINGLEVALUE('FireRating',$,IFCLABEL('REI90'),$);\n"
                           "#32=IFCRELDEFINESBYPROPERTIES('2eA6m4fELI9QBIhP3wiLAp',$,$,$,(#10),#30);\n";
  EXPECT_FALSE(Check(data, Walls, Property("Pset_WallCommon", "FireRating", "IFCLABEL", Simple("REI60"))).passes);
  EXPECT_TRUE(Check(data, Walls, Property("Pset_WallCommon", "FireRating", "IFCLABEL", Simple("REI90"))).passes);
  // The type's other properties in the same set stay.
  EXPECT_TRUE(Check(data, Walls, Property("Pset_WallCommon", "IsExternal", "IFCBOOLEAN", Simple("false"))).passes);
}

TEST_F(IdsFacets, AnOverrideStaysWithItsOccurrenceWhenOthersShareTheType) {
  // #10 overrides the type's rating, #11 (typed the same, read after it) keeps the type's.
  const std::string data = TypedWall +
                           "#11=IFCWALL('3nJrDaLQfJ1QPhdJR0o97J',$,'W2',$,$,$,$,$,$);\n"
                           "#30=IFCPROPERTYSET('1n81bO_6nGjgypJwWUVavJ',$,'Pset_WallCommon',$,(#31));\n"
                           "#31=IFCPROPERTYSINGLEVALUE('FireRating',$,IFCLABEL('REI90'),$);\n"
                           "#32=IFCRELDEFINESBYPROPERTIES('2eA6m4fELI9QBIhP3wiLAp',$,$,$,(#10),#30);\n"
                           "#33=IFCRELDEFINESBYTYPE('25rScmOVzMoQXOfbYdtLYj',$,$,$,(#11),#20);\n";
  const Ids::SpecificationResult result =
      Check(data, Walls, Property("Pset_WallCommon", "FireRating", "IFCLABEL", Simple("REI60")));
  EXPECT_EQ(result.applicable, 2u);
  ASSERT_EQ(result.failures.size(), 1u);
  EXPECT_EQ(result.failures.front().instance, 10u);
  EXPECT_EQ(Check(data, Walls, Property("Pset_WallCommon", "FireRating", "IFCLABEL", Simple("REI90"))).failures.size(),
            1u);
}

TEST_F(IdsFacets, MissingPropertiesAreNamedAndOptionalOnesMayBeAbsent) {
  const Ids::SpecificationResult missing =
      Check(TypedWall, Walls, Property("Pset_WallCommon", "AcousticRating", "IFCLABEL", ""));
  EXPECT_EQ(FirstReason(missing), "Pset_WallCommon.AcousticRating is missing");
  EXPECT_EQ(FirstReason(Check(TypedWall, Walls, Property("Pset_DoorCommon", "FireRating", "IFCLABEL", ""))),
            "Pset_DoorCommon.FireRating is missing");
  EXPECT_TRUE(
      Check(TypedWall, Walls, Property("Pset_WallCommon", "AcousticRating", "IFCLABEL", "", "optional")).passes);
  EXPECT_FALSE(
      Check(TypedWall, Walls, Property("Pset_WallCommon", "FireRating", "IFCLABEL", Simple("REI30"), "optional"))
          .passes);
  EXPECT_FALSE(Check(TypedWall, Walls, Property("Pset_WallCommon", "FireRating", "IFCLABEL", "", "prohibited")).passes);
}

const std::string Spatial =
    "#1=IFCPROJECT('1hqIFTRjfV6AWq_bMtnZwI',$,$,$,$,$,$,$,$);\n"
    "#2=IFCBUILDING('0eA6m4fELI9QBIhP3wiLAp',$,'B',$,$,$,$,$,$,$,$,$);\n"
    "#3=IFCBUILDINGSTOREY('1eA6m4fELI9QBIhP3wiLAp',$,'Level 1',$,$,$,$,$,$,$);\n"
    "#4=IFCRELAGGREGATES('2eA6m4fELI9QBIhP3wiLAp',$,$,$,#1,(#2));\n"
    "#5=IFCRELAGGREGATES('3eA6m4fELI9QBIhP3wiLAp',$,$,$,#2,(#3));\n"
    "#10=IFCWALL('2nJrDaLQfJ1QPhdJR0o97J',$,'W',$,$,$,$,$,$);\n"
    "#11=IFCRELCONTAINEDINSPATIALSTRUCTURE('05rScmOVzMoQXOfbYdtLYj',$,$,$,(#10),#3);\n";

std::string PartOf(const std::string& entity, const std::string& relation) {
  return "<partOf" + (relation.empty() ? std::string() : " relation=\"" + relation + "\"") + "><entity><name>" +
         Simple(entity) + "</name></entity></partOf>";
}

TEST_F(IdsFacets, ContainmentReachesUpTheSpatialAggregation) {
  EXPECT_TRUE(Check(Spatial, Walls, PartOf("IFCBUILDINGSTOREY", "IFCRELCONTAINEDINSPATIALSTRUCTURE")).passes);
  EXPECT_TRUE(Check(Spatial, Walls, PartOf("IFCBUILDING", "IFCRELCONTAINEDINSPATIALSTRUCTURE")).passes);
  EXPECT_TRUE(Check(Spatial, Walls, PartOf("IFCPROJECT", "")).passes);
  // The wall is contained, not aggregated; the storey itself is aggregated, not contained.
  EXPECT_FALSE(Check(Spatial, Walls, PartOf("IFCBUILDING", "IFCRELAGGREGATES")).passes);
  const Ids::SpecificationResult storey =
      Check(Spatial, "<entity><name>" + Simple("IFCBUILDINGSTOREY") + "</name></entity>",
            PartOf("IFCBUILDING", "IFCRELCONTAINEDINSPATIALSTRUCTURE"));
  EXPECT_FALSE(storey.passes);
  EXPECT_EQ(FirstReason(storey), "is part of nothing");
  EXPECT_EQ(FirstReason(Check(Spatial, Walls, PartOf("IFCSITE", ""))), "is not part of IFCSITE");
}

TEST_F(IdsFacets, ARelationCycleEnds) {
  const std::string cycle =
      "#1=IFCELEMENTASSEMBLY('1hqIFTRjfV6AWq_bMtnZwI',$,$,$,$,$,$,$,$,$);\n"
      "#2=IFCELEMENTASSEMBLY('0eA6m4fELI9QBIhP3wiLAp',$,$,$,$,$,$,$,$,$);\n"
      "#3=IFCRELAGGREGATES('2eA6m4fELI9QBIhP3wiLAp',$,$,$,#1,(#2));\n"
      "#4=IFCRELAGGREGATES('3eA6m4fELI9QBIhP3wiLAp',$,$,$,#2,(#1));\n";
  EXPECT_FALSE(Check(cycle, "<entity><name>" + Simple("IFCELEMENTASSEMBLY") + "</name></entity>",
                     PartOf("IFCWALL", "IFCRELAGGREGATES"))
                   .passes);
}

const std::string AirTerminals = "<entity><name><simpleValue>IFCAIRTERMINAL</simpleValue></name></entity>";

TEST_F(IdsFacets, Ifc2x3OccurrencesAreNamedByTheirTypeObject) {
  // IFC2X3 has no IfcAirTerminal: an IfcFlowTerminal typed by an IfcAirTerminalType stands for one.
  const std::string data =
      "#1=IFCFLOWTERMINAL('1hqIFTRjfV6AWq_bMtnZwI',$,'Grille',$,$,$,$,$);\n"
      "#2=IFCAIRTERMINALTYPE('0eA6m4fELI9QBIhP3wiLAp',$,'T',$,$,$,$,$,$,.GRILLE.);\n"
      "#3=IFCRELDEFINESBYTYPE('05rScmOVzMoQXOfbYdtLYj',$,$,$,(#1),#2);\n"
      "#4=IFCFLOWTERMINAL('2nJrDaLQfJ1QPhdJR0o97J',$,'Untyped',$,$,$,$,$);\n";
  const Ids::SpecificationResult terminals = Check(data, AirTerminals, "", "IFC2X3");
  EXPECT_EQ(terminals.applicable, 1u);
  EXPECT_TRUE(terminals.passes);
  // The type object gives the predefined type.
  const Ids::SpecificationResult diffusers =
      Check(data, AirTerminals,
            "<entity><name>" + Simple("IFCAIRTERMINAL") + "</name><predefinedType>" + Simple("DIFFUSER") +
                "</predefinedType></entity>",
            "IFC2X3");
  EXPECT_FALSE(diffusers.passes);
  EXPECT_EQ(FirstReason(diffusers), "is IFCFLOWTERMINAL of type GRILLE, required IFCAIRTERMINAL of type DIFFUSER");
  EXPECT_EQ(Check(data,
                  "<entity><name>" + Simple("IFCAIRTERMINAL") + "</name><predefinedType>" + Simple("GRILLE") +
                      "</predefinedType></entity>",
                  "", "IFC2X3")
                .applicable,
            1u);
  // The IFC2X3 entity itself is matched exactly, typed or not.
  EXPECT_EQ(Check(data, "<entity><name>" + Simple("IFCFLOWTERMINAL") + "</name></entity>", "", "IFC2X3").applicable,
            2u);
}

TEST_F(IdsFacets, Ifc4x3ModelsAreChecked) {
  const std::string data = "#1=IFCWALL('1hqIFTRjfV6AWq_bMtnZwI',$,'Waldo',$,$,$,$,$,$);\n";
  const Ids::SpecificationResult result = Check(
      data, Walls, "<attribute><name>" + Simple("Name") + "</name><value>" + Simple("Waldo") + "</value></attribute>",
      "IFC4X3_ADD2");
  EXPECT_EQ(result.applicable, 1u);
  EXPECT_TRUE(result.passes);
}

}  // namespace
