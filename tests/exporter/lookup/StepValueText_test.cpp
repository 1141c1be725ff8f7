// Values as a person reads them: the kinds that the look-up's tests do not meet, and typed values split
// by the schema's spelling.
#include "exporter/lookup/StepValueText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ifc/step/ValueParser.h"

namespace Exporter {
namespace {

Ifc::Value Parsed(const std::string& text) {
  const std::string list = "(" + text + ")";  // the lexer reads it in place
  Ifc::Lexer lexer(list);
  std::vector<Ifc::Value> values;
  std::string error;
  EXPECT_TRUE(Ifc::ParseArgumentList(lexer, values, error)) << error;
  return values.empty() ? Ifc::Value() : values.front();
}

TEST(StepValueText, EveryKindReadsAsText) {
  struct Case {
    std::string value;
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {"$", std::nullopt}, {"*", std::nullopt}, {"\"0AF\"", "0AF"},
      {".U.", "UNKNOWN"},  {"#42", "#42"},      {"(-12,$,.F.,IFCREAL(2.))", "-12, , FALSE, 2."},
      {"()", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ValueText(Parsed(c.value)), c.text) << c.value;
  }
}

TEST(StepValueText, TypedValuesAreSplitAsTheSchemaSpellsTheirType) {
  const Ifc::Schema& schema = Ifc::Schema::Get(Ifc::SchemaVersion::Ifc4);
  const auto split = [&](const std::string& text) {
    const std::optional<TypedText> typed = SplitTyped(Parsed(text), schema);
    return typed ? typed->ifcType + "|" + typed->value : std::string("none");
  };
  EXPECT_EQ(split("IFCLABEL('REI 90')"), "IfcLabel|REI 90");
  EXPECT_EQ(split("IFCNOSUCHTYPE(3)"), "IFCNOSUCHTYPE|3");
  EXPECT_EQ(split("'plain'"), "|plain");
  EXPECT_EQ(split("$"), "none");
}

}  // namespace
}  // namespace Exporter
