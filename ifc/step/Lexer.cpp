#include "ifc/step/Lexer.h"

#include <cstring>

#include "ifc/step/StringDecoding.h"

namespace Ifc {

namespace {

// Byte classes: what a string body stops at, what may follow a number or a name, what a keyword holds.
enum : std::uint8_t { StringStop = 1, WordChar = 2, Digit = 4, Blank = 8, KeywordChar = 16 };

struct ByteTable {
  std::uint8_t flags[256];
  constexpr ByteTable() : flags() {
    flags[static_cast<unsigned char>('\'')] |= StringStop;
    flags[static_cast<unsigned char>('\\')] |= StringStop;
    flags[static_cast<unsigned char>('\n')] |= StringStop | Blank;
    flags[0] |= StringStop;
    flags[static_cast<unsigned char>(' ')] |= Blank;
    flags[static_cast<unsigned char>('\t')] |= Blank;
    flags[static_cast<unsigned char>('\r')] |= Blank;
    for (int c = '0'; c <= '9'; ++c) {
      flags[c] |= WordChar | KeywordChar | Digit;
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
      flags[c] |= WordChar | KeywordChar;
      flags[c + 'a' - 'A'] |= WordChar | KeywordChar;
    }
    flags[static_cast<unsigned char>('_')] |= WordChar | KeywordChar;
    flags[static_cast<unsigned char>('-')] |= KeywordChar;
  }
};
constexpr ByteTable kBytes{};

bool Is(char c, std::uint8_t flag) noexcept {
  return (kBytes.flags[static_cast<unsigned char>(c)] & flag) != 0;
}

// `text` for a message: at most 24 bytes, control characters as '?'.
std::string Shortened(std::string_view text) {
  constexpr std::size_t kShown = 24;
  std::string out;
  for (const char c : text.substr(0, kShown)) {
    out += (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') ? '?' : c;
  }
  return out + (text.size() > kShown ? "..." : "");
}

// From `at`, past whole 8-byte words holding no byte that ends or interrupts a string body
// (quote, backslash, line feed, NUL): most names and GlobalIds are crossed a word at a time.
std::size_t SkipPlainWords(std::string_view text, std::size_t at) noexcept {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  const auto hasByte = [](std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kOnes * byte);
    return ((x - kOnes) & ~x & kHighs) != 0;
  };
  while (at + 8 <= text.size()) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, 8);
    if (hasByte(word, '\'') || hasByte(word, '\\') || hasByte(word, '\n') || hasByte(word, 0)) {
      break;
    }
    at += 8;
  }
  return at;
}

std::string Quoted(std::string_view text) {
  return "'" + Shortened(text) + "'";
}

}  // namespace

Token Lexer::Fail(std::size_t begin, std::uint32_t tokenLine, std::string message) {
  error = std::move(message);
  failed = true;
  at = text.size();
  failure = Token{TokenKind::Error, text.substr(begin), begin, tokenLine};
  return failure;
}

bool Lexer::SkipBlanks() {
  const std::size_t size = text.size();
  if (at < size && !Is(text[at], Blank) && text[at] != '/') {
    return true;  // most tokens follow another directly
  }
  while (at < size) {
    const char c = text[at];
    if (Is(c, Blank)) {
      line += c == '\n' ? 1 : 0;
      ++at;
    } else if (c == '/' && at + 1 < size && text[at + 1] == '*') {
      const std::size_t begin = at;
      const std::uint32_t beginLine = line;
      const std::size_t end = text.find("*/", at + 2);
      if (end == std::string_view::npos) {
        Fail(begin, beginLine, "unterminated comment (it begins on line " + std::to_string(beginLine) + ")");
        return false;
      }
      for (std::size_t i = at + 2; i < end; ++i) {
        line += text[i] == '\n' ? 1 : 0;
      }
      at = end + 2;
    } else {
      return true;
    }
  }
  return true;
}

Token Lexer::NextAfterBlanks() {
  if (failed) {
    return Token{TokenKind::End, {}, text.size(), line};
  }
  if (!SkipBlanks()) {
    return failure;
  }
  const std::size_t begin = at;
  if (at >= text.size()) {
    return Token{TokenKind::End, {}, begin, line};
  }
  const char c = text[at];
  const TokenKind single = Punctuation(c);
  if (single != TokenKind::End) {
    ++at;
    return Make(single, begin, line);
  }
  switch (c) {
    case '\'':
      return LexString(begin);
    case '"':
      return LexBinary(begin);
    case '.':
      return LexEnumeration(begin);
    case '#':
      return LexInstanceName(begin);
    case '+':
    case '-':
      return LexNumber(begin);
    case '\0':
      return Fail(begin, line, "a NUL byte");
    default:
      if (Is(c, Digit)) {
        return LexNumber(begin);
      }
      if (Is(c, WordChar) || c == '!') {
        return LexKeyword(begin);
      }
      return Fail(begin, line, "unexpected character " + Quoted(text.substr(at, 1)));
  }
}

