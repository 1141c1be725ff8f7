// The written file: the input's bytes with the header naming the output and the tool, replaced
// instances in place, new instances before the data section's end.
#include "exporter/writer/FileWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace Exporter {
namespace {

using namespace std::string_literals;

std::string Head(const std::string& fileName) {
  return "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n" + fileName +
         "\nFILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n";
}

// Writes `input` with #1 and #3 replaced and one new instance; returns what was written.
std::string Rewrite(const std::string& input) {
  StepFile file;
  std::string error;
  EXPECT_TRUE(file.Read(input.data(), input.size(), "in.ifc", error)) << error;
  Replacements replaced;
  replaced.Replace(InstanceIndex(2), "#3=IFCWALL('0000000000000000000003',$,'C2',$,$,$,$,$,$);");
  replaced.Replace(InstanceIndex(0), "#1=IFCWALL('0000000000000000000001',$,'A2',$,$,$,$,$,$);");
  NewInstances added(InstanceNumber(file.LargestNumber() + 1));
  added.Add("IFCGROUP('0000000000000000000009',$,$,$,$)");
  const std::string path =
      ::testing::TempDir() + "file-writer-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ifc";
  EXPECT_TRUE(FileWriter(file, replaced, added).Write(path, "out'1.ifc", error)) << error;
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
