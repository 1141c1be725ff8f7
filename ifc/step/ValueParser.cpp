#include "ifc/step/ValueParser.h"

#include <array>
#include <charconv>
#include <cstdlib>

#include "ifc/step/StringDecoding.h"

namespace Ifc {

namespace {

const char* Describe(TokenKind kind) noexcept {
  switch (kind) {
    case TokenKind::End:
      return "the end of the file";
    case TokenKind::Keyword:
      return "a name";
    case TokenKind::Semicolon:
      return "';'";
    case TokenKind::Equals:
      return "'='";
    case TokenKind::Comma:
      return "','";
    case TokenKind::Close:
      return "')'";
    case TokenKind::Open:
      return "'('";
    default:
      return "a value";
  }
}

bool Fail(std::string& error, std::string message) {
  error = std::move(message);
  return false;
}

bool ParseNumber(const Token& token, Value& out, std::string& error) {
  const char* begin = token.text.data();
  const char* end = begin + token.text.size();
  if (token.kind == TokenKind::Integer) {
    out.kind = Value::Kind::Integer;
    if (*begin == '+') {
      ++begin;
    }
    if (std::from_chars(begin, end, out.integer).ec != std::errc()) {
      return Fail(error, "integer " + std::string(token.text) + " does not fit in 64 bits");
    }
    out.real = static_cast<double>(out.integer);
    return true;
  }
  out.kind = Value::Kind::Real;
  out.text = std::string(token.text);
  out.real = std::strtod(out.text.c_str(), nullptr);  // the lexer has checked the form
  return true;
}

bool ParseItems(Lexer& lexer, std::vector<Value>& items, int depth, std::string& error);

bool ParseAt(Lexer& lexer, const Token& first, Value& out, int depth, std::string& error) {
  out = Value();
  switch (first.kind) {
    case TokenKind::Null:
      return true;
    case TokenKind::Derived:
      out.kind = Value::Kind::Derived;
      return true;
    case TokenKind::Integer:
    case TokenKind::Real:
      return ParseNumber(first, out, error);
    case TokenKind::String:
      out.kind = Value::Kind::String;
      return DecodeString(first.text, out.text, error);
    case TokenKind::Enumeration:
      out.kind = Value::Kind::Enumeration;
      out.text = std::string(first.text.substr(1, first.text.size() - 2));
      return true;
    case TokenKind::Binary:
      out.kind = Value::Kind::Binary;
      out.text = std::string(first.text.substr(1, first.text.size() - 2));
      return true;
    case TokenKind::InstanceName:
      out.kind = Value::Kind::Reference;
      out.reference = InstanceNumberOf(first);
      return true;
    case TokenKind::Error:
      return Fail(error, lexer.Error());
    default:
      break;
  }
  if (depth >= kMaxValueDepth) {
    return Fail(error, "values nested more than " + std::to_string(kMaxValueDepth) + " deep");
  }
  if (first.kind == TokenKind::Open) {
    out.kind = Value::Kind::List;
    return ParseItems(lexer, out.items, depth + 1, error);
  }
  if (first.kind != TokenKind::Keyword) {
    return Fail(error, std::string("a value expected, found ") + Describe(first.kind));
  }
  out.kind = Value::Kind::Typed;
  out.text = std::string(first.text);
  const Token open = lexer.Next();
  if (open.kind != TokenKind::Open) {
    return Fail(error, open.kind == TokenKind::Error ? lexer.Error() : "'(' expected after the type name " + out.text);
  }
  out.items.resize(1);
  if (!ParseAt(lexer, lexer.Next(), out.items[0], depth + 1, error)) {
    return false;
  }
  const Token close = lexer.Next();
  if (close.kind != TokenKind::Close) {
    return Fail(error, close.kind == TokenKind::Error ? lexer.Error()
                                                      : "')' expected: a typed value " + out.text + " holds one value");
  }
  return true;
}

// Parses items up to and including the ')' that closes the list whose '(' was just read.
bool ParseItems(Lexer& lexer, std::vector<Value>& items, int depth, std::string& error) {
  Token token = lexer.Next();
  if (token.kind == TokenKind::Close) {
    return true;
  }
  for (;;) {
    items.emplace_back();
    if (!ParseAt(lexer, token, items.back(), depth, error)) {
      return false;
    }
    token = lexer.Next();
    if (token.kind == TokenKind::Close) {
      return true;
    }
    if (token.kind != TokenKind::Comma) {
      return Fail(error, token.kind == TokenKind::Error
                             ? lexer.Error()
                             : std::string("',' or ')' expected, found ") + Describe(token.kind));
    }
    token = lexer.Next();
  }
}

}  // namespace

bool ParseValue(Lexer& lexer, const Token& first, Value& out, std::string& error) {
  return ParseAt(lexer, first, out, 0, error);
}

bool ParseArgumentList(Lexer& lexer, std::vector<Value>& out, std::string& error) {
  out.clear();
  const Token open = lexer.Next();
  if (open.kind != TokenKind::Open) {
    return Fail(error, open.kind == TokenKind::Error ? lexer.Error() : "'(' expected");
  }
  return ParseItems(lexer, out, 1, error);
}

namespace {

// The offset just past the string, binary or comment that begins at `at`, or npos when it is not
// closed. An escaped quote ('') reads as two strings in a row, which skips the same.
std::size_t SkipQuoted(std::string_view text, std::size_t at) noexcept {
  if (text[at] == '/') {
    const std::size_t close = text.find("*/", at + 2);
    return close == std::string_view::npos ? close : close + 2;
  }
  const std::size_t close = text.find(text[at], at + 1);
  return close == std::string_view::npos ? close : close + 1;
}

// The bytes that matter when crossing arguments: quotes, a comment's '/', parentheses, ',' and ';'.
constexpr std::array<bool, 256> kArgumentBytes = [] {
  std::array<bool, 256> bytes{};
  for (const unsigned char c : {'\'', '"', '/', '(', ')', ',', ';'}) {
    bytes[c] = true;
  }
  return bytes;
}();

bool IsArgumentByte(char c) noexcept {
  return kArgumentBytes[static_cast<unsigned char>(c)];
}

}  // namespace

ArgumentSearch FindArgument(std::string_view text, std::size_t offset, std::size_t slot, std::size_t& at) noexcept {
  // Up to the list's '(' only blanks and comments may come.
  for (at = offset; at < text.size() && text[at] != '('; ++at) {
    if (text[at] == '/' && at + 1 < text.size() && text[at + 1] == '*') {
      at = SkipQuoted(text, at);
      if (at == std::string_view::npos) {
        return ArgumentSearch::NoList;
      }
      --at;
    } else if (text[at] != ' ' && text[at] != '\t' && text[at] != '\r' && text[at] != '\n') {
      return ArgumentSearch::NoList;
    }
  }
  if (at++ >= text.size()) {
    return ArgumentSearch::NoList;
  }
  std::size_t depth = 0;  // of lists and typed values inside the argument list
  std::size_t argument = 0;
  while (argument < slot && at < text.size()) {
    while (at < text.size() && !IsArgumentByte(text[at])) {
      ++at;
    }
    if (at >= text.size()) {
      break;
    }
    const char c = text[at];
    if (c == '\'' || c == '"' || (c == '/' && at + 1 < text.size() && text[at + 1] == '*')) {
      at = SkipQuoted(text, at);
      if (at == std::string_view::npos) {
        break;
      }
      continue;
    }
    ++at;
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth-- == 0) {
        return ArgumentSearch::TooFew;
      }
    } else if (c == ',') {
      argument += depth == 0 ? 1 : 0;
    } else if (c == ';') {
      break;
    }
  }
  return argument == slot ? ArgumentSearch::Found : ArgumentSearch::NotClosed;
}

bool ParseArgument(Lexer& lexer, std::size_t slot, Value& out, std::string& error) {
  error.clear();
  std::size_t at = 0;
  switch (FindArgument(lexer.Text(), lexer.Offset(), slot, at)) {
    case ArgumentSearch::Found:
      break;
    case ArgumentSearch::TooFew:
      return false;
    case ArgumentSearch::NoList:
      return Fail(error, "'(' expected");
    case ArgumentSearch::NotClosed:
      return Fail(error, "the argument list is not closed");
  }
  Lexer argument(lexer.Text(), at, lexer.Line());
  const Token first = argument.Next();
  if (first.kind == TokenKind::Close) {
    return false;  // "()"
  }
  return ParseValue(argument, first, out, error);
}

}  // namespace Ifc
