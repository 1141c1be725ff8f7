#include "Value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ValueParser.h"

namespace IfcReader {
namespace {

std::vector<Value> Parse(std::string_view text, std::string* error = nullptr) {
  Lexer lexer(text);
  std::vector<Value> values;
  std::string fault;
  if (!ParseArgumentList(lexer, values, fault)) {
    values.clear();
  }
  if (error != nullptr) {
    *error = fault;
  }
  return values;
}

TEST(Value, ParsesEveryKindIntoATree) {
  const std::vector<Value> values =
      Parse("(#7,$,*,'W\\X2\\00E4\\X0\\rme',(1,2.5E1,(.T.)),IFCLABEL('x'),IFCMEASURE(IFCLENGTH(2.)),\"0F\",.U.)");
  ASSERT_EQ(values.size(), 9u);
  EXPECT_EQ(values[0].kind, Value::Kind::Reference);
  EXPECT_EQ(values[0].reference, InstanceNumber(7));
  EXPECT_TRUE(values[1].IsNull());
  EXPECT_EQ(values[2].kind, Value::Kind::Derived);
  EXPECT_EQ(values[3].text, "W\xC3\xA4rme");
  const Value& list = values[4];
  ASSERT_EQ(list.kind, Value::Kind::List);
  ASSERT_EQ(list.items.size(), 3u);
  EXPECT_EQ(list.items[0].integer, 1);
  EXPECT_EQ(list.items[1].real, 25.0);
  EXPECT_EQ(list.items[1].text, "2.5E1");
  EXPECT_EQ(list.items[2].items[0].Boolean(), std::optional<bool>(true));
  EXPECT_EQ(values[5].kind, Value::Kind::Typed);
  EXPECT_EQ(values[5].text, "IFCLABEL");
  EXPECT_EQ(values[5].Unwrapped().text, "x");
  EXPECT_EQ(values[6].Unwrapped().Number(), std::optional<double>(2.0));
  EXPECT_EQ(values[7].text, "0F");
  EXPECT_EQ(values[8].Boolean(), std::nullopt);
  // Written back in the same form (the string re-encoded).
  std::string written;
  for (const Value& value : values) {
    written += value.ToStep() + ";";
  }
  EXPECT_EQ(written,
            "#7;$;*;'W\\X2\\00E4\\X0\\rme';(1,2.5E1,(.T.));IFCLABEL('x');IFCMEASURE(IFCLENGTH(2.));\"0F\";.U.;");
}

TEST(Value, OneArgumentIsFoundPastNestedListsStringsAndComments) {
  const std::string text = "('a,(b',(1,(2,3)),/* ,( */ IFCTEXT('c)'),#4)";
  const auto argument = [&](std::size_t slot) {
    Lexer lexer(text);
    Value value;
    std::string error;
    return ParseArgument(lexer, slot, value, error) ? value.ToStep() : "none" + error;
  };
  EXPECT_EQ(argument(0), "'a,(b'");
  EXPECT_EQ(argument(1), "(1,(2,3))");
  EXPECT_EQ(argument(2), "IFCTEXT('c)')");
  EXPECT_EQ(argument(3), "#4");
  EXPECT_EQ(argument(4), "none");
  // An escaped quote does not end the string; a comment may precede the list.
  const auto in = [](const std::string& list, std::size_t slot) {
    Lexer lexer(list);
    Value value;
    std::string error;
    return ParseArgument(lexer, slot, value, error) ? value.ToStep() : "none" + error;
  };
  EXPECT_EQ(in("/* (,') */ ('it'',s, (a)',(),\"0F\",$)", 1), "()");
  EXPECT_EQ(in("('it'',s, (a)',(),\"0F\",$)", 3), "$");
  EXPECT_EQ(in("()", 0), "none");
  EXPECT_EQ(in("(1,'a,2", 2), "nonethe argument list is not closed");
  EXPECT_EQ(in("x(1)", 0), "none'(' expected");
}

TEST(Value, MalformedListsAreRefused) {
  std::string error;
  Parse("(1,,2)", &error);
  EXPECT_EQ(error, "a value expected, found ','");
  Parse("(1 2)", &error);
  EXPECT_EQ(error, "',' or ')' expected, found a value");
  Parse("(IFCLABEL('a','b'))", &error);
  EXPECT_EQ(error, "')' expected: a typed value IFCLABEL holds one value");
  Parse("(IFCLABEL)", &error);
  EXPECT_EQ(error, "'(' expected after the type name IFCLABEL");
  Parse(std::string(70, '(') + std::string(70, ')'), &error);
  EXPECT_EQ(error, "values nested more than 64 deep");
  EXPECT_EQ(Parse("()").size(), 0u);
  EXPECT_EQ(Parse("('\\X2\\00E4\\X0\\')")[0].text, "\xC3\xA4");
}

}  // namespace
}  // namespace IfcReader
