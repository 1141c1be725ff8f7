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

TEST(StepFile, IndexesInstancesAndGlobalIds) {
  const std::string text = Header +
                           "#7=IFCWALL('3W0000001008000000000H',$,'a;b)''(',$,$,$,$,$,$);\n"
                           "/* a comment; with #8=IFCWALL( */\n"
                           "#900000=IFCCARTESIANPOINT((0.,0.,0.));\n"
                           "#3 = IFCBUILDING ('2m00000010080000000001',$,$,$,$,$,$,$,$,$,$,$);\n" +
                           Footer;
  StepFile file;
  std::string error;
  ASSERT_TRUE(file.Read(text.data(), text.size(), "m.ifc", error)) << error;
  ASSERT_EQ(file.Instances().size(), 3u);
  EXPECT_EQ(file.Instances()[1].line, 10u);
  EXPECT_EQ(file.Instances()[2].line, 11u);
  EXPECT_EQ(file.Text(0), "#7=IFCWALL('3W0000001008000000000H',$,'a;b)''(',$,$,$,$,$,$);");
  EXPECT_EQ(file.Arguments(2), "'2m00000010080000000001',$,$,$,$,$,$,$,$,$,$,$");
  // Numbers far apart use the sorted index rather than a dense table.
  EXPECT_EQ(file.FindByNumber(900000), 1);
  EXPECT_EQ(file.FindByNumber(3), 2);
  EXPECT_EQ(file.FindByNumber(8), -1);
  EXPECT_EQ(file.FindByGlobalId(*DecodeGlobalId("2m00000010080000000001")), 2);
  EXPECT_EQ(file.FindByGlobalId(*DecodeGlobalId("2m00000010080000000002")), -1);
  EXPECT_EQ(file.RootedInstances().size(), 2u);
  EXPECT_EQ(file.LargestNumber(), 900000u);
}

TEST(StepFile, ErrorsNameTheFileTheLineAndTheInstance) {
  const std::string wall = "#1=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n";
  const std::string slab = "#2=IFCSLAB('3W0000001008000000000I',$,$,$,$,$,$,$,$);\n";

  EXPECT_EQ(ErrorOf(Header + wall + slab + Footer), "");
  // Truncated: inside an instance, inside a string, before ENDSEC, before the end marker.
  EXPECT_EQ(ErrorOf(Header + wall + "#2=IFCSLAB('3W00"), "m.ifc:9: #2: truncated file: it ends inside this instance");
  EXPECT_EQ(ErrorOf(Header + wall + "#2=IFCSLAB(,$"), "m.ifc:9: #2: truncated file: it ends inside this instance");
  EXPECT_EQ(ErrorOf(Header + wall), "m.ifc:9: truncated file: it ends inside the DATA section (ENDSEC; missing)");
  EXPECT_EQ(ErrorOf(Header + wall + "ENDSEC;\n"), "m.ifc:10: truncated file: END-ISO-10303-21; missing");
  EXPECT_EQ(ErrorOf(Header.substr(0, 40)),
            "m.ifc:3: truncated file: it ends inside the header record FILE_DESCRIPTION");
  EXPECT_EQ(ErrorOf(""), "m.ifc:1: not an ISO 10303-21 file (it does not begin with ISO-10303-21;)");

  // Syntax errors.
  EXPECT_EQ(ErrorOf(Header + wall + "#2 IFCSLAB();\n" + Footer),
            "m.ifc:9: #2: syntax error: '=' expected after the instance number");
  EXPECT_EQ(ErrorOf(Header + wall + "#2=IFCSLAB('3W0000001008000000000I',$,$,$,$,$,$,$,$)\n#3=" + Footer),
            "m.ifc:10: #2: syntax error: ';' expected after ')'");
  EXPECT_EQ(ErrorOf(Header + wall + "garbage;\n" + Footer),
            "m.ifc:9: syntax error: an instance \"#number=ENTITY(...);\" expected after #1");
  EXPECT_EQ(ErrorOf(Header + "#=IFCWALL();\n" + Footer), "m.ifc:8: syntax error: instance number expected after '#'");
  EXPECT_EQ(ErrorOf(Header + "#5=IFCWALLX($);\n" + Footer),
            "m.ifc:8: #5: unknown entity IFCWALLX (not in the IFC4 schema)");
  EXPECT_EQ(ErrorOf(Header + "#5=IFCROOT('3W0000001008000000000H',$,$,$);\n" + Footer),
            "m.ifc:8: #5: entity IFCROOT is abstract and cannot be instantiated");
  EXPECT_EQ(ErrorOf(Header + "#5=IFCWALL('3W00000010080000000-0H',$,$,$,$,$,$,$,$);\n" + Footer),
            "m.ifc:8: #5: the GlobalId is not a 22-character IFC GUID");

  // Duplicates, reported at the second occurrence.
  EXPECT_EQ(ErrorOf(Header + wall + "\n#1=IFCSLAB('3W0000001008000000000I',$,$,$,$,$,$,$,$);\n" + Footer),
            "m.ifc:10: #1: duplicate instance number (first used on line 8)");
  EXPECT_EQ(
      ErrorOf(Header + wall +
              "#4000000=IFCSLAB('3W0000001008000000000I',$,$,$,$,$,$,$,$);\n#1=IFCDIRECTION((1.,0.));\n" + Footer),
      "m.ifc:10: #1: duplicate instance number (first used on line 8)");
  EXPECT_EQ(ErrorOf(Header + wall + "#2=IFCSLAB('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n" + Footer),
            "m.ifc:9: #2: duplicate GlobalId '3W0000001008000000000H' (also on #1, line 8)");
}

TEST(StepFile, OnlyIfc4IsRead) {
  std::string ifc2x3 = Header;
  ifc2x3.replace(ifc2x3.find("'IFC4'"), 6, "'IFC2X3'");
  EXPECT_EQ(ErrorOf(ifc2x3 + Footer), "m.ifc:5: FILE_SCHEMA is ('IFC2X3'), but this tool reads IFC4 files only");
  std::string ifc4x3 = Header;
  ifc4x3.replace(ifc4x3.find("'IFC4'"), 6, "'IFC4X3_ADD2'");
  EXPECT_NE(ErrorOf(ifc4x3 + Footer).find("FILE_SCHEMA is ('IFC4X3_ADD2')"), std::string::npos);
  std::string lower = Header;
  lower.replace(lower.find("'IFC4'"), 6, "'ifc4'");
  EXPECT_EQ(ErrorOf(lower + Footer), "");
  std::string none = Header;
  none.erase(none.find("FILE_SCHEMA"), 23);
  EXPECT_EQ(ErrorOf(none + Footer), "m.ifc:5: the header has no FILE_SCHEMA; this tool reads IFC4 files only");
}

}  // namespace
}  // namespace Exporter
