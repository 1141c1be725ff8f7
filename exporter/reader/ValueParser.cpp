#include "ValueParser.h"

#include <charconv>
#include <cstdlib>

#include "StringDecoding.h"

namespace IfcReader {

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
  if (depth >= MaxValueDepth) {
    return Fail(error, "values nested more than " + std::to_string(MaxValueDepth) + " deep");
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

bool ParseArgument(Lexer& lexer, std::size_t slot, Value& out, std::string& error) {
  error.clear();
  if (lexer.Next().kind != TokenKind::Open) {
    return Fail(error, "'(' expected");
  }
  int depth = 0;
  std::size_t argument = 0;
  for (Token token = lexer.Next();; token = lexer.Next()) {
    if (depth == 0 && argument == slot && token.kind != TokenKind::Close) {
      return ParseValue(lexer, token, out, error);
    }
    switch (token.kind) {
      case TokenKind::Open:
        ++depth;
        break;
      case TokenKind::Close:
        if (depth-- == 0) {
          return false;  // fewer arguments
        }
        break;
      case TokenKind::Comma:
        argument += depth == 0 ? 1 : 0;
        break;
      case TokenKind::Error:
        return Fail(error, lexer.Error());
      case TokenKind::End:
      case TokenKind::Semicolon:
        return Fail(error, "the argument list is not closed");
      default:
        break;
    }
  }
}

}  // namespace IfcReader
