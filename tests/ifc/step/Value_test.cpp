#include "ifc/step/Value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ifc/step/ValueParser.h"

namespace Ifc {
namespace {

std::vector<Value> Parse(std::string_view text, std::string* error = nullptr) {
  Lexer lexer(text);
  std::vector<Value> values;
  std::string ignored;
  if (!ParseArgumentList(lexer, values, error != nullptr ? *error : ignored)) {
    values.clear();
  }
  return values;
}

TEST(Value, ParsesEveryKindIntoATree) {
  const std::vector<Value> values =
      Parse("(#7,$,*,'W\\X2\\00E4\\X0\\rme',(1,2.5E1,(.T.)),IFCLABEL('x'),IFCMEASURE(IFCLENGTH(2.)),\"0F\",.U.)");
  ASSERT_EQ(values.size(), 9u);
  // What the text written back below does not show: decoded strings, the real's value, a typed value's.
  EXPECT_EQ(values[3].text, "W\xC3\xA4rme");
  EXPECT_EQ(values[4].items.at(1).real, 25.0);
  EXPECT_EQ(values[5].Unwrapped().text, "x");
  // Written back in the same form (the string re-encoded).
  std::string written;
  for (const Value& value : values) {
    written += value.ToStep() + ";";
  }
  EXPECT_EQ(written,
            "#7;$;*;'W\\X2\\00E4\\X0\\rme';(1,2.5E1,(.T.));IFCLABEL('x');IFCMEASURE(IFCLENGTH(2.));\"0F\";.U.;");
}

// Strings are written back in ASCII: quotes and backslashes doubled, the rest as \X2\ or \X4\ runs;
// a byte that begins no UTF-8 sequence stands for the Latin-1 character.
TEST(Value, StringsAreWrittenBackInAscii) {
  const auto written = [](const std::string& text) {
    Value value;
    value.kind = Value::Kind::String;
    value.text = text;
    return value.ToStep();
  };
  EXPECT_EQ(written("It's a\\b"), "'It''s a\\\\b'");
  EXPECT_EQ(written("\xC3\xA4\xE2\x82\xAC"), "'\\X2\\00E4\\X0\\\\X2\\20AC\\X0\\'");
  EXPECT_EQ(written("\xF0\x9F\x8F\xA0!"), "'\\X4\\0001F3E0\\X0\\!'");
  EXPECT_EQ(written("a\tb\x7F"), "'a\\X2\\0009\\X0\\b\\X2\\007F\\X0\\'");
  EXPECT_EQ(written("\xE4x"), "'\\X2\\00E4\\X0\\x'");
  EXPECT_EQ(written("x\xE2\x82"), "'x\\X2\\00E2\\X0\\\\X2\\0082\\X0\\'");  // cut short at the end
}

// One argument found past nested lists, strings (with escaped quotes) and comments, the list's too.
TEST(Value, OneArgumentIsFoundPastNestedListsStringsAndComments) {
  const auto argument = [](const std::string& list, std::size_t slot) {
    Lexer lexer(list);
    Value value;
    std::string error;
    return ParseArgument(lexer, slot, value, error) ? value.ToStep() : "none" + error;
  };
  const std::string list = "('a,(b',(1,(2,3)),/* ,( */ IFCTEXT('c)'),#4)";
  EXPECT_EQ(argument(list, 0), "'a,(b'");
  EXPECT_EQ(argument(list, 1), "(1,(2,3))");
  EXPECT_EQ(argument(list, 2), "IFCTEXT('c)')");
  EXPECT_EQ(argument(list, 3), "#4");
  EXPECT_EQ(argument(list, 4), "none");
  EXPECT_EQ(argument("/* (,') */ ('it'',s, (a)',(),\"0F\",$)", 1), "()");
  EXPECT_EQ(argument("('it'',s, (a)',(),\"0F\",$)", 3), "$");
  EXPECT_EQ(argument("()", 0), "none");
  EXPECT_EQ(argument("(1,'a,2", 2), "nonethe argument list is not closed");
  EXPECT_EQ(argument("x(1)", 0), "none'(' expected");
}

TEST(Value, MalformedListsAreRefused) {
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      {"1", "'(' expected"},
      {"(1,,2)", "a value expected, found ','"},
      {"(1 2)", "',' or ')' expected, found a value"},
      {"(1;", "',' or ')' expected, found ';'"},
      {"(1=", "',' or ')' expected, found '='"},
      {"(1", "',' or ')' expected, found the end of the file"},
      {"(1,", "a value expected, found the end of the file"},
      {"(1,)", "a value expected, found ')'"},
      {"(1 {", "unexpected character '{'"},
      {"(1,{", "unexpected character '{'"},
      {"('a'b')", "',' or ')' expected, found a name"},
      {"('\\X0\\')", "\\X0\\ without a \\X2\\ or \\X4\\ before it in the string '\\X0\\'"},
      {"(IFCLABEL('a','b'))", "')' expected: a typed value IFCLABEL holds one value"},
      {"(IFCLABEL('a'{", "unexpected character '{'"},
      {"(IFCLABEL)", "'(' expected after the type name IFCLABEL"},
      {"(IFCLABEL{", "unexpected character '{'"},
      {std::string(70, '(') + std::string(70, ')'), "values nested more than 64 deep"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_TRUE(Parse(c.text, &error).empty()) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
  EXPECT_EQ(Parse("()").size(), 0u);
  EXPECT_EQ(Parse("(+7)")[0].integer, 7);
}

}  // namespace
}  // namespace Ifc
