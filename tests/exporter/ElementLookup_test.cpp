#include "lookup/ElementLookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "API/IfcGlobalId.h"
#include "APICore/StandInElementLookup.h"
#include "IfcFileText.h"
#include "Model.h"

namespace Exporter {
namespace {

const API_Guid AddOn = ToAPIGuid(KT::Guid("{7E570000-0000-4000-8000-0000000000AD}"));

// A wall with a type, in a storey; a space aggregated into the storey; a chair in the space; a slab
// related to nothing. The wall's own set holds every kind of value the look-up turns into text; its
// type holds a set of its own, and a second wall-set relation uses IFC4's typed set of sets. References
// to what the file lacks (#98, #99) and to what is no property set (#20) are passed over.
const std::string Input = IfcFile(
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
    "#33=IFCPROPERTYTABLEVALUE('Curve',$,(IFCREAL(1.),IFCREAL(2.)),(IFCREAL(10.),IFCREAL(20.)),$,$,$,$);\n");

// An answer in one line: GlobalId, entity, predefined type, Name, Description, ObjectType, Tag, type
// and container; then one line a property, "set.name kind type 'value'", marked when from the type.
std::string Described(const ElementLookup::Result& answer) {
  if (!answer.HasValue()) {
    return "error: " + answer.GetError().message;
  }
  const API::ElementInfo& info = answer.Unwrap();
  const auto text = [](const std::optional<std::string>& value) { return value ? "'" + *value + "'" : "$"; };
  const auto reference = [](const std::optional<API::ElementReference>& of) {
    return of ? of->entity + " " + of->globalId + " '" + of->name + "'" : "none";
  };
  std::string out = info.globalId + " " + info.entity + " " + info.predefinedType + " " + text(info.name) + " " +
                    text(info.description) + " " + text(info.objectType) + " " + text(info.tag) +
                    " type: " + reference(info.type) + " in: " + reference(info.container);
  for (const API::ElementProperty& property : info.properties) {
    out += "\n" + property.set + "." + property.name + " " + property.kind + " " + property.ifcType + " '" +
           property.value + "'" + (property.fromType ? " (type)" : "");
  }
  return out;
}

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

TEST_F(ElementLookupTest, AnswersAnElementsAttributesTypeContainerAndEveryKindOfPropertyValue) {
  EXPECT_EQ(Described(Ask("3W0000001008000000000H")),
            "3W0000001008000000000H IfcWall SOLIDWALL 'Wall \xC3\x84"
            "1' $ 'Brick' 'W-01' type: IfcWallType 2W0000001008000000000T 'WT-3' "
            "in: IfcBuildingStorey 300000001008000000000I 'Ground floor'\n"
            "Pset_WallCommon.Reference IfcPropertySingleValue IfcIdentifier 'EW-240'\n"
            "Pset_WallCommon.IsExternal IfcPropertySingleValue IfcBoolean 'TRUE'\n"
            "Pset_WallCommon.Status IfcPropertyEnumeratedValue IfcLabel 'NEW, EXISTING'\n"
            "Pset_WallCommon.Layers IfcPropertyListValue IfcLabel 'Brick, Plaster'\n"
            "Pset_WallCommon.Tolerance IfcPropertyBoundedValue IfcLengthMeasure '-0.005, 0.005'\n"
            "Pset_WallCommon.Remark IfcPropertySingleValue  ''\n"
            "Pset_WallCommon.Curve IfcPropertyTableValue IfcReal '1.: 10., 2.: 20.'\n"
            "Pset_Thermal.ThermalTransmittance IfcPropertySingleValue IfcThermalTransmittanceMeasure '0.24'\n"
            "Pset_WallCommon.FireRating IfcPropertySingleValue IfcLabel 'REI 90' (type)");
}

// A space is contained by the storey it is part of, a chair by the nearest structure (the space).
TEST_F(ElementLookupTest, FindsTheContainerThroughSpacesAndAggregates) {
  EXPECT_EQ(Described(Ask("3G00000010080000000001")),
            "3G00000010080000000001 IfcSpace INTERNAL 'E.01' $ $ $ type: none "
            "in: IfcBuildingStorey 300000001008000000000I 'Ground floor'");
  EXPECT_EQ(Described(Ask("3W0000001008000000000C")),
            "3W0000001008000000000C IfcFurniture  'Chair' $ $ $ type: none in: IfcSpace 3G00000010080000000001 'E.01'");
  EXPECT_EQ(Described(Ask("3W0000001008000000000S")), "3W0000001008000000000S IfcSlab  $ $ $ $ type: none in: none");
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
TEST(ElementLookupOtherSchemas, AnswerFromTheFilesOwnSchemaTables) {
  for (const char* schema : {"2x3", "4x3"}) {
    IfcReader::Model model;
    std::string error;
    ASSERT_TRUE(model.Open(std::string(IFCAPI_LOOKUP_DATA) + "/ifc" + schema + "-wall.ifc", error)) << error;
    const bool ifc2x3 = model.Version() == IfcReader::SchemaVersion::Ifc2x3;
    EXPECT_EQ(Described(ElementLookup(model).LookUp(AddOn, *API::GuidFromGlobalId("3W0000001008000000000H"))),
              std::string("3W0000001008000000000H ") + (ifc2x3 ? "IfcWallStandardCase " : "IfcWall SOLIDWALL") +
                  " 'Wall " + schema + "' 'Brick wall' $ 'W-" + schema[0] + schema[2] +
                  "' type: IfcWallType 2W0000001008000000000T 'WT-" + schema[0] + schema[2] +
                  "' in: IfcBuildingStorey 300000001008000000000I 'Ground floor'\n"
                  "Pset_WallCommon.FireRating IfcPropertySingleValue IfcLabel 'REI 90'\n"
                  "Pset_WallTypeData.Manufacturer IfcPropertySingleValue IfcLabel 'Bricks Ltd' (type)");
  }
}

}  // namespace
}  // namespace Exporter
