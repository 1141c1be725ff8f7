#include "exporter/lookup/ElementLookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "API/IfcGlobalId.h"
#include "APICore/StandInElementLookup.h"
#include "StatusAssertions.h"
#include "ifc/step/Model.h"

namespace Exporter {
namespace {

const API_Guid AddOn = ToAPIGuid(KT::Guid("{7E570000-0000-4000-8000-0000000000AD}"));

// data/lookup/ifc4-wall.ifc: a wall with a type, in a storey (and, later in the file, in a second
// one); a space aggregated into the storey (and into itself); a chair in the space; a slab related to
// nothing. The wall's own set holds every kind of value the look-up turns into text, its relation
// names it twice; its type holds a set of its own, and a second wall-set relation uses IFC4's typed
// set of sets. References to what the file lacks (#98, #99), to what is no property set (#20) and a
// type relation without its type are passed over.
void Open(Ifc::Model& model, const std::string& name) {
  ASSERT_TRUE(Succeeded(model.Open(std::string(IFCAPI_TEST_DATA) + "/lookup/" + name)));
}

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
  void SetUp() override { Open(model, "ifc4-wall.ifc"); }

  ElementLookup::Result Ask(const char* globalId) { return lookup.LookUp(AddOn, *API::GuidFromGlobalId(globalId)); }

