#include "lookup/ElementLookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "API/IfcGlobalId.h"
#include "APICore/StandInElementLookup.h"
#include "Model.h"

namespace Exporter {
namespace {

const API_Guid AddOn = ToAPIGuid(KT::Guid("{7E570000-0000-4000-8000-0000000000AD}"));

// A wall with a type, in a storey; a space aggregated into the storey; a chair in the space; a slab
// related to nothing. The wall's own set holds every kind of value the look-up turns into text; its
// type holds a set of its own, and a second wall-set relation uses IFC4's typed set of sets. References
// to what the file lacks (#98, #99) and to what is no property set (#20) are passed over.
const std::string Input =
    "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n"
    "FILE_NAME('in.ifc','2026-01-01T00:00:00',(''),(''),'','','');\nFILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n"
    "#1=IFCWALL('3W0000001008000000000H',$,'Wall \\X2\\00C4\\X0\\1',$,'Brick','It''s',$,'W-01',.SOLIDWALL.);\n"
    "#2=IFCWALLTYPE('2W0000001008000000000T',$,'WT-3',$,$,(#30),$,$,$,.SOLIDWALL.);\n"
    "#3=IFCRELDEFINESBYTYPE('2W000000100800000000R1',$,$,$,(#1),#2);\n"
    "#4=IFCBUILDINGSTOREY('300000001008000000000I',$,'Ground floor',$,$,$,$,$,.ELEMENT.,0.);\n"
    "#5=IFCRELCONTAINEDINSPATIALSTRUCTURE('2W000000100800000000R2',$,$,$,(#1),#4);\n"
    "#6=IFCSPACE('3G00000010080000000001',$,'E.01',$,$,$,$,'Living',.ELEMENT.,.INTERNAL.,$);\n"
    "#7=IFCRELAGGREGATES('2W000000100800000000R3',$,$,$,#4,(#6));\n"
    "#8=IFCFURNITURE('3W0000001008000000000C',$,'Chair',$,$,$,$,$,$);\n"
    "#9=IFCRELCONTAINEDINSPATIALSTRUCTURE('2W000000100800000000R4',$,$,$,(#8),#6);\n"
    "#10=IFCSLAB('3W0000001008000000000S',$,$,$,$,$,$,$,$);\n"
    "#20=IFCPROPERTYSINGLEVALUE('Reference',$,IFCIDENTIFIER('EW-240'),$);\n"
    "#21=IFCPROPERTYSINGLEVALUE('IsExternal',$,IFCBOOLEAN(.T.),$);\n"
    "#22=IFCPROPERTYENUMERATEDVALUE('Status',$,(IFCLABEL('NEW'),IFCLABEL('EXISTING')),$);\n"
    "#23=IFCPROPERTYLISTVALUE('Layers',$,(IFCLABEL('Brick'),IFCLABEL('Plaster')),$);\n"
    "#24=IFCPROPERTYBOUNDEDVALUE('Tolerance',$,IFCLENGTHMEASURE(0.005),IFCLENGTHMEASURE(-0.005),$,$);\n"
    "#25=IFCPROPERTYSINGLEVALUE('Remark',$,$,$);\n"
    "#26=IFCPROPERTYSET('3m00000010080000000001',$,'Pset_WallCommon',$,(#20,#21,#22,#23,#24,#25,#33,#99));\n"
    "#27=IFCRELDEFINESBYPROPERTIES('3m00000010080000000002',$,$,$,(#1),#26);\n"
    "#28=IFCPROPERTYSINGLEVALUE('ThermalTransmittance',$,IFCTHERMALTRANSMITTANCEMEASURE(0.24),$);\n"
    "#29=IFCPROPERTYSET('3m00000010080000000003',$,'Pset_Thermal',$,(#28));\n"
    "#30=IFCPROPERTYSET('3m00000010080000000004',$,'Pset_WallCommon',$,(#31));\n"
    "#31=IFCPROPERTYSINGLEVALUE('FireRating',$,IFCLABEL('REI 90'),$);\n"
    "#32=IFCRELDEFINESBYPROPERTIES('3m00000010080000000005',$,$,$,(#1),IFCPROPERTYSETDEFINITIONSET((#29,#98,#20)));\n"
    "#33=IFCPROPERTYTABLEVALUE('Curve',$,(IFCREAL(1.),IFCREAL(2.)),(IFCREAL(10.),IFCREAL(20.)),$,$,$,$);\n"
    "ENDSEC;\nEND-ISO-10303-21;\n";

class ElementLookupTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(file.Read(Input.data(), Input.size(), "in.ifc", error)) << error;
  }

