#include "ifc/text/StepText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Exporter {
namespace {

std::string Encoded(std::u16string_view text) {
  std::string out;
  AppendStepString(out, text);
  return out;
}

TEST(StepText, StringsEscapeApostrophesBackslashesAndEveryNonAsciiCharacter) {
  EXPECT_EQ(Encoded(u"Architect's \\ note"), "'Architect''s \\\\ note'");
  EXPECT_EQ(Encoded(u"W\u00e4rme \u2265 5\u20ac"), "'W\\X2\\00E4\\X0\\rme \\X2\\2265\\X0\\ 5\\X2\\20AC\\X0\\'");
  // Outside the Basic Multilingual Plane: the whole code point in \X4\, never a surrogate pair; a
  // control character is escaped too, and a lone surrogate keeps its unit.
  EXPECT_EQ(Encoded(u"\U0001F3E0\n"), "'\\X4\\0001F3E0\\X0\\\\X2\\000A\\X0\\'");
  EXPECT_EQ(Encoded(std::u16string(1, u'\xD83C') + u"x"), "'\\X2\\D83C\\X0\\x'");
  EXPECT_EQ(Encoded(u""), "''");

  const std::u16string samples[] = {u"", u"''", u"a\\b", u"\u00e4\u00f6\u00fc'x'\U0001F3E0\u00e9\U0001F3E0 \u20ac",
                                    u"\\X2\\"};
  for (const std::u16string& sample : samples) {
    const auto decoded = DecodeStepString(Encoded(sample));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, sample);
  }
  // Decoding is the reader's (its tests); what the decoder adds is the conversion from UTF-8.
  EXPECT_EQ(*DecodeStepString("'W\xC3\xA4rme \xF0\x9F\x8F\xA0 \xE4'"), u"W\u00e4rme \U0001F3E0 \u00e4");
  EXPECT_FALSE(DecodeStepString("'unterminated"));
}

TEST(StepText, ListsSplitAtTopLevelCommasOnly) {
  using Items = std::vector<std::string_view>;
  Items items;
  ASSERT_TRUE(SplitStepList(" 'a,(b' , (1,(2,3)) ,$,\"0FF\", IFCLABEL('x'')y') ", items));
  EXPECT_EQ(items, (Items{"'a,(b'", "(1,(2,3))", "$", "\"0FF\"", "IFCLABEL('x'')y')"}));
  EXPECT_TRUE(SplitStepList("  ", items) && items.empty());
  // Comments stand where blanks may and hold what a list's syntax would otherwise see.
  ASSERT_TRUE(SplitStepList("/*(*/ #1 /* ,' */,/**/( #2 /*)*/ ),,'a' /* x */", items));
  EXPECT_EQ(items, (Items{"#1", "( #2 /*)*/ )", "", "'a'"}));
  EXPECT_TRUE(SplitStepList(" /* nothing */ ", items) && items.empty());
  EXPECT_FALSE(SplitStepList("(1,2", items));
  EXPECT_FALSE(SplitStepList("'open", items));
  EXPECT_EQ(ParseStepReference(" #42 "), 42u);
  EXPECT_EQ(ParseStepReference("#5000000000"), 5000000000u);
  EXPECT_EQ(ParseStepReference("#4x"), 0u);
  EXPECT_EQ(ParseStepReference("42"), 0u);

  std::string binary;
  AppendStepBinary(binary, {0x2A, 0x00, 0xC3});
  EXPECT_EQ(binary, "\"02A00C3\"");
}

}  // namespace
}  // namespace Exporter
