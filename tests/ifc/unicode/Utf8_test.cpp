// The one UTF-8 implementation: the edges of well-formedness, the Latin-1 fallback, UTF-16 pairs.
#include "ifc/unicode/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Utf8, WellFormedLengthAtTheEdgesOfEachForm) {
  const struct {
    std::string bytes;
    std::size_t length;
  } cases[] = {
      {"A", 1},
      {"\xC2\x80", 2},          // the smallest two-byte form
      {"\xC1\xBF", 0},          // overlong two-byte form
      {"\xE0\xA0\x80", 3},      // U+0800
      {"\xE0\x9F\xBF", 0},      // overlong three-byte form
      {"\xED\x9F\xBF", 3},      // U+D7FF, below the surrogates
      {"\xED\xA0\x80", 0},      // U+D800, a surrogate
      {"\xF0\x90\x80\x80", 4},  // U+10000
      {"\xF4\x8F\xBF\xBF", 4},  // U+10FFFF
      {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
      {"\xE2\x82", 0},          // truncated
      {"\xE2\x28\xA1", 0},      // a second byte that continues nothing
      {"\xE2\x82\x28", 0},      // a third byte that continues nothing
      {"\x80", 0},              // a lone continuation byte
      {"\xFF", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Ifc::Utf8::WellFormedLength(c.bytes, 0), c.length) << testing::PrintToString(c.bytes);
  }
}

TEST(Utf8, DecodeTakesAStrayByteAsLatin1AndAppendRoundTrips) {
  const std::string text = "\xE9\xC3\xA9\xF0\x9F\x99\x82";  // a stray E9, then U+00E9 and U+1F642
  Ifc::Utf8::CodePoint point = Ifc::Utf8::Decode(text, 0);
  EXPECT_EQ(point.value, U'\u00E9');
  EXPECT_EQ(point.length, 1u);
  point = Ifc::Utf8::Decode(text, 1);
  EXPECT_EQ(point.value, U'\u00E9');
  EXPECT_EQ(point.length, 2u);
  point = Ifc::Utf8::Decode(text, 3);
  EXPECT_EQ(point.value, U'\U0001F642');
  EXPECT_EQ(point.length, 4u);

  std::string out;
  for (const char32_t c : {U'A', U'\u07FF', U'\uFFFD', U'\U0010FFFF'}) {
    out.clear();
    Ifc::Utf8::Append(out, c);
    EXPECT_EQ(Ifc::Utf8::WellFormedLength(out, 0), out.size());
    EXPECT_EQ(Ifc::Utf8::Decode(out, 0).value, c);
  }
}

TEST(Utf8, ToUtf16WritesPairsAboveTheBasicPlane) {
  EXPECT_EQ(Ifc::Utf8::ToUtf16("a\xC3\xA9\xF0\x9F\x99\x82"), std::u16string(u"a\u00E9\U0001F642"));
  EXPECT_EQ(Ifc::Utf8::ToUtf16("\xFF"), std::u16string(u"\u00FF"));
}

}  // namespace