  ElementLookup::Result Ask(const char* globalId) { return lookup.LookUp(AddOn, *API::GuidFromGlobalId(globalId)); }

  StepFile file;
  ElementLookup lookup{file};
};

TEST_F(ElementLookupTest, AnswersAnElementsAttributesTypeAndContainer) {
  const auto wall = Ask("3W0000001008000000000H");
  ASSERT_TRUE(wall.HasValue()) << wall.GetError().message;
  const API::ElementInfo& info = wall.Unwrap();
  EXPECT_EQ(info.globalId, "3W0000001008000000000H");
  EXPECT_EQ(info.entity, "IfcWall");
  EXPECT_EQ(info.predefinedType, "SOLIDWALL");
  EXPECT_EQ(info.name, std::optional<std::string>(u8"Wall \u00c41"));
  EXPECT_EQ(info.description, std::nullopt);
  EXPECT_EQ(info.objectType, std::optional<std::string>("Brick"));
  EXPECT_EQ(info.tag, std::optional<std::string>("W-01"));
  ASSERT_TRUE(info.type.has_value());
  EXPECT_EQ(info.type->entity, "IfcWallType");
  EXPECT_EQ(info.type->name, "WT-3");
  EXPECT_EQ(info.type->globalId, "2W0000001008000000000T");
  ASSERT_TRUE(info.container.has_value());
  EXPECT_EQ(info.container->entity, "IfcBuildingStorey");
  EXPECT_EQ(info.container->globalId, "300000001008000000000I");
}

TEST_F(ElementLookupTest, ReadsEveryKindOfPropertyValueAndTheTypesSets) {
  const auto wall = Ask("3W0000001008000000000H");
  ASSERT_TRUE(wall.HasValue());
  const std::vector<API::ElementProperty>& properties = wall.Unwrap().properties;
  ASSERT_EQ(properties.size(), 9U);
  const struct {
    const char* set;
    const char* name;
    const char* kind;
    const char* ifcType;
    const char* value;
    bool fromType;
  } expected[] = {
      {"Pset_WallCommon", "Reference", "IfcPropertySingleValue", "IfcIdentifier", "EW-240", false},
      {"Pset_WallCommon", "IsExternal", "IfcPropertySingleValue", "IfcBoolean", "TRUE", false},
      {"Pset_WallCommon", "Status", "IfcPropertyEnumeratedValue", "IfcLabel", "NEW, EXISTING", false},
      {"Pset_WallCommon", "Layers", "IfcPropertyListValue", "IfcLabel", "Brick, Plaster", false},
      {"Pset_WallCommon", "Tolerance", "IfcPropertyBoundedValue", "IfcLengthMeasure", "-0.005, 0.005", false},
      {"Pset_WallCommon", "Remark", "IfcPropertySingleValue", "", "", false},
      {"Pset_WallCommon", "Curve", "IfcPropertyTableValue", "IfcReal", "1.: 10., 2.: 20.", false},
      {"Pset_Thermal", "ThermalTransmittance", "IfcPropertySingleValue", "IfcThermalTransmittanceMeasure", "0.24",
       false},
      {"Pset_WallCommon", "FireRating", "IfcPropertySingleValue", "IfcLabel", "REI 90", true},
  };
  for (std::size_t i = 0; i < properties.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(properties[i].set, expected[i].set);
    EXPECT_EQ(properties[i].name, expected[i].name);
    EXPECT_EQ(properties[i].kind, expected[i].kind);
    EXPECT_EQ(properties[i].ifcType, expected[i].ifcType);
    EXPECT_EQ(properties[i].value, expected[i].value);
    EXPECT_EQ(properties[i].fromType, expected[i].fromType);
  }
}

TEST_F(ElementLookupTest, FindsTheContainerThroughSpacesAndAggregates) {
  const auto space = Ask("3G00000010080000000001");
  const auto chair = Ask("3W0000001008000000000C");
  const auto slab = Ask("3W0000001008000000000S");
  ASSERT_TRUE(space.HasValue() && chair.HasValue() && slab.HasValue());
  ASSERT_TRUE(space.Unwrap().container.has_value());
  EXPECT_EQ(space.Unwrap().container->name, "Ground floor");  // the storey the space is part of
  EXPECT_EQ(space.Unwrap().predefinedType, "INTERNAL");
  ASSERT_TRUE(chair.Unwrap().container.has_value());
  EXPECT_EQ(chair.Unwrap().container->entity, "IfcSpace");  // the nearest structure, not the storey
  EXPECT_EQ(chair.Unwrap().container->name, "E.01");
  const API::ElementInfo& bare = slab.Unwrap();
  EXPECT_EQ(bare.name, std::nullopt);
  EXPECT_EQ(bare.predefinedType, "");
  EXPECT_FALSE(bare.type.has_value());
  EXPECT_FALSE(bare.container.has_value());
  EXPECT_TRUE(bare.properties.empty());
}

