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

// The look-up reads most values off the file's bytes: whatever it takes as plain must read as parsing
// reads it, and what it cannot read so it must leave to the parser.
TEST(StepValueText, PlainValuesReadOffTheBytesAsParsed) {
  const Ifc::Schema& schema = Ifc::Schema::Get(Ifc::SchemaVersion::Ifc4);
  const std::string plain[] = {"$",
                               "*",
                               "'REI 90'",
                               "''",
                               "'a ; b, (c)'",
                               ".T.",
                               ".F.",
                               ".U.",
                               ".SOLIDWALL.",
                               ".NOTDEFINED_2.",
                               "#42",
                               "0",
                               "-0",
                               "+17",
                               "-9223372036854775",
                               "007",
                               "2.",
                               "-1.50",
                               "+3.25E-3",
                               "1.e5",
                               "6.02E+23",
                               "IFCLABEL('REI 90')",
                               "IFCBOOLEAN(.F.)",
                               "IFCLENGTHMEASURE(0.100)",
                               "IFCINTEGER(+42)",
                               "IFCNOSUCHTYPE(3)",
                               "IFCIDENTIFIER('Plan reference R-0')"};
  const std::string parsedOnly[] = {"'it''s'",
                                    "'caf\\X2\\00E9\\X0\\'",
                                    "'back\\\\slash'",
                                    "'tab\there'",
                                    "'\xc3\xa9'",
                                    "\"0AF\"",
                                    ".t.",
                                    "(1,2)",
                                    "IFCLABEL($)",
                                    "IFCLABEL( 'x')",
                                    "'x' ",
                                    "1234567890123456789",
                                    "#007",
                                    "Ifclabel('x')",
                                    "IFCREAL((1.))",
                                    "-.5"};
  const auto viaParser = [&](const std::string& text) {
    const std::optional<TypedText> typed = SplitTyped(Parsed(text), schema);
    return typed ? typed->ifcType + "|" + typed->value : std::string("unset");
  };
  const auto offTheBytes = [&](const std::string& text) -> std::optional<std::string> {
    const std::string list = "(" + text + ",$)";
    const PlainTyped read = ReadPlainTyped(list, 1, schema);
    if (!read.plain) {
      return std::nullopt;
    }
    return read.typed ? read.typed->ifcType + "|" + read.typed->value : std::string("unset");
  };
  for (const std::string& text : plain) {
    EXPECT_EQ(offTheBytes(text), viaParser(text)) << text;
  }
  for (const std::string& text : parsedOnly) {
    EXPECT_EQ(offTheBytes(text), std::nullopt) << text;
  }
  // The value ends at the list's ')' as at a ','; anything else after it is not plain.
  EXPECT_TRUE(ReadPlainTyped("('x')", 1, schema).plain);
  EXPECT_FALSE(ReadPlainTyped("('x'", 1, schema).plain);
  EXPECT_FALSE(ReadPlainTyped("(12", 1, schema).plain);
}

TEST(StepValueText, PlainReferenceListsReadOffTheBytes) {
  const auto read = [](const std::string& list) -> std::optional<std::string> {
    std::vector<Ifc::InstanceNumber> numbers{Ifc::InstanceNumber(7)};  // kept either way
    const std::string text = "(" + list + ",$)";
    if (!ReadPlainReferences(text, 1, numbers)) {
      return numbers.size() == 1 ? std::nullopt : std::optional<std::string>("changed");
    }
    std::string out;
    for (const Ifc::InstanceNumber number : numbers) {
      out += "#" + std::to_string(number.Value()) + " ";
    }
    return out;
  };
  EXPECT_EQ(read("(#26,#27,#28)"), "#7 #26 #27 #28 ");
  EXPECT_EQ(read("(#1)"), "#7 #1 ");
  EXPECT_EQ(read("()"), "#7 ");
  for (const char* parsedOnly : {"(#1, #2)", "( #1)", "(#1 )", "(#1,)", "(#01)", "(#)", "(1,2)", "((#1))", "(#1,#2",
                                 "(#1)x", "#1", "(#1234567890123456789)"}) {
    EXPECT_EQ(read(parsedOnly), std::nullopt) << parsedOnly;
  }
}

}  // namespace
}  // namespace Exporter
