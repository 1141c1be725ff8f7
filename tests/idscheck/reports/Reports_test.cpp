#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "idscheck/reports/ConsoleReport.h"
#include "idscheck/reports/HtmlReport.h"
#include "idscheck/reports/JsonReport.h"
#include "idscheck/reports/ReportText.h"
#include "tests/idscheck/reports/SampleResult.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string ConsoleReportOf(const Ids::CheckResult& result) {
  std::FILE* out = std::tmpfile();
  Ids::PrintConsoleReport(result, out);
  std::string text(static_cast<std::size_t>(std::ftell(out)), '\0');
  std::rewind(out);
  text.resize(std::fread(text.data(), 1, text.size(), out));
  std::fclose(out);
  return text;
}

class ReportFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("ids-reports-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::filesystem::path folder;
};

TEST(ReportText, BrokenUtf8BecomesReplacementCharacters) {
  // A lone continuation byte, a truncated sequence, an overlong '/', an encoded surrogate.
  const std::string broken = "\x80|\xE2\x82|\xC0\xAF|\xED\xA0\x80";
  std::string json;
  Ids::AppendJsonString(json, broken);
  EXPECT_EQ(json, "\"\\ufffd|\\ufffd\\ufffd|\\ufffd\\ufffd|\\ufffd\\ufffd\\ufffd\"");
  std::string html;
  Ids::AppendHtmlText(html, "\xE2\x82<");
  EXPECT_EQ(html, "\xEF\xBF\xBD\xEF\xBF\xBD&lt;");
  EXPECT_EQ(Ids::ConsoleText("\xC0\xAF."), "??.");
}

TEST(ReportText, HtmlEscapesMarkupAndBothQuotes) {
  std::string html;
  Ids::AppendHtmlText(html, std::string("<a href=\"x\" title='y'>&amp;</a>\x00\x1b", 33));
  EXPECT_EQ(html, "&lt;a href=&quot;x&quot; title=&#39;y&#39;&gt;&amp;amp;&lt;/a&gt;\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(ReportText, ConsoleShowsControlCharactersInsteadOfSendingThem) {
  // ESC starts terminal sequences; U+009B (C2 9B) is the one-byte control sequence introducer.
  EXPECT_EQ(Ids::ConsoleText("\x1b[2Jgone\xC2\x9B"
                             "31m\xC3\xA9"),
            "\\x1B[2Jgone\\x9B31m\xC3\xA9");
}

TEST(ConsoleReport, ListsCountsStatusesAndAtMostTenFailures) {
  const std::string report = ConsoleReportOf(IdsTest::SampleResult());
  EXPECT_NE(report.find("[FAILED] Walls have a fire rating (requirements.ids): 12 applicable, 9 passed, 3 failed\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("[PASSED] Doors are classified (requirements.ids): 4 applicable, 4 passed, 0 failed\n"
                        "    note: its ifcVersion (IFC4X3_ADD2) does not list the model's schema IFC4; checked all "
                        "the same, as IDS takes ifcVersion for metadata\n"),
            std::string::npos);
  EXPECT_NE(report.find("[NOT APPLICABLE] Spaces have a net floor area (requirements.ids): not checked\n"),
            std::string::npos);
  EXPECT_EQ(report.find("note: its ifcVersion (IFC2X3)"), std::string::npos);  // only for a checked one
  EXPECT_NE(report.find("#61 0K7w2$Ztb8XxzHhH8zFhMk IfcWall 'Wall B': Pset_WallCommon.FireRating is IFCLABEL('EI 30'), "
                        "required one of 'REI 60', 'REI 90'; has material 'Brick', required 'Concrete'\n"),
            std::string::npos);
  EXPECT_NE(report.find("#77 (no GlobalId) IfcWallStandardCase: "), std::string::npos);
  EXPECT_NE(report.find("#1009 "), std::string::npos);
  EXPECT_EQ(report.find("#1010 "), std::string::npos);
  EXPECT_NE(report.find("... and 2 more failing elements\n"), std::string::npos);
  EXPECT_EQ(report.find('\x1b'), std::string::npos);
  EXPECT_NE(report.find("Total: 4 specifications, 1 passed, 2 failed, 1 not applicable; 15 of 56 checked elements "
                        "failed: the model does NOT meet the requirements\n"),
            std::string::npos);
}

TEST_F(ReportFiles, AFullHtmlTableIsCutAndSaysSo) {
  Ids::CheckResult result = IdsTest::SampleResult();
  Ids::SpecificationResult& pipes = result.specifications.back();
  pipes.failures.resize(Ids::kHtmlFailuresPerSpecification + 5, pipes.failures.front());
  const std::filesystem::path path = folder / "report.html";
  ASSERT_TRUE(Ids::WriteHtmlReport(result, path.string()));
  const std::string html = ReadFile(path);
  EXPECT_NE(html.find("The first 2000 of 2005 failing elements are listed"), std::string::npos);
}

TEST_F(ReportFiles, ReplacesAnOldReportAndLeavesNoOtherFile) {
  const std::filesystem::path path = folder / "report.json";
  std::ofstream(path) << "an older, longer report that must not survive in part";
  ASSERT_TRUE(Ids::WriteJsonReport(IdsTest::SampleResult(), path.string()));
  const std::string json = ReadFile(path);
  EXPECT_EQ(json.rfind("{\n  \"format\": 1,\n", 0), 0u);
  EXPECT_EQ(json.substr(json.size() - 7), "\n  ]\n}\n");
  EXPECT_EQ(json.find("older"), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
}

TEST_F(ReportFiles, AnUnwritableFolderGivesAnErrorAndNoFile) {
  const std::filesystem::path path = folder / "missing" / "report.html";
  const Ifc::Status html = Ids::WriteHtmlReport(IdsTest::SampleResult(), path.string());
  ASSERT_FALSE(html);
  EXPECT_EQ(html.Error().Message().rfind(path.string() + ": cannot create: ", 0), 0u) << html.Error().Message();
  EXPECT_FALSE(Ids::WriteJsonReport(IdsTest::SampleResult(), path.string()));
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

}  // namespace
