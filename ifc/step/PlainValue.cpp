#include "ifc/step/PlainValue.h"

#include <charconv>

namespace Ifc {

namespace {

bool IsDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}

bool IsUpperWordByte(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '_';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) noexcept {
  while (at < text.size() && IsDigit(text[at])) {
    ++at;
  }
  return at;
}

// A string of printable ASCII without escapes or doubled quotes at `at` (its quote).
bool ReadString(std::string_view text, std::size_t at, PlainValue& out) noexcept {
  std::size_t end = at + 1;
  for (; end < text.size() && text[end] != '\''; ++end) {
    const auto c = static_cast<unsigned char>(text[end]);
    if (c < 0x20 || c >= 0x7F || c == '\\') {
      return false;
    }
  }
  if (end + 1 >= text.size() || text[end + 1] == '\'') {
    return false;  // not closed, or a doubled quote
  }
  out.kind = PlainValue::Kind::String;
  out.text = text.substr(at + 1, end - at - 1);
  out.end = end + 1;
  return true;
}

bool ReadEnumeration(std::string_view text, std::size_t at, PlainValue& out) noexcept {
  std::size_t end = at + 1;
  while (end < text.size() && IsUpperWordByte(text[end])) {
    ++end;
  }
  if (end == at + 1 || end >= text.size() || text[end] != '.') {
    return false;
  }
  out.kind = PlainValue::Kind::Enumeration;
  out.text = text.substr(at + 1, end - at - 1);
  out.end = end + 1;
  return true;
}

bool ReadReference(std::string_view text, std::size_t at, PlainValue& out) noexcept {
  const std::size_t end = SkipDigits(text, at + 1);
  if (end == at + 1 || end - at - 1 > 18 || text[at + 1] == '0') {
    return false;
  }
  out.reference = 0;
  for (std::size_t i = at + 1; i < end; ++i) {
    out.reference = out.reference * 10 + static_cast<unsigned>(text[i] - '0');
  }
  out.kind = PlainValue::Kind::Reference;
  out.end = end;
  return true;
}

// A number in the lexer's form: digits with a sign, then for a real a '.', digits and an exponent.
bool ReadNumber(std::string_view text, std::size_t at, PlainValue& out) noexcept {
  const std::size_t digits = at + (text[at] == '+' || text[at] == '-' ? 1 : 0);
  std::size_t end = SkipDigits(text, digits);
  if (end == digits || end - digits > 18 || end >= text.size()) {
    return false;
  }
  if (text[end] != '.') {
    const char* first = text.data() + (text[at] == '+' ? at + 1 : at);
    if (std::from_chars(first, text.data() + end, out.integer).ec != std::errc()) {
      return false;
    }
    out.kind = PlainValue::Kind::Integer;
  } else {
    end = SkipDigits(text, end + 1);
    if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
      ++end;
      end += end < text.size() && (text[end] == '+' || text[end] == '-') ? 1 : 0;
      const std::size_t exponent = end;
      end = SkipDigits(text, end);
      if (end == exponent) {
        return false;
      }
    }
    out.kind = PlainValue::Kind::Real;
  }
  out.text = text.substr(at, end - at);
  out.end = end;
  return true;
}

bool ReadSimple(std::string_view text, std::size_t at, PlainValue& out) noexcept {
  switch (text[at]) {
    case '$':
    case '*':
      out.kind = text[at] == '$' ? PlainValue::Kind::Null : PlainValue::Kind::Derived;
      out.end = at + 1;
      return true;
    case '\'':
      return ReadString(text, at, out);
    case '.':
      return ReadEnumeration(text, at, out);
    case '#':
      return ReadReference(text, at, out);
    default:
      return (IsDigit(text[at]) || text[at] == '-' || text[at] == '+') && ReadNumber(text, at, out);
  }
}

}  // namespace

bool ReadPlainValue(std::string_view text, std::size_t at, PlainValue& out) noexcept {
  out = PlainValue();
  if (at >= text.size()) {
    return false;
  }
  std::size_t inner = at;
  if (text[at] >= 'A' && text[at] <= 'Z') {
    while (inner < text.size() && IsUpperWordByte(text[inner])) {
      ++inner;
    }
    if (inner + 1 >= text.size() || text[inner] != '(') {
      return false;
    }
    out.type = text.substr(at, inner - at);
    ++inner;
  }
  if (!ReadSimple(text, inner, out)) {
    return false;
  }
  if (!out.type.empty()) {
    if (out.end >= text.size() || text[out.end] != ')') {
      return false;
    }
    ++out.end;
  }
  return out.end < text.size() && (text[out.end] == ',' || text[out.end] == ')');
}

}  // namespace Ifc
