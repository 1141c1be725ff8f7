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

// What the reader checks is its own (tests/exporter/reader); the file passes on strictness, the
// schema and the line ends, and refuses numbers that new instances could not follow in 32 bits.
TEST(StepFile, PassesOnTheReadersFindingsAndLimitsNumbersTo31Bits) {
  const std::string text = Header + "#1=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n" +
                           "#2=IFCSLAB('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n" + Footer;
  StepFile file;
  std::string error;
  ASSERT_TRUE(file.Read(text.data(), text.size(), "m.ifc", error)) << error;
  EXPECT_EQ(file.Flaws().Of(IfcReader::FlawKind::DuplicateGlobalId).count, 1u);
  EXPECT_FALSE(StepFile().Read(text.data(), text.size(), "m.ifc", error, nullptr, true));
  EXPECT_NE(error.find("m.ifc:9: #2: duplicate GlobalId"), std::string::npos) << error;
  EXPECT_EQ(ErrorOf(Header + "#4000000000=IFCDIRECTION((1.,0.));\n" + Footer),
            "m.ifc:8: #4000000000: instance numbers above 2147483647 are not supported by this tool");

  std::string crlf;
  for (const char c : Header + Footer) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  }
  crlf.replace(crlf.find("'IFC4'"), 6, "'IFC2X3'");
  StepFile old;
  ASSERT_TRUE(old.Read(crlf.data(), crlf.size(), "m.ifc", error)) << error;
  EXPECT_EQ(old.GetSchema().Version(), IfcReader::SchemaVersion::Ifc2x3);
  EXPECT_TRUE(old.CrLf());
  EXPECT_FALSE(file.CrLf());
}

}  // namespace
}  // namespace Exporter