TEST_F(ElementLookupTest, FailsForAGuidOfNoElementAndTellsTheListener) {
  std::vector<std::string> heard;
  lookup.SetListener([&](const KT::Guid& guid, const ElementLookup::Result& answer) {
    heard.push_back(API::GlobalIdFromGuid(guid) + (answer.HasValue() ? " found" : " failed"));
  });
  const auto unknown = Ask("3W00000010080000000099");
  ASSERT_FALSE(unknown.HasValue());
  EXPECT_EQ(unknown.GetError().code, API::ErrorUnknownElement);
  EXPECT_NE(unknown.GetError().message.find("'3W00000010080000000099'"), std::string::npos)
      << unknown.GetError().message;
  EXPECT_EQ(unknown.GetToken(), AddOn);
  // A property set has a GlobalId but is no element.
  EXPECT_EQ(Ask("3m00000010080000000001").GetError().code, API::ErrorUnknownElement);
  EXPECT_TRUE(Ask("2W0000001008000000000T").HasValue());  // a type object is asked about as an object
  EXPECT_EQ(heard, (std::vector<std::string>{"3W00000010080000000099 failed", "3m00000010080000000001 failed",
                                             "2W0000001008000000000T found"}));
}

TEST_F(ElementLookupTest, IsServedToAddOnsWhileRegistered) {
  const KT::Guid wall = *API::GuidFromGlobalId("3W0000001008000000000H");
  {
    const ServedElementLookup served(lookup);
    const auto answer = API::LookUpElement(AddOn, wall);
    ASSERT_TRUE(answer.HasValue());
    EXPECT_EQ(answer.Unwrap().tag, std::optional<std::string>("W-01"));
  }
  EXPECT_EQ(API::LookUpElement(AddOn, wall).GetError().code, API::ErrorNoElementLookup);
}

// The same wall in the other two schemas: IFC2X3 has no PredefinedType on a wall (and relates its
// type by a relation whose inverse it spells IsDefinedBy), IFC4X3_ADD2 reads as IFC4 does.
class OtherSchemaTest : public testing::TestWithParam<const char*> {};

TEST_P(OtherSchemaTest, AnswersFromTheFilesOwnSchemaTables) {
  const std::string path = std::string(IFCAPI_LOOKUP_DATA) + "/" + GetParam();
  IfcReader::Model model;
  std::string error;
  ASSERT_TRUE(model.Open(path, error)) << error;
  ElementLookup lookup(model);
  const auto wall = lookup.LookUp(AddOn, *API::GuidFromGlobalId("3W0000001008000000000H"));
  ASSERT_TRUE(wall.HasValue()) << wall.GetError().message;
  const API::ElementInfo& info = wall.Unwrap();
  const bool ifc2x3 = model.Version() == IfcReader::SchemaVersion::Ifc2x3;
  EXPECT_EQ(info.entity, ifc2x3 ? "IfcWallStandardCase" : "IfcWall");
  EXPECT_EQ(info.predefinedType, ifc2x3 ? "" : "SOLIDWALL");
  EXPECT_EQ(info.description, std::optional<std::string>("Brick wall"));
  ASSERT_TRUE(info.type.has_value());
  EXPECT_EQ(info.type->entity, "IfcWallType");
  EXPECT_EQ(info.type->name, ifc2x3 ? "WT-23" : "WT-43");
  ASSERT_TRUE(info.container.has_value());
  EXPECT_EQ(info.container->name, "Ground floor");
  ASSERT_EQ(info.properties.size(), 2U);
  EXPECT_EQ(info.properties[0].name, "FireRating");
  EXPECT_EQ(info.properties[0].ifcType, "IfcLabel");
  EXPECT_EQ(info.properties[0].value, "REI 90");
  EXPECT_FALSE(info.properties[0].fromType);
  EXPECT_EQ(info.properties[1].set, "Pset_WallTypeData");
  EXPECT_EQ(info.properties[1].value, "Bricks Ltd");
  EXPECT_TRUE(info.properties[1].fromType);
}

INSTANTIATE_TEST_SUITE_P(Schemas, OtherSchemaTest, testing::Values("ifc2x3-wall.ifc", "ifc4x3-wall.ifc"));

}  // namespace
}  // namespace Exporter