  Ifc::Model model;
  ElementLookup lookup{model};
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

TEST_F(ElementLookupTest, IsServedToAddOnsOnlyWhileRegistered) {
  const KT::Guid wall = *API::GuidFromGlobalId("3W0000001008000000000H");
  {
    const ServedElementLookup served(lookup);
    EXPECT_TRUE(API::LookUpElement(AddOn, wall).HasValue());
  }
  EXPECT_EQ(API::LookUpElement(AddOn, wall).GetError().code, API::ErrorNoElementLookup);
}

// The same wall in the other two schemas: IFC2X3 has no PredefinedType on a wall (and relates its
// type by a relation whose inverse it spells IsDefinedBy), IFC4X3_ADD2 reads as IFC4 does.
TEST(ElementLookupOtherSchemas, AnswerFromTheFilesOwnSchemaTables) {
  for (const char* schema : {"2x3", "4x3"}) {
    Ifc::Model model;
    Open(model, std::string("ifc") + schema + "-wall.ifc");
    const bool ifc2x3 = model.Version() == Ifc::SchemaVersion::Ifc2x3;
    EXPECT_EQ(Described(ElementLookup(model).LookUp(AddOn, *API::GuidFromGlobalId("3W0000001008000000000H"))),
              std::string("3W0000001008000000000H ") + (ifc2x3 ? "IfcWallStandardCase " : "IfcWall SOLIDWALL") +
                  " 'Wall " + schema + "' 'Brick wall' $ 'W-" + schema[0] + schema[2] +
                  "' type: IfcWallType 2W0000001008000000000T 'WT-" + schema[0] + schema[2] +
                  "' in: IfcBuildingStorey 300000001008000000000I 'Ground floor'\n"
                  "Pset_WallCommon.FireRating IfcPropertySingleValue IfcLabel 'REI 90'\n"
                  "Pset_WallTypeData.Manufacturer IfcPropertySingleValue IfcLabel 'Bricks Ltd' (type)");
  }
}

// data/lookup/storeys-*.ifc, one a schema: project, site, building B-1 with two storeys; a space in
// the ground floor holding a door; a wall on the first floor; a beam in an assembly on the ground
// floor; a slab related to nothing; two assemblies that aggregate each other.
struct StoreyCase {
  const char* globalId;
  const char* storey;    // "$" for none
  const char* building;  // likewise
};
constexpr StoreyCase kStoreyCases[] = {
    {"3W0000001008000000000D", "Ground floor", "Building B-1"},  // door, contained in the space
    {"3G00000010080000000001", "Ground floor", "Building B-1"},  // the space, aggregated into the storey
    {"3W0000001008000000000H", "First floor", "Building B-1"},   // wall, contained in the storey
    {"3W0000001008000000000B", "Ground floor", "Building B-1"},  // beam, part of a contained assembly
    {"300000001008000000000J", "$", "Building B-1"},             // a storey is on no storey
    {"2m00000010080000000001", "$", "$"},                        // the building is in the site
    {"3W0000001008000000000S", "$", "$"},                        // related to nothing
    {"3W0000001008000000000X", "$", "$"},                        // a loop of aggregates
};

TEST(ElementLookupStoreys, FoundThroughContainmentAndAggregationInEverySchema) {
  for (const char* schema : {"ifc2x3", "ifc4", "ifc4x3"}) {
    Ifc::Model model;
    Open(model, std::string("storeys-") + schema + ".ifc");
    ElementLookup lookup(model);
    for (const StoreyCase& c : kStoreyCases) {
      const auto answer = lookup.LookUp(AddOn, *API::GuidFromGlobalId(c.globalId));
      ASSERT_TRUE(answer.HasValue()) << schema << " " << c.globalId;
      const API::ElementInfo& info = answer.Unwrap();
      const auto name = [](const std::optional<API::ElementReference>& of) { return of ? of->name : "$"; };
      EXPECT_EQ(name(info.storey), c.storey) << schema << " " << c.globalId;
      EXPECT_EQ(name(info.building), c.building) << schema << " " << c.globalId;
    }
    const auto door = lookup.LookUp(AddOn, *API::GuidFromGlobalId("3W0000001008000000000D"));
    ASSERT_TRUE(door.HasValue());
    EXPECT_EQ(door.Unwrap().storey->globalId, "300000001008000000000I") << schema;
    EXPECT_EQ(door.Unwrap().storey->entity, "IfcBuildingStorey") << schema;
    EXPECT_EQ(door.Unwrap().building->globalId, "2m00000010080000000001") << schema;
  }
}

// IsA by the file's own schema: the door is an IfcDoorStandardCase in IFC4, an IfcDoor elsewhere;
// IFC4X3_ADD2 renamed IfcBuildingElement to IfcBuiltElement.
TEST(ElementLookupStoreys, IsAFollowsTheSchemasInheritance) {
  struct Case {
    const char* entity;
    bool ifc2x3, ifc4, ifc4x3;
  };
  constexpr Case kCases[] = {
      {"IfcDoor", true, true, true},
      {"IFCDOOR", true, true, true},
      {"IfcDoorStandardCase", false, true, false},
      {"IfcBuildingElement", true, true, false},
      {"IfcBuiltElement", false, false, true},
      {"IfcElement", true, true, true},
      {"IfcRoot", true, true, true},
      {"IfcWall", false, false, false},
      {"IfcDoo", false, false, false},
      {"", false, false, false},
  };
  for (const char* schema : {"ifc2x3", "ifc4", "ifc4x3"}) {
    Ifc::Model model;
    Open(model, std::string("storeys-") + schema + ".ifc");
    const auto door = ElementLookup(model).LookUp(AddOn, *API::GuidFromGlobalId("3W0000001008000000000D"));
    ASSERT_TRUE(door.HasValue());
    const API::ElementInfo& info = door.Unwrap();
    EXPECT_EQ(info.entityAndSupertypes.front(), info.entity) << schema;
    EXPECT_EQ(info.entityAndSupertypes.back(), "IfcRoot") << schema;
    for (const Case& c : kCases) {
      const bool expected = std::string(schema) == "ifc2x3" ? c.ifc2x3
                            : std::string(schema) == "ifc4" ? c.ifc4
                                                            : c.ifc4x3;
      EXPECT_EQ(info.IsA(c.entity), expected) << schema << " IsA(" << c.entity << ")";
    }
  }
}

// An attribute longer than the look-up serves is handed over unset and noted (the first named); one
// of exactly that length is served. A long property value goes the same way; the rest of the element
// is answered either way.
TEST(ElementLookupLimits, AttributesLongerThanServedAreUnset) {
  const std::size_t limit = ElementLookup::kMaxServedText;
  const std::string atLimit = "'" + std::string(limit - 2, 'a') + "'";
  const std::string over = "'" + std::string(limit - 1, 'b') + "'";
  const std::string text =
      "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\nFILE_NAME('','',(''),(''),'','','');\n"
      "FILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n"
      "#1=IFCWALL('3W0000001008000000000H',$,'A'," +
      atLimit +
      ",$,$,$,'T1',$);\n"
      "#2=IFCWALL('3W0000001008000000000J',$,'B'," +
      over +
      ",'Type',$,$,'T2',$);\n"
      "#3=IFCPROPERTYSINGLEVALUE('Long',$,IFCLABEL(" +
      over +
      "),$);\n"
      "#4=IFCPROPERTYSINGLEVALUE('Short',$,IFCLABEL('s'),$);\n"
      "#5=IFCPROPERTYSET('3W0000001008000000000K',$,'Pset_Test',$,(#3,#4));\n"
      "#6=IFCRELDEFINESBYPROPERTIES('3W0000001008000000000L',$,$,$,(#1),#5);\n"
      "ENDSEC;\nEND-ISO-10303-21;\n";
  Ifc::Model model;
  ASSERT_TRUE(Succeeded(model.Read(text.data(), text.size(), "long.ifc")));
  ElementLookup lookup(model);
  const auto first = lookup.LookUp(AddOn, *API::GuidFromGlobalId("3W0000001008000000000H"));
  ASSERT_TRUE(first.HasValue());
  EXPECT_EQ(first.Unwrap().description, std::string(limit - 2, 'a'));
  ASSERT_EQ(first.Unwrap().properties.size(), 2u);
  EXPECT_EQ(first.Unwrap().properties[0].name, "Long");
  EXPECT_EQ(first.Unwrap().properties[0].value, "");
  EXPECT_EQ(first.Unwrap().properties[1].value, "s");
  EXPECT_EQ(lookup.TextsLeftOut().count, 1u);
  EXPECT_EQ(lookup.TextsLeftOut().first,
            "#3 (IfcPropertySingleValue): its NominalValue of " + std::to_string(limit + 11) + " bytes");
  const auto second = lookup.LookUp(AddOn, *API::GuidFromGlobalId("3W0000001008000000000J"));
  ASSERT_TRUE(second.HasValue());
  const API::ElementInfo& info = second.Unwrap();
  EXPECT_EQ(info.description, std::nullopt);
  EXPECT_EQ(info.name, "B");
  EXPECT_EQ(info.objectType, "Type");
  EXPECT_EQ(info.tag, "T2");
  EXPECT_EQ(lookup.TextsLeftOut().count, 2u);
}

// Attributes and single values written plainly are read off the file's bytes, those written with
// blanks, comments or escapes are parsed: two walls saying the same, one written each way, are
// described alike.
TEST(ElementLookupPlainValues, ReadAsTheParsedOnes) {
  const std::string text =
      "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\nFILE_NAME('','',(''),(''),'','','');\n"
      "FILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n"
      "#1=IFCWALL('3W0000001008000000000H',$,'W-1','North side',*,$,$,'T1',.SOLIDWALL.);\n"
      "#2=IFCPROPERTYSINGLEVALUE('FireRating',$,IFCLABEL('EI 30'),$);\n"
      "#3=IFCPROPERTYSINGLEVALUE('Width',$,IFCLENGTHMEASURE(+2.40E-1),$);\n"
      "#4=IFCPROPERTYSINGLEVALUE('Layers',$,IFCINTEGER(+003),$);\n"
      "#5=IFCPROPERTYSINGLEVALUE('IsExternal',$,IFCBOOLEAN(.U.),$);\n"
      "#6=IFCPROPERTYSINGLEVALUE('Remark',$,$,$);\n"
      "#7=IFCPROPERTYSET('3W0000001008000000000K',$,'Pset_Test',$,(#2,#3,#4,#5,#6));\n"
      "#8=IFCRELDEFINESBYPROPERTIES('3W0000001008000000000L',$,$,$,(#1),#7);\n"
      "#11=IFCWALL ('3W0000001008000000000J', $, 'W\\X\\2D1', 'North side', *, $, $, 'T1', .SOLIDWALL.);\n"
      "#12=IFCPROPERTYSINGLEVALUE('Fire\\X2\\0052\\X0\\ating',$,IFCLABEL( 'EI 30' ),$);\n"
      "#13=IFCPROPERTYSINGLEVALUE('Width',/* m */$,IFCLENGTHMEASURE(+2.40E-1),$);\n"
      "#14=IFCPROPERTYSINGLEVALUE('Layers',$,IFCINTEGER(+003) ,$);\n"
      "#15=IFCPROPERTYSINGLEVALUE('IsExternal',$,IFCBOOLEAN(.U.),$ );\n"
      "#16=IFCPROPERTYSINGLEVALUE('Remark',$, $,$);\n"
      "#17=IFCPROPERTYSET('3W0000001008000000000M',$,'Pset_Test',$,(#12,#13,#14,#15, #16));\n"
      "#18=IFCRELDEFINESBYPROPERTIES('3W0000001008000000000N',$,$,$,(#11),#17);\n"
      "ENDSEC;\nEND-ISO-10303-21;\n";
  Ifc::Model model;
  ASSERT_TRUE(Succeeded(model.Read(text.data(), text.size(), "ways.ifc")));
  ElementLookup lookup(model);
  const std::string properties =
      "\nPset_Test.FireRating IfcPropertySingleValue IfcLabel 'EI 30'"
      "\nPset_Test.Width IfcPropertySingleValue IfcLengthMeasure '+2.40E-1'"
      "\nPset_Test.Layers IfcPropertySingleValue IfcInteger '3'"
      "\nPset_Test.IsExternal IfcPropertySingleValue IfcBoolean 'UNKNOWN'"
      "\nPset_Test.Remark IfcPropertySingleValue  ''";
  EXPECT_EQ(Described(lookup.LookUp(AddOn, *API::GuidFromGlobalId("3W0000001008000000000H"))),
            "3W0000001008000000000H IfcWall SOLIDWALL 'W-1' 'North side' $ 'T1' type: none in: none" + properties);
  EXPECT_EQ(Described(lookup.LookUp(AddOn, *API::GuidFromGlobalId("3W0000001008000000000J"))),
            "3W0000001008000000000J IfcWall SOLIDWALL 'W-1' 'North side' $ 'T1' type: none in: none" + properties);
}

}  // namespace
}  // namespace Exporter