Token Lexer::LexString(std::size_t begin) {
  const std::uint32_t beginLine = line;
  const std::size_t size = text.size();
  bool escaped = false;
  ++at;
  for (;;) {
    at = SkipPlainWords(text, at);
    while (at < size && !Is(text[at], StringStop)) {
      ++at;
    }
    if (at >= size) {
      return Fail(begin, beginLine, "unterminated string (it begins on line " + std::to_string(beginLine) + ")");
    }
    const char c = text[at];
    if (c == '\'') {
      if (at + 1 < size && text[at + 1] == '\'') {
        at += 2;
        continue;
      }
      ++at;
      break;
    }
    if (c == '\0') {
      return Fail(at, line, "a NUL byte in a string");
    }
    line += c == '\n' ? 1 : 0;
    escaped = escaped || c == '\\';
    ++at;
  }
  Token token = Make(TokenKind::String, begin, beginLine);
  std::string fault;
  if (escaped && !CheckStringEscapes(token.text.substr(1, token.text.size() - 2), fault)) {
    return Fail(begin, beginLine, fault + " in the string " + Shortened(token.text));
  }
  return token;
}

Token Lexer::LexBinary(std::size_t begin) {
  ++at;
  const std::size_t digits = at;
  while (at < text.size() && std::strchr("0123456789ABCDEFabcdef", text[at]) != nullptr && text[at] != '\0') {
    ++at;
  }
  if (at >= text.size() || text[at] != '"') {
    return Fail(
        begin, line,
        "malformed binary " + Quoted(text.substr(begin, at + 1 - begin)) + ": hex digits expected, ended by '\"'");
  }
  if (at == digits || text[digits] > '3') {
    return Fail(begin, line,
                "malformed binary " + Quoted(text.substr(begin, at + 1 - begin)) +
                    ": it begins with the count of unused bits, 0 to 3");
  }
  ++at;
  return Make(TokenKind::Binary, begin, line);
}

Token Lexer::LexEnumeration(std::size_t begin) {
  ++at;
  const std::size_t name = at;
  while (at < text.size() && Is(text[at], WordChar)) {
    ++at;
  }
  if (at == name || at >= text.size() || text[at] != '.') {
    return Fail(
        begin, line,
        "malformed enumeration " + Quoted(text.substr(begin, at + 1 - begin)) + ": a name between two dots expected");
  }
  ++at;
  return Make(TokenKind::Enumeration, begin, line);
}

Token Lexer::LexNumber(std::size_t begin) {
  const std::size_t size = text.size();
  const auto skipDigits = [&] {
    const std::size_t from = at;
    while (at < size && Is(text[at], Digit)) {
      ++at;
    }
    return at - from;
  };
  if (text[at] == '+' || text[at] == '-') {
    ++at;
  }
  const std::size_t integerDigits = skipDigits();
  TokenKind kind = TokenKind::Integer;
  bool wellFormed = integerDigits > 0;
  if (wellFormed && at < size && text[at] == '.') {
    kind = TokenKind::Real;
    ++at;
    skipDigits();
    if (at < size && (text[at] == 'E' || text[at] == 'e')) {
      ++at;
      if (at < size && (text[at] == '+' || text[at] == '-')) {
        ++at;
      }
      wellFormed = skipDigits() > 0;
    }
  }
  if (!wellFormed || (at < size && (Is(text[at], WordChar) || text[at] == '.'))) {
    while (at < size && (Is(text[at], WordChar) || text[at] == '.' || text[at] == '+' || text[at] == '-')) {
      ++at;
    }
    return Fail(begin, line, "malformed number " + Quoted(text.substr(begin, at - begin)));
  }
  if (kind == TokenKind::Integer && integerDigits > 18) {
    // Beyond 18 digits only some numbers fit in 64 bits; compare with the largest.
    std::string_view digits = text.substr(at - integerDigits, integerDigits);
    while (digits.size() > 1 && digits.front() == '0') {
      digits.remove_prefix(1);
    }
    const std::string_view limit = text[begin] == '-' ? "9223372036854775808" : "9223372036854775807";
    if (digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit)) {
      return Fail(begin, line, "integer " + Quoted(text.substr(begin, at - begin)) + " does not fit in 64 bits");
    }
  }
  return Make(kind, begin, line);
}

Token Lexer::LexInstanceName(std::size_t begin) {
  ++at;
  const std::size_t digits = at;
  while (at < text.size() && Is(text[at], Digit)) {
    ++at;
  }
  if (at == digits || (at < text.size() && Is(text[at], WordChar))) {
    while (at < text.size() && Is(text[at], WordChar)) {
      ++at;
    }
    return Fail(begin, line,
                "malformed instance name " + Quoted(text.substr(begin, at - begin)) + ": '#' and digits expected");
  }
  if (text[digits] != '0' && at - digits < 20) {
    return Make(TokenKind::InstanceName, begin, line);  // 1 to 19 digits without a leading 0: in range
  }
  std::string_view number = text.substr(digits, at - digits);
  while (number.size() > 1 && number.front() == '0') {
    number.remove_prefix(1);
  }
  // Beyond 19 digits only some numbers fit in 64 bits; compare with the largest.
  constexpr std::string_view kLargest = "18446744073709551615";
  if (number.size() > kLargest.size() || (number.size() == kLargest.size() && number > kLargest)) {
    return Fail(begin, line,
                "instance number " + std::string(text.substr(begin, at - begin)) + " does not fit in 64 bits");
  }
  if (number == "0") {
    return Fail(begin, line, "instance number #0: numbers begin at 1");
  }
  return Make(TokenKind::InstanceName, begin, line);
}

Token Lexer::LexKeyword(std::size_t begin) {
  ++at;
  while (at < text.size() && Is(text[at], KeywordChar)) {
    ++at;
  }
  return Make(TokenKind::Keyword, begin, line);
}

}  // namespace Ifc
