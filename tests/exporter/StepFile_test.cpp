#include "StepFile.h"

#include <gtest/gtest.h>

#include <string>

#include "IfcFileText.h"

namespace Exporter {
namespace {

TEST(StepFile, SeesTheReadersModelWithTheToolsEntitiesAndNumbers) {
  const std::string text = IfcFile(
      "#7=IFCWALL('3W0000001008000000000H',$,'a;b)''(',$,$,$,$,$,$);\n"
      "#900000=IFCCARTESIANPOINT((0.,0.,0.));\n"
      "#3 = IFCBUILDING ('2m00000010080000000001',$,$,$,$,$,$,$,$,$,$,$);\n");
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
            std::string_view(file.Data(), file.Size()).substr(text.rfind("ENDSEC;")).data());
}

// What the reader checks is its own (tests/exporter/reader); the file passes on strictness, the
// schema and the line ends, and refuses numbers that new instances could not follow in 32 bits.
TEST(StepFile, PassesOnTheReadersFindingsAndLimitsNumbersTo31Bits) {
  const std::string text = IfcFile(
      "#1=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n"
      "#2=IFCSLAB('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n");
  StepFile file;
  std::string error;
  ASSERT_TRUE(file.Read(text.data(), text.size(), "m.ifc", error)) << error;
  EXPECT_EQ(file.Flaws().Of(IfcReader::FlawKind::DuplicateGlobalId).count, 1u);
  EXPECT_FALSE(StepFile().Read(text.data(), text.size(), "m.ifc", error, nullptr, true));
  EXPECT_NE(error.find("m.ifc:9: #2: duplicate GlobalId"), std::string::npos) << error;
  const std::string large = IfcFile("#4000000000=IFCDIRECTION((1.,0.));\n");
  EXPECT_FALSE(StepFile().Read(large.data(), large.size(), "m.ifc", error));
  EXPECT_EQ(error, "m.ifc:8: #4000000000: instance numbers above 2147483647 are not supported by this tool");

  std::string crlf;
  for (const char c : IfcFile("", "IFC2X3")) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  }
  StepFile old;
  ASSERT_TRUE(old.Read(crlf.data(), crlf.size(), "m.ifc", error)) << error;
  EXPECT_EQ(old.GetSchema().Version(), IfcReader::SchemaVersion::Ifc2x3);
  EXPECT_TRUE(old.CrLf());
  EXPECT_FALSE(file.CrLf());
}

}  // namespace
}  // namespace Exporter
