// The written file: the input's bytes with the header naming the output and the tool, replaced
// instances in place, new instances before the data section's end.
#include "exporter/writer/FileWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "StatusAssertions.h"
#include "exporter/merge/InstanceAttributes.h"
#include "exporter/merge/MergeContext.h"

namespace Exporter {
namespace {

using namespace std::string_literals;

std::string Head(const std::string& fileName) {
  return "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n" + fileName +
         "\nFILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n";
}

// Writes `input` with #1 and #3 replaced and one new instance; returns what was written.
std::string Rewrite(const std::string& input) {
  Ifc::Model file;
  EXPECT_TRUE(Succeeded(file.Read(input.data(), input.size(), "in.ifc")));
  Replacements replaced;
  replaced.Replace(InstanceIndex(2), "#3=IFCWALL('0000000000000000000003',$,'C2',$,$,$,$,$,$);");
  replaced.Replace(InstanceIndex(0), "#1=IFCWALL('0000000000000000000001',$,'A2',$,$,$,$,$,$);");
  NewInstances added(InstanceNumber(file.LargestNumber().Value() + 1));
  added.Add("IFCGROUP('0000000000000000000009',$,$,$,$)");
  const std::string path =
      ::testing::TempDir() + "file-writer-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ifc";
  const Ifc::Status written = FileWriter(file, replaced, added).Write(path, "out'1.ifc");
  EXPECT_TRUE(written) << written.Error().Message();
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::string Walls =
    "#1=IFCWALL('0000000000000000000001',$,'A',$,$,$,$,$,$);\n"
    "#2=IFCWALL('0000000000000000000002',$,'B',$,$,$,$,$,$);\n"
    "#3=IFCWALL('0000000000000000000003',$,'C',$,$,$,$,$,$);";

// The header names the output and the tool; a FILE_NAME record of another shape is written anew.
TEST(FileWriter, ReplacesInFileOrderAndAddsBeforeTheEndOfTheData) {
  const std::string written =
      Rewrite(Head("FILE_NAME('in.ifc','2026-01-01T00:00:00',('me'),('org'),'pre','sys','auth');") + Walls +
              "ENDSEC;\nEND-ISO-10303-21;\n");
  EXPECT_EQ(written, Head("FILE_NAME('out''1.ifc','2026-01-01T00:00:00',('me'),('org'),'ifcapi-export " +
                          std::string(IFCAPI_EXPORT_VERSION) + "','sys','auth');") +
                         "#1=IFCWALL('0000000000000000000001',$,'A2',$,$,$,$,$,$);\n"
                         "#2=IFCWALL('0000000000000000000002',$,'B',$,$,$,$,$,$);\n"
                         "#3=IFCWALL('0000000000000000000003',$,'C2',$,$,$,$,$,$);\n"
                         "#4=IFCGROUP('0000000000000000000009',$,$,$,$);\n"
                         "ENDSEC;\nEND-ISO-10303-21;\n");
  const std::string anew = Rewrite(Head("FILE_NAME('in.ifc');") + Walls + "\nENDSEC;\nEND-ISO-10303-21;\n");
  EXPECT_NE(anew.find("\nFILE_NAME('out''1.ifc','1970-01-01T00:00:00',(''),(''),'ifcapi-export " +
                      std::string(IFCAPI_EXPORT_VERSION) + "','','');\n"),
            std::string::npos)
      << anew;
}

// An element rewritten with a new Name keeps its long ObjectType in the input: written from there,
// not copied into the replacement's text; short attributes are copied.
TEST(FileWriter, WritesALongUnchangedAttributeFromTheInput) {
  const std::string objectType = "'" + std::string(5000, 'x') + "'";
  const std::string wall = "#1=IFCWALL('0000000000000000000001',$,'A',$," + objectType + ",$,$,$,$);";
  const std::string input = Head("FILE_NAME('in.ifc');") + wall + "\nENDSEC;\nEND-ISO-10303-21;\n";
  Ifc::Model file;
  ASSERT_TRUE(Succeeded(file.Read(input.data(), input.size(), "in.ifc")));
  MergeContext context(file);
  InstanceAttributes attributes(context.Model());
  ASSERT_TRUE(attributes.Read(InstanceIndex(0)));
  std::vector<std::string_view> values = attributes.Texts();
  const std::string name = "'A2'";
  values[2] = name;
  context.Rewrite(InstanceIndex(0), values);
  const auto& entries = context.replaced.InFileOrder();
  ASSERT_EQ(entries.size(), 1u);
  ASSERT_EQ(entries[0].kept.size(), 1u);
  EXPECT_EQ(entries[0].kept[0].input.data(), input.data() + input.find(objectType));
  EXPECT_LT(entries[0].text.size(), std::size_t{100});
  std::string text;
  entries[0].Write([&](std::string_view piece) { text += piece; });
  EXPECT_EQ(text, "#1=IFCWALL('0000000000000000000001',$,'A2',$," + objectType + ",$,$,$,$);");
}

// What follows END-ISO-10303-21;: the blanks files end with are copied, other bytes (NUL and 0xFF
// among them) are no part of the model and left out.
TEST(FileWriter, CopiesTheFinalBlanksButNoBytesAfterThem) {
  const std::string head = Head("FILE_NAME('in.ifc','',(''),(''),'','','');") + Walls + "ENDSEC;\nEND-ISO-10303-21;";
  const struct {
    std::string after, written;
  } cases[] = {
      {"", ""},
      {"\n", "\n"},
      {"\r\n \t\n", "\r\n \t\n"},
      {"\n"s + '\0' + "\xFF\xFFjunk\n", "\n"},
      {"#9=IFCWALL();\n", ""},
  };
  for (const auto& c : cases) {
    const std::string written = Rewrite(head + c.after);
    EXPECT_EQ(written.substr(written.find("END-ISO-10303-21;")), "END-ISO-10303-21;" + c.written);
  }
}

}  // namespace
}  // namespace Exporter
