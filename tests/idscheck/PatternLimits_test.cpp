// Patterns whose matching could take unbounded time: a pattern that backtracks is not matched against
// long values, the matcher giving up is "not checked" (never "does not match"), a pattern it gave up on
// kGiveUpBudget times is not matched again, and the checker fails an element it could not check.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "idscheck/check/Checker.h"
#include "idscheck/check/DocumentReader.h"
#include "idscheck/check/ReaderModelView.h"
#include "idscheck/check/XmlRegex.h"

namespace {

using Ids::MatchOutcome;
using Ids::XmlRegex;

XmlRegex Compiled(const std::string& pattern) {
  XmlRegex regex;
  EXPECT_TRUE(regex.Compile(pattern)) << pattern;
  return regex;
}

TEST(IdsPatternLimits, BacktrackingPatternsAreNotMatchedAgainstLongValues) {
  const std::string overCap(XmlRegex::kBacktrackingLimit + 1, 'a');
  const struct {
    const char* pattern;
    std::string value;
  } cases[] = {
      {"(a|aa)*b", overCap},
      {".*a.*b", std::string(64000, 'a')},
      {".*a.*b", overCap + "b"},  // would match: still not checked, never "does not match"
  };
  for (const auto& c : cases) {
    const XmlRegex regex = Compiled(c.pattern);
    EXPECT_FALSE(regex.IsDeterministic()) << c.pattern;
    const MatchOutcome outcome = regex.Match(c.value);
    EXPECT_EQ(outcome.kind, MatchOutcome::Kind::NotChecked) << c.pattern;
    EXPECT_NE(outcome.reason.find(std::string("pattern '") + c.pattern + "'"), std::string::npos) << outcome.reason;
    EXPECT_NE(outcome.reason.find(std::to_string(c.value.size()) + " characters"), std::string::npos) << outcome.reason;
    EXPECT_NE(outcome.reason.find("at most 1000 characters"), std::string::npos) << outcome.reason;
  }
  // At the cap the same pattern is matched.
  const XmlRegex regex = Compiled(".*a.*b");
  EXPECT_TRUE(regex.Match(std::string(XmlRegex::kBacktrackingLimit - 1, 'a') + "b").Matched());
  EXPECT_EQ(regex.Match(std::string(XmlRegex::kBacktrackingLimit, 'x')).kind, MatchOutcome::Kind::DoesNotMatch);
}

TEST(IdsPatternLimits, DeterministicPatternsMatchLongValues) {
  const XmlRegex regex = Compiled("[a-z]*");
  ASSERT_TRUE(regex.IsDeterministic());
  EXPECT_TRUE(regex.Match(std::string(100000, 'a')).Matched());
  EXPECT_EQ(regex.Match(std::string(100000, 'a') + "1").kind, MatchOutcome::Kind::DoesNotMatch);
}

TEST(IdsPatternLimits, GivingUpIsNotCheckedAndSpendsTheBudget) {
  const XmlRegex regex = Compiled("(a|aa)*b");
  const XmlRegex copy = regex;  // copies share the count: the document holds copies
  const std::string hostile(40, 'a');
  for (int i = 0; i < XmlRegex::kGiveUpBudget; ++i) {
    const MatchOutcome outcome = (i % 2 == 0 ? regex : copy).Match(hostile);
    ASSERT_EQ(outcome.kind, MatchOutcome::Kind::NotChecked) << i;
    EXPECT_NE(
        outcome.reason.find("pattern '(a|aa)*b' not checked against a value of 40 characters: the matcher gave up"),
        std::string::npos)
        << outcome.reason;
  }
  // Spent: even a value it would match at once is not matched again.
  const MatchOutcome after = regex.Match("aab");
  EXPECT_EQ(after.kind, MatchOutcome::Kind::NotChecked);
  EXPECT_NE(after.reason.find("gave up on this pattern 3 times"), std::string::npos) << after.reason;
  EXPECT_TRUE(Compiled("(a|aa)*b").Match("aab").Matched());  // a pattern of its own has its own budget
}

// A wall whose Name is too long for a backtracking pattern, required and prohibited.
TEST(IdsPatternLimits, AnElementNotCheckedFailsWithTheReason) {
  const std::string name(1500, 'a');
  const std::string model =
      "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\nFILE_NAME('','',(),(),'','','');\n"
      "FILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n#1=IFCWALL('3AAAAAAAAAAAAAAAAAAAAA',$,'" +
      name + "',$,$,$,$,$,$);\nENDSEC;\nEND-ISO-10303-21;\n";
  const auto specification = [](const char* name, const char* cardinality) {
    return std::string("<specification name=\"") + name +
           "\" ifcVersion=\"IFC4\"><applicability minOccurs=\"0\" maxOccurs=\"unbounded\"><entity><name>"
           "<simpleValue>IFCWALL</simpleValue></name></entity></applicability><requirements><attribute cardinality=\"" +
           cardinality +
           "\"><name><simpleValue>Name</simpleValue></name><value><xs:restriction base=\"xs:string\">"
           "<xs:pattern value=\".*a.*b\"/></xs:restriction></value></attribute></requirements></specification>";
  };
  const std::string ids =
      "<?xml version=\"1.0\"?><ids xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
      "xmlns=\"http://standards.buildingsmart.org/IDS\"><info><title>T</title></info><specifications>" +
      specification("Required", "required") + specification("Prohibited", "prohibited") + "</specifications></ids>";
  Ids::Document document;
  Ids::DocumentError documentError;
  ASSERT_TRUE(Ids::ReadDocumentFromMemory(ids.data(), ids.size(), "t.ids", document, documentError))
      << documentError.Message();
  const std::string path = ::testing::TempDir() + "ids-pattern-limits-not-checked.ifc";
  std::ofstream(path, std::ios::binary) << model;
  Ids::ReaderModelView view;
  const Ifc::Status opened = view.Open(path);
  std::filesystem::remove(path);
  ASSERT_TRUE(opened) << opened.Error().Message();
  Ids::Checker checker(view);
  const Ids::CheckResult result = checker.Run("m.ifc", {document});
  ASSERT_EQ(result.specifications.size(), 2u);
  for (const Ids::SpecificationResult& specification : result.specifications) {
    EXPECT_FALSE(specification.passes) << specification.name;
    ASSERT_EQ(specification.failures.size(), 1u) << specification.name;
    ASSERT_EQ(specification.failures[0].reasons.size(), 1u);
    EXPECT_EQ(specification.failures[0].reasons[0],
              "pattern '.*a.*b' not checked against a value of 1500 characters: a pattern that backtracks is matched "
              "against at most 1000 characters")
        << specification.name;
  }
}

}  // namespace
