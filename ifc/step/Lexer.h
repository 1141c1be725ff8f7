// The tokens of an ISO 10303-21 exchange file, read one at a time from its bytes.
//
// Blanks, line ends and comments (/* ... */) between tokens are skipped and counted into the line
// number; every token is checked as it is read: a string's escapes, a binary's digits, a number's form
// and range, an instance number's range. A fault gives an Error token and a message; the lexer does
// not recover from it.
//
//   Lexer lexer(text);                                  // text: the whole file, usually mapped
//   for (Token token = lexer.Next(); token.kind != TokenKind::End; token = lexer.Next()) {
//     if (token.kind == TokenKind::Error) Fail(token.line, lexer.Error());  // "unterminated string ..."
//     if (token.kind == TokenKind::InstanceName) Use(InstanceNumberOf(token));  // "#12" -> 12
//   }
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ifc/step/InstanceId.h"

namespace Ifc {

enum class TokenKind : std::uint8_t {
  End,           // no more bytes
  Keyword,       // IFCWALL, FILE_NAME, DATA, ISO-10303-21, END-ISO-10303-21, !USER_KEYWORD
  InstanceName,  // #12
  Integer,       // 12, -3, +4
  Real,          // 1., -1.5E-3, 1.0e+2
  String,        // 'It''s' with its quotes; escapes well formed
  Binary,        // "0ABC" with its quotes
  Enumeration,   // .ELEMENT. or .T. with its dots
  Null,          // $
  Derived,       // *
  Open,          // (
  Close,         // )
  Comma,         // ,
  Semicolon,     // ;
  Equals,        // =
  Error,         // a fault; Lexer::Error() says what it is
};

struct Token {
  TokenKind kind = TokenKind::End;
  std::string_view text;   // the token's bytes as written; for an error, from the fault on
  std::size_t offset = 0;  // of its first byte in the lexed text
  std::uint32_t line = 0;  // where it begins, 1-based
};

class Lexer {
 public:
  // Lexes `text` from `offset`, which lies on line `line`. `text` must outlive the lexer and its tokens.
  explicit Lexer(std::string_view text, std::size_t offset = 0, std::uint32_t line = 1) noexcept
      : text(text), at(offset), line(line) {}

  // The next token; End at the end of `text`, Error (and End after it) on a fault.
  Token Next() {
    // Punctuation and $ right after the previous token make up half of a file's tokens: they are
    // taken here, without a call.
    if (at < text.size()) {
      const TokenKind kind = Punctuation(text[at]);
      if (kind != TokenKind::End && !failed) {
        ++at;
        return Token{kind, text.substr(at - 1, 1), at - 1, line};
      }
    }
    return NextAfterBlanks();
  }

  // After an Error token, what is wrong: "unterminated string (it begins on line 12)".
  const std::string& Error() const noexcept { return error; }

  // Goes on at `offset`, on line `atLine`: after bytes the caller has read itself.
  void MoveTo(std::size_t offset, std::uint32_t atLine) noexcept {
    at = offset;
    line = atLine;
  }

  // Where the next token will be looked for.
  std::size_t Offset() const noexcept { return at; }
  // The text lexed, as given to the constructor.
  std::string_view Text() const noexcept { return text; }
  std::uint32_t Line() const noexcept { return line; }

 private:
  static TokenKind Punctuation(char c) noexcept {
    switch (c) {
      case '(':
        return TokenKind::Open;
      case ')':
        return TokenKind::Close;
      case ',':
        return TokenKind::Comma;
      case ';':
        return TokenKind::Semicolon;
      case '=':
        return TokenKind::Equals;
      case '$':
        return TokenKind::Null;
      case '*':
        return TokenKind::Derived;
      default:
        return TokenKind::End;
    }
  }
  Token NextAfterBlanks();
  bool SkipBlanks();
  Token Fail(std::size_t begin, std::uint32_t tokenLine, std::string message);
  Token LexString(std::size_t begin);
  Token LexBinary(std::size_t begin);
  Token LexEnumeration(std::size_t begin);
  Token LexNumber(std::size_t begin);
  Token LexInstanceName(std::size_t begin);
  Token LexKeyword(std::size_t begin);
  Token Make(TokenKind kind, std::size_t begin, std::uint32_t tokenLine) const noexcept {
    return Token{kind, text.substr(begin, at - begin), begin, tokenLine};
  }

  std::string_view text;
  std::size_t at;
  std::uint32_t line;
  std::string error;
  Token failure;
  bool failed = false;
};

// The number of an InstanceName token ("#12" -> 12); the lexer has checked that it fits. Inline:
// it is taken of every reference the reader meets.
inline InstanceNumber InstanceNumberOf(const Token& token) noexcept {
  std::uint64_t number = 0;
  for (std::size_t i = 1; i < token.text.size(); ++i) {
    number = number * 10 + static_cast<unsigned>(token.text[i] - '0');
  }
  return InstanceNumber(number);
}

}  // namespace Ifc
