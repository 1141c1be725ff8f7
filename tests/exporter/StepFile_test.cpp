#include "StepFile.h"

#include <gtest/gtest.h>

#include <string>

namespace Exporter {
namespace {

const std::string Header =
    "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n"
    "FILE_NAME('m.ifc','2026-01-01T00:00:00',(''),(''),'','','');\nFILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n";
const std::string Footer = "ENDSEC;\nEND-ISO-10303-21;\n";

// The reader's error for `text` ("" when it reads), with the file named m.ifc.
std::string ErrorOf(const std::string& text) {
  StepFile file;
  std::string error;
  return file.Read(text.data(), text.size(), "m.ifc", error) ? std::string() : error;
}

TEST(StepFile, SeesTheReadersModelWithTheToolsEntitiesAndNumbers) {
  const std::string text = Header +
                           "#7=IFCWALL('3W0000001008000000000H',$,'a;b)''(',$,$,$,$,$,$);\n"
                           "#900000=IFCCARTESIANPOINT((0.,0.,0.));\n"
                           "#3 = IFCBUILDING ('2m00000010080000000001',$,$,$,$,$,$,$,$,$,$,$);\n" +
                           Footer;
  StepFile file;
  std::string error;
  ASSERT_TRUE(file.Read(text.data(), text.size(), "m.ifc", error)) << error;
  ASSERT_EQ(file.Instances().size(), 3u);
  const IfcReader::Schema& schema = IfcReader::Schema::Get(IfcReader::SchemaVersion::Ifc4);
  EXPECT_EQ(file.Instances()[0].entity, schema.FindEntity("IFCWALL"));
  EXPECT_EQ(file.Instances()[2].entity, schema.FindEntity("IFCBUILDING"));
  EXPECT_EQ(file.Instances()[1].number, 900000u);
  EXPECT_EQ(file.Instances()[1].line, 9u);
  EXPECT_EQ(file.Text(0).substr(file.Instances()[0].argument), "('3W0000001008000000000H',$,'a;b)''(',$,$,$,$,$,$);");
  EXPECT_EQ(file.FindByNumber(900000), 1);
  EXPECT_EQ(file.FindByNumber(8), -1);
  EXPECT_EQ(file.FindByNumber(0), -1);
  EXPECT_EQ(file.FindByGlobalId(*DecodeGlobalId("2m00000010080000000001")), 2);
  ASSERT_EQ(file.RootedInstances().size(), 2u);
  EXPECT_EQ(file.RootedInstances()[1].index, 2u);
  EXPECT_EQ(file.LargestNumber(), 900000u);
  EXPECT_EQ(file.Data() + file.DataEnd(),
            std::string_view(file.Data(), file.Size()).substr(text.size() - Footer.size()).data());
}

TEST(StepFile, RefusesWhatTheToolCannotWriteBackRight) {
  const std::string wall = "#1=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n";
  // Elements are known by their GlobalIds: a duplicate is refused, though the reader tolerates it.
  EXPECT_EQ(ErrorOf(Header + wall + "#2=IFCSLAB('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n" + Footer),
            "m.ifc:9: #2: duplicate GlobalId '3W0000001008000000000H' (also on #1, line 8)");
  // New instances are numbered after the largest, in 32 bits.
  EXPECT_EQ(ErrorOf(Header + "#4000000000=IFCDIRECTION((1.,0.));\n" + Footer),
            "m.ifc:8: #4000000000: instance numbers above 2147483647 are not supported by this tool");
  // A reference to a missing instance is read, and reported.
  StepFile file;
  std::string error;
  const std::string missing = Header + "#1=IFCAXIS2PLACEMENT2D(#5,$);\n" + Footer;
  ASSERT_TRUE(file.Read(missing.data(), missing.size(), "m.ifc", error)) << error;
  EXPECT_EQ(file.Flaws().Of(IfcReader::FlawKind::MissingReference).count, 1u);
}

TEST(StepFile, OnlyIfc4IsRead) {
  std::string ifc2x3 = Header;
  ifc2x3.replace(ifc2x3.find("'IFC4'"), 6, "'IFC2X3'");
  EXPECT_EQ(ErrorOf(ifc2x3 + Footer), "m.ifc:5: FILE_SCHEMA is ('IFC2X3'), but this tool reads IFC4 files only");
  std::string ifc4x3 = Header;
  ifc4x3.replace(ifc4x3.find("'IFC4'"), 6, "'IFC4X3_ADD2'");
  EXPECT_EQ(ErrorOf(ifc4x3 + Footer), "m.ifc:5: FILE_SCHEMA is ('IFC4X3_ADD2'), but this tool reads IFC4 files only");
}

}  // namespace
}  // namespace Exporter
