// The command line: options anywhere, two paths, and every kind of bad usage named.
#include "Arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace Exporter {
namespace {

// Parses `words` as the words after the program name; the error, or "" when they parse.
std::string Parse(std::vector<const char*> words, Arguments& arguments) {
  words.insert(words.begin(), "ifcapi-export");
  std::string error;
  const bool parsed = ParseArguments(static_cast<int>(words.size()), words.data(), arguments, error);
  EXPECT_EQ(parsed, error.empty());
  return error;
}

TEST(Arguments, OptionsAndPathsInAnyOrder) {
  Arguments arguments;
  EXPECT_EQ(Parse({"--quiet", "in.ifc", "--addon", "a.so", "out.ifc", "--alternative"}, arguments), "");
  EXPECT_EQ(arguments.input, "in.ifc");
  EXPECT_EQ(arguments.output, "out.ifc");
  EXPECT_EQ(arguments.addOn, "a.so");
  EXPECT_TRUE(arguments.quiet);
  EXPECT_TRUE(arguments.alternative);
  EXPECT_FALSE(arguments.help);

  Arguments joined;
  EXPECT_EQ(Parse({"--addon=b.so", "-", "out.ifc"}, joined), "");  // "-" is a path
  EXPECT_EQ(joined.addOn, "b.so");
  EXPECT_EQ(joined.input, "-");
  EXPECT_FALSE(joined.quiet || joined.alternative);
}

TEST(Arguments, HelpEndsTheParse) {
  Arguments arguments;
  EXPECT_EQ(Parse({"in.ifc", "-h", "--fast"}, arguments), "");
  EXPECT_TRUE(arguments.help);
}

TEST(Arguments, BadUsageIsNamed) {
  Arguments arguments;
  EXPECT_EQ(Parse({"in.ifc", "out.ifc", "--addon"}, arguments), "--addon needs a path");
  EXPECT_EQ(Parse({"--fast", "in.ifc", "out.ifc"}, arguments), "unknown option '--fast'");
  EXPECT_EQ(Parse({"a", "b", "c"}, arguments), "too many arguments");
  EXPECT_EQ(Parse({"in.ifc"}, arguments), "INPUT.ifc and OUTPUT.ifc are required");
}

}  // namespace
}  // namespace Exporter
