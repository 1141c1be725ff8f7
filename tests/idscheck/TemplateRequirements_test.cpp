// The standard sets of a model checked against the templates as specifications: sets held by a type
// object, quantities, an entity a set does not apply to, and one object carrying a set name twice.
#include "idscheck/check/TemplateRequirements.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "idscheck/check/ReaderModelView.h"

namespace {

namespace fs = std::filesystem;

const char* const kModel =
    "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\nFILE_NAME('','',(),(),'','','');\n"
    "FILE_SCHEMA(('IFC4X3_ADD2'));\nENDSEC;\nDATA;\n"
    "#1=IFCPROPERTYSINGLEVALUE('FireRating',$,IFCINTEGER(90),$);\n"
    "#2=IFCPROPERTYSET('3000000000000000000002',$,'Pset_WallCommon',$,(#1));\n"
    "#3=IFCWALLTYPE('3000000000000000000003',$,'Type',$,$,(#2),$,$,$,.SOLIDWALL.);\n"
    "#4=IFCWALL('3000000000000000000004',$,'Wall',$,$,$,$,$,$);\n"
    "#5=IFCQUANTITYLENGTH('Length',$,$,4.,$);\n"
    "#6=IFCQUANTITYAREA('Width',$,$,0.3,$);\n"
    "#7=IFCELEMENTQUANTITY('3000000000000000000007',$,'Qto_WallBaseQuantities',$,$,(#5,#6));\n"
    "#8=IFCRELDEFINESBYPROPERTIES('3000000000000000000008',$,$,$,(#4),#7);\n"
    "#9=IFCPROPERTYSINGLEVALUE('IsExternal',$,IFCBOOLEAN(.T.),$);\n"
    "#10=IFCPROPERTYSET('300000000000000000000A',$,'Pset_WallCommon',$,(#9));\n"
    "#11=IFCRELDEFINESBYPROPERTIES('300000000000000000000B',$,$,$,(#4),#10);\n"
    "#12=IFCPROPERTYENUMERATEDVALUE('Status',$,(IFCLABEL('NEW'),IFCLABEL('OLD')),$);\n"
    "#13=IFCPROPERTYSET('300000000000000000000D',$,'Pset_WallCommon',$,(#12));\n"
    "#14=IFCRELDEFINESBYPROPERTIES('300000000000000000000E',$,$,$,(#4),#13);\n"
    "#15=IFCSLAB('300000000000000000000F',$,'Slab',$,$,$,$,$,$);\n"
    "#16=IFCRELDEFINESBYPROPERTIES('300000000000000000000G',$,$,$,(#15),#10);\n"
    "#17=IFCPROPERTYSET('300000000000000000000H',$,'Own_Set',$,(#1));\n"
    "#18=IFCRELDEFINESBYPROPERTIES('300000000000000000000I',$,$,$,(#15),#17);\n"
    "ENDSEC;\nEND-ISO-10303-21;\n";

TEST(TemplateRequirements, EachStandardSetNameIsASpecification) {
  const fs::path path = fs::temp_directory_path() / "ids-template-requirements.ifc";
  std::ofstream(path) << kModel;
  Ids::ReaderModelView view;
  const Ifc::Status opened = view.Open(path.string());
  ASSERT_TRUE(opened) << opened.Error().Message();
  fs::remove(path);
  std::vector<std::string> notes;
  const std::vector<Ids::SpecificationResult> results = Ids::CheckTemplates(view, notes);
  EXPECT_TRUE(notes.empty());
  // Name order; Own_Set is no standard set.
  ASSERT_EQ(results.size(), 2u);
  const Ids::SpecificationResult& wall = results[0];
  EXPECT_EQ(wall.name, "Pset_WallCommon");
  EXPECT_EQ(wall.idsFile, Ids::kTemplatesSource);
  // The type, the wall (counted once for its two sets of the name) and the slab.
  EXPECT_EQ(wall.applicable, 3u);
  EXPECT_EQ(wall.passed, 0u);
  EXPECT_FALSE(wall.passes);
  ASSERT_EQ(wall.failures.size(), 3u);
  EXPECT_EQ(wall.failures[0].instance.Value(), 3u);
  EXPECT_EQ(wall.failures[0].reasons, (std::vector<std::string>{"Pset_WallCommon.FireRating: the IFC4X3_ADD2 template "
                                                                "says IfcLabel, the model has IfcInteger"}));
  EXPECT_EQ(wall.failures[1].instance.Value(), 4u);
  EXPECT_EQ(wall.failures[1].reasons,
            (std::vector<std::string>{"Pset_WallCommon.Status: the IFC4X3_ADD2 template says one of DEMOLISH, "
                                      "EXISTING, NEW, TEMPORARY, OTHER, NOTKNOWN, UNSET, the model has 'OLD'"}));
  EXPECT_EQ(wall.failures[2].instance.Value(), 15u);
  EXPECT_EQ(wall.failures[2].entity, "IfcSlab");
  EXPECT_EQ(wall.failures[2].reasons, (std::vector<std::string>{"Pset_WallCommon: the IFC4X3_ADD2 template says for "
                                                                "IfcWall, IfcWallType, the model has it to IfcSlab"}));
  const Ids::SpecificationResult& quantities = results[1];
  EXPECT_EQ(quantities.name, "Qto_WallBaseQuantities");
  EXPECT_EQ(quantities.applicable, 1u);
  ASSERT_EQ(quantities.failures.size(), 1u);
  EXPECT_EQ(quantities.failures[0].reasons,
            (std::vector<std::string>{"Qto_WallBaseQuantities.Width: the IFC4X3_ADD2 template says IfcLengthMeasure, "
                                      "the model has IfcAreaMeasure"}));
}

}  // namespace
