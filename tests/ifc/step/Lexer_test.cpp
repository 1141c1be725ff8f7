#include "ifc/step/Lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ifc/step/StringDecoding.h"

namespace Ifc {
namespace {

// "KIND:text" for every token of `text`, and the error after the last one.
std::vector<std::string> Tokens(std::string_view text, std::uint32_t* lastLine = nullptr) {
  static const char* const Names[] = {"End",  "Keyword", "Name", "Integer", "Real",  "String",    "Binary", "Enum",
                                      "Null", "Derived", "Open", "Close",   "Comma", "Semicolon", "Equals", "Error"};
  Lexer lexer(text);
  std::vector<std::string> out;
  for (Token token = lexer.Next(); token.kind != TokenKind::End; token = lexer.Next()) {
    out.push_back(std::string(Names[static_cast<int>(token.kind)]) + ":" +
                  (token.kind == TokenKind::Error ? lexer.Error() : std::string(token.text)));
    if (lastLine != nullptr) {
      *lastLine = token.line;
    }
  }
  return out;
}

std::string ErrorOf(std::string_view text) {
  const std::vector<std::string> tokens = Tokens(text);
  return !tokens.empty() && tokens.back().rfind("Error:", 0) == 0 ? tokens.back().substr(6) : std::string();
}

std::string Decoded(std::string_view token) {
  std::string out;
  std::string error;
  return DecodeString(token, out, error) ? out : "error: " + error;
}

TEST(Lexer, ReadsEveryTokenWithCommentsAndLineEndsBetweenAnyTwo) {
  const std::string text =
      "#12/*a*/=\r\nIFCWALL(/* ( ) , ' / \n */'It''s',$,*,.T.,\"0AF\",-1.5E-3,+4,(#1,IFCLABEL('x'))\n);";
  std::uint32_t lastLine = 0;
  const std::vector<std::string> expected = {
      "Name:#12",       "Equals:=", "Keyword:IFCWALL", "Open:(",           "String:'It''s'", "Comma:,",
      "Null:$",         "Comma:,",  "Derived:*",       "Comma:,",          "Enum:.T.",       "Comma:,",
      "Binary:\"0AF\"", "Comma:,",  "Real:-1.5E-3",    "Comma:,",          "Integer:+4",     "Comma:,",
      "Open:(",         "Name:#1",  "Comma:,",         "Keyword:IFCLABEL", "Open:(",         "String:'x'",
      "Close:)",        "Close:)",  "Close:)",         "Semicolon:;"};
  EXPECT_EQ(Tokens(text, &lastLine), expected);
  EXPECT_EQ(lastLine, 4u);
}

TEST(Lexer, NumbersInEveryAllowedFormAndNoOther) {
  EXPECT_EQ(Tokens("1. 1.E5 -1.5E-3 1.0e+2 0.25 -0."),
            (std::vector<std::string>{"Real:1.", "Real:1.E5", "Real:-1.5E-3", "Real:1.0e+2", "Real:0.25", "Real:-0."}));
  EXPECT_EQ(Tokens("0 -7 +12 9223372036854775807 -9223372036854775808 000000000000000000000001"),
            (std::vector<std::string>{"Integer:0", "Integer:-7", "Integer:+12", "Integer:9223372036854775807",
                                      "Integer:-9223372036854775808", "Integer:000000000000000000000001"}));
  for (const char* bad : {"1E5", "1.5x", "1.E", "1.2.3"}) {
    EXPECT_EQ(ErrorOf(bad), "malformed number '" + std::string(bad) + "'");
  }
  EXPECT_EQ(ErrorOf("- 1"), "malformed number '-'");
  EXPECT_EQ(ErrorOf("9223372036854775808"), "integer '9223372036854775808' does not fit in 64 bits");
}

TEST(Lexer, InstanceNamesUpTo64BitsWithLeadingZeros) {
  for (const char* name : {"#18446744073709551615", "#018446744073709551615"}) {
    EXPECT_EQ(InstanceNumberOf(Lexer(name).Next()).Value(), 18446744073709551615ull) << name;
  }
  EXPECT_EQ(InstanceNumberOf(Lexer("#9999999999999999999").Next()).Value(), 9999999999999999999ull);
  EXPECT_EQ(ErrorOf("#99999999999999999999"), "instance number #99999999999999999999 does not fit in 64 bits");
  EXPECT_EQ(ErrorOf("#000"), "instance number #0: numbers begin at 1");
  EXPECT_EQ(ErrorOf("#12a"), "malformed instance name '#12a': '#' and digits expected");
  EXPECT_EQ(ErrorOf("# 12"), "malformed instance name '#': '#' and digits expected");
}

// Strings are crossed a word at a time: a quote, backslash, line feed or NUL must be seen at any
// position within a word, and a run of plain text must be decoded whole.
TEST(Lexer, StringStopsAtEveryPositionOfALongBody) {
  for (std::size_t k = 0; k < 20; ++k) {
    const std::string head(k, 'a');
    const std::string tail(11, 'b');
    EXPECT_EQ(Tokens("'" + head + "''" + tail + "',"),
              (std::vector<std::string>{"String:'" + head + "''" + tail + "'", "Comma:,"}))
        << k;
    EXPECT_EQ(Decoded("'" + head + "''" + tail + "'"), head + "'" + tail) << k;
    EXPECT_EQ(Decoded("'" + head + "\\X2\\00E4\\X0\\" + tail + "'"), head + "\xC3\xA4" + tail) << k;
    std::uint32_t lastLine = 0;
    EXPECT_EQ(Tokens("'" + head + "\n" + tail + "' $", &lastLine).back(), "Null:$") << k;
    EXPECT_EQ(lastLine, 2u) << k;
    EXPECT_EQ(ErrorOf("'" + head + std::string(1, '\0') + tail + "'"), "a NUL byte in a string") << k;
    EXPECT_EQ(ErrorOf("'" + head + "\\X0\\" + tail + "'").rfind("\\X0\\ without", 0), 0u) << k;
  }
  EXPECT_EQ(ErrorOf("'" + std::string(17, 'a')), "unterminated string (it begins on line 1)");
}

TEST(Lexer, FaultsAreNamedWhereTheyBegin) {
  EXPECT_EQ(ErrorOf("\"4A\""), "malformed binary '\"4A\"': it begins with the count of unused bits, 0 to 3");
  EXPECT_EQ(ErrorOf("\"0AG\""), "malformed binary '\"0AG': hex digits expected, ended by '\"'");
  EXPECT_EQ(ErrorOf(".T"), "malformed enumeration '.T': a name between two dots expected");
  EXPECT_EQ(ErrorOf("{"), "unexpected character '{'");
}

TEST(StringDecoding, EveryDirectiveBecomesUtf8) {
  struct Case {
    std::string token;
    std::string decoded;
  };
  const Case cases[] = {
      {"'It''s'", "It's"},
      {"'a\\\\b'", "a\\b"},
      {"'\\X\\E4\\X\\e4'", "\xC3\xA4\xC3\xA4"},
      {"'W\\X2\\00E420ac\\X0\\rme'", "W\xC3\xA4\xE2\x82\xACrme"},
      {"'\\X2\\D83CDFE0\\X0\\'", "\xF0\x9F\x8F\xA0"},  // a surrogate pair is one code point
      {"'\\X2\\D83C\\X0\\x'", "\xEF\xBF\xBDx"},        // a lone one is U+FFFD
      {"'\\X2\\D83C0041\\X0\\'",
       "\xEF\xBF\xBD"
       "A"},  // and the unit after it stays
      {"'\\X2\\DC00\\X0\\'", "\xEF\xBF\xBD"},
      {"'\\X4\\0001F3E0\\X0\\'", "\xF0\x9F\x8F\xA0"},
      {"'\\PA\\\\S\\d'", "\xC3\xA4"},
      {"'C:\\temp\\x.ifc'", "C:\\temp\\x.ifc"},  // backslashes that begin no directive
      {"'\\PZ\\'", "\\PZ\\"},
      {"'\xC3\xA4\xE4'", "\xC3\xA4\xC3\xA4"},  // UTF-8 kept, a stray byte read as Latin-1
      {"'\xE2\x82\xAC\xF0\x9F\x8F\xA0'", "\xE2\x82\xAC\xF0\x9F\x8F\xA0"},
      // Not UTF-8: overlong forms, surrogates, beyond U+10FFFF, a broken or cut sequence.
      {"'\xE0\x80\xAF'", "\xC3\xA0\xC2\x80\xC2\xAF"},
      {"'\xF0\x80\x80\xAF'", "\xC3\xB0\xC2\x80\xC2\x80\xC2\xAF"},
      {"'\xED\xA0\x80'", "\xC3\xAD\xC2\xA0\xC2\x80"},
      {"'\xF4\x90\x80\x80'", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
      {"'\xC3x'", "\xC3\x83x"},
      {"'\xE2\x82'", "\xC3\xA2\xC2\x82"},
      {"''", ""},
      {"'\\X4\\00110000\\X0\\'", "error: \\X4\\ escape names no Unicode character"},
      {"'\\X4\\0000D800\\X0\\'", "error: \\X4\\ escape names no Unicode character"},
      {"'\\X4\\1F3E0\\X0\\'", "error: malformed \\X4\\ escape: eight hex digits a character, ended by \\X0\\"},
      {"'\\X\\G1'", "error: malformed \\X\\ escape: two hex digits expected"},
      {"'\\X2\\00E4'", "error: malformed \\X2\\ escape: four hex digits a character, ended by \\X0\\"},
      {"'\\S\\\x01'", "error: malformed \\S\\ escape: a printable character expected"},
      {"'\\S\\'", "error: malformed \\S\\ escape: a printable character expected"},
      {"'a'b'", "error: an apostrophe inside a string must be doubled"},
      {"'a''", "error: an apostrophe inside a string must be doubled"},
      {"'a", "error: not a string"},
      {"a'", "error: not a string"},
      {"'", "error: not a string"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Decoded(c.token), c.decoded) << c.token;
  }
}

}  // namespace
}  // namespace Ifc
