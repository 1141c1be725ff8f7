// The command line: options anywhere, two paths, and every kind of bad usage named.
#include "exporter/main/Arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace Exporter {
namespace {

// Parses `words` as the words after the program name; the error, or "" when they parse.
std::string Parse(std::vector<const char*> words, Arguments& arguments) {
  words.insert(words.begin(), "ifcapi-export");
  const Ifc::Status parsed = ParseArguments(static_cast<int>(words.size()), words.data(), arguments);
  return parsed ? std::string() : parsed.Error().Message();
}

TEST(Arguments, OptionsAndPathsInAnyOrderRepeatedOnesCollected) {
  Arguments arguments;
  EXPECT_EQ(
      Parse({"--quiet", "--strict", "in.ifc", "--addon", "a.so", "--ids", "a.ids", "--only", "3W0000001008000000000H",
             "--trace", "out.ifc", "--alternative", "--ids", "b.ids", "--only", "3W0000001008000000000J"},
            arguments),
      "");
  EXPECT_EQ(arguments.input, "in.ifc");
  EXPECT_EQ(arguments.output, "out.ifc");
  EXPECT_EQ(arguments.addOn, "a.so");
  EXPECT_TRUE(arguments.quiet && arguments.alternative && arguments.strict && arguments.trace);
  EXPECT_EQ(arguments.ids, (std::vector<std::string>{"a.ids", "b.ids"}));
  ASSERT_EQ(arguments.only.size(), 2u);
  EXPECT_EQ(arguments.only[1], *DecodeGlobalId("3W0000001008000000000J"));

  Arguments joined;
  EXPECT_EQ(Parse({"--addon=b.so", "-", "out.ifc"}, joined), "");  // "-" is a path
  EXPECT_EQ(joined.addOn, "b.so");
  EXPECT_EQ(joined.input, "-");
  EXPECT_FALSE(joined.quiet || joined.alternative || joined.strict || joined.trace);
}

TEST(Arguments, HelpAndVersionEndTheParse) {
  Arguments help;
  EXPECT_EQ(Parse({"in.ifc", "-h", "--fast"}, help), "");
  EXPECT_TRUE(help.help);
  Arguments version;
  EXPECT_EQ(Parse({"--version", "--fast"}, version), "");
  EXPECT_TRUE(version.version && !version.help);
}

// The tool's runs (CMakeLists.txt) check unknown options, too many or too few paths and a malformed
// GlobalId; here an option's missing value, at the end of the words.
TEST(Arguments, AnOptionWithoutItsValueIsNamed) {
  const std::pair<const char*, std::string> cases[] = {
      {"--addon", "--addon needs a path"}, {"--ids", "--ids needs a path"}, {"--only", "--only needs a GlobalId"}};
  for (const auto& [option, error] : cases) {
    Arguments arguments;
    EXPECT_EQ(Parse({"in.ifc", "out.ifc", option}, arguments), error);
  }
  Arguments arguments;
  EXPECT_EQ(Parse({"--only", "in.ifc", "out.ifc"}, arguments), "--only: 'in.ifc' is no GlobalId");
}

// --report-bcf and --bcf-version go with --ids and with each other; the version is 2.1 or 3.0.
TEST(Arguments, TheBcfReportNeedsTheCheckAndAKnownVersion) {
  const std::pair<std::vector<const char*>, std::string> cases[] = {
      {{"--ids", "a.ids", "--report-bcf", "f.bcf", "--bcf-version", "3.0"}, ""},
      {{"--ids", "a.ids", "--report-bcf", "f.bcf"}, ""},
      {{"--report-bcf", "f.bcf"}, "--report-bcf needs --ids"},
      {{"--ids", "a.ids", "--bcf-version", "3.0"}, "--bcf-version needs --report-bcf FILE"},
      {{"--ids", "a.ids", "--report-bcf", "f.bcf", "--bcf-version", "3"},
       "--bcf-version: '3' is no BCF version; 2.1 or 3.0"},
      {{"--ids", "a.ids", "--report-bcf"}, "--report-bcf needs a path"},
  };
  for (const auto& [words, error] : cases) {
    std::vector<const char*> all = {"in.ifc", "out.ifc"};
    all.insert(all.end(), words.begin(), words.end());
    Arguments arguments;
    EXPECT_EQ(Parse(all, arguments), error);
    if (error.empty()) {
      EXPECT_EQ(arguments.bcfReport, "f.bcf");
    }
  }
}

}  // namespace
}  // namespace Exporter
