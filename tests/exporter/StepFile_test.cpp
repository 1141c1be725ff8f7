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

TEST(StepFile, FlawsAreKeptAndCountedUnlessStrict) {
  const std::string text = Header + "#1=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n" +
                           "#2=IFCSLAB('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n" +
                           "#3=IFCAXIS2PLACEMENT2D(#5,$);\n" + Footer;
  StepFile file;
  std::string error;
  ASSERT_TRUE(file.Read(text.data(), text.size(), "m.ifc", error)) << error;
  EXPECT_EQ(file.Flaws().Of(IfcReader::FlawKind::DuplicateGlobalId).count, 1u);
  EXPECT_EQ(file.Flaws().Of(IfcReader::FlawKind::MissingReference).count, 1u);
  EXPECT_EQ(file.FindByGlobalId(*DecodeGlobalId("3W0000001008000000000H")), 0);  // the first keeps it
  StepFile strict;
  EXPECT_FALSE(strict.Read(text.data(), text.size(), "m.ifc", error, nullptr, true));
  EXPECT_NE(error.find("m.ifc:9: #2: duplicate GlobalId"), std::string::npos) << error;
  // New instances are numbered after the largest, in 32 bits.
  EXPECT_EQ(ErrorOf(Header + "#4000000000=IFCDIRECTION((1.,0.));\n" + Footer),
            "m.ifc:8: #4000000000: instance numbers above 2147483647 are not supported by this tool");
}

TEST(StepFile, EachSchemaIsReadInItsOwnTables) {
  std::string ifc2x3 = Header;
  ifc2x3.replace(ifc2x3.find("'IFC4'"), 6, "'IFC2X3'");
  // IfcBuildingSystem is no IFC2X3 entity; IfcElectricalCircuit is no IFC4 one.
  EXPECT_NE(ErrorOf(ifc2x3 + "#1=IFCBUILDINGSYSTEM('3W0000001008000000000H',$,$,$,$,$,$);\n" + Footer), "");
  const std::string circuit = "#1=IFCELECTRICALCIRCUIT('3W0000001008000000000H',$,$,$,$);\n";
  EXPECT_EQ(ErrorOf(ifc2x3 + circuit + Footer), "");
  EXPECT_NE(ErrorOf(Header + circuit + Footer), "");
  StepFile file;
  std::string error;
  const std::string text = ifc2x3 + circuit + Footer;
  ASSERT_TRUE(file.Read(text.data(), text.size(), "m.ifc", error)) << error;
  EXPECT_EQ(file.GetSchema().Version(), IfcReader::SchemaVersion::Ifc2x3);
  EXPECT_EQ(file.GetSchema().Name(file.Instances()[0].entity), "IfcElectricalCircuit");
  EXPECT_FALSE(file.CrLf());
  std::string ifc4x3 = Header;
  ifc4x3.replace(ifc4x3.find("'IFC4'"), 6, "'IFC4X3_ADD2'");
  std::string crlf;
  for (const char c : ifc4x3 + Footer) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  }
  StepFile newer;
  ASSERT_TRUE(newer.Read(crlf.data(), crlf.size(), "m.ifc", error)) << error;
  EXPECT_EQ(newer.GetSchema().Version(), IfcReader::SchemaVersion::Ifc4x3Add2);
  EXPECT_TRUE(newer.CrLf());
}

}  // namespace
}  // namespace Exporter
