#include "exporter/lookup/StepValueText.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace Exporter {

namespace {

using Ifc::Value;

bool IsDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}

bool IsUpperWordByte(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '_';
}

// The text of a plain string at `at` (its quote) and `at` moved past it; false for a string with
// bytes other than printable ASCII or with escapes. A doubled quote ends it here, and the caller
// finds no ',' or ')' after it.
bool ReadPlainString(std::string_view text, std::size_t& at, std::string& out) {
  std::size_t end = at + 1;
  for (; end < text.size() && text[end] != '\''; ++end) {
    const auto c = static_cast<unsigned char>(text[end]);
    if (c < 0x20 || c >= 0x7F || c == '\\') {
      return false;
    }
  }
  if (end >= text.size()) {
    return false;  // not closed
  }
  out.assign(text.data() + at + 1, end - at - 1);
  at = end + 1;
  return true;
}

// The text of a plain number at `at` and `at` moved past it: an integer as ValueText writes it, a
// real as written. False for a form the lexer refuses or reads otherwise.
bool ReadPlainNumber(std::string_view text, std::size_t& at, std::string& out) {
  std::size_t end = at + (text[at] == '+' || text[at] == '-' ? 1 : 0);
  const std::size_t digits = end;
  while (end < text.size() && IsDigit(text[end])) {
    ++end;
  }
  if (end == digits || end - digits > 18 || end >= text.size()) {
    return false;
  }
  if (text[end] != '.') {
    std::int64_t integer = 0;
    const char* first = text.data() + (text[at] == '+' ? at + 1 : at);
    if (std::from_chars(first, text.data() + end, integer).ec != std::errc()) {
      return false;
    }
    out = std::to_string(integer);
    at = end;
    return true;
  }
  ++end;
  while (end < text.size() && IsDigit(text[end])) {
    ++end;
  }
  if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
    ++end;
    end += end < text.size() && (text[end] == '+' || text[end] == '-') ? 1 : 0;
    const std::size_t exponent = end;
    while (end < text.size() && IsDigit(text[end])) {
      ++end;
    }
    if (end == exponent) {
      return false;
    }
  }
  out.assign(text.data() + at, end - at);
  at = end;
  return true;
}

// The text ValueText gives for a plain simple value at `at` (not a typed one), `at` moved past it;
// `set` false for $ and *. False when the value is not plain.
bool ReadPlainSimple(std::string_view text, std::size_t& at, std::string& out, bool& set) {
  const char first = text[at];
  set = first != '$' && first != '*';
  if (!set) {
    ++at;
    return true;
  }
  if (first == '\'') {
    return ReadPlainString(text, at, out);
  }
  if (first == '.') {
    std::size_t end = at + 1;
    while (end < text.size() && IsUpperWordByte(text[end])) {
      ++end;
    }
    if (end == at + 1 || end >= text.size() || text[end] != '.') {
      return false;
    }
    const std::string_view name = text.substr(at + 1, end - at - 1);
    out = name == "T" ? "TRUE" : name == "F" ? "FALSE" : name == "U" ? "UNKNOWN" : std::string(name);
    at = end + 1;
    return true;
  }
  if (first == '#') {
    std::size_t end = at + 1;
    while (end < text.size() && IsDigit(text[end])) {
      ++end;
    }
    if (end == at + 1 || end - at - 1 > 18 || text[at + 1] == '0') {
      return false;
    }
    out.assign(text.data() + at, end - at);
    at = end;
    return true;
  }
  return (IsDigit(first) || first == '-' || first == '+') && ReadPlainNumber(text, at, out);
}

}  // namespace

std::optional<std::string> ValueText(const Value& value) {
  switch (value.kind) {
    case Value::Kind::Null:
    case Value::Kind::Derived:
      return std::nullopt;
    case Value::Kind::Integer:
      return std::to_string(value.integer);
    case Value::Kind::Enumeration:
      if (value.text == "T" || value.text == "F" || value.text == "U") {
        return std::string(value.text == "T" ? "TRUE" : value.text == "F" ? "FALSE" : "UNKNOWN");
      }
      return value.text;
    case Value::Kind::Reference:
      return "#" + std::to_string(value.reference.Value());
    case Value::Kind::Typed:
      return value.items.empty() ? std::nullopt : ValueText(value.items.front());
    case Value::Kind::List: {
      std::string joined;
      for (std::size_t i = 0; i < value.items.size(); ++i) {
        joined += (i == 0 ? "" : ", ") + ValueText(value.items[i]).value_or(std::string());
      }
      return joined;
    }
    default:  // Real, String, Binary: the text as read
      return value.text;
  }
}

std::optional<std::string> TakeValueText(Value& value) {
  switch (value.kind) {
    case Value::Kind::String:
    case Value::Kind::Real:
    case Value::Kind::Binary:
      return std::move(value.text);
    case Value::Kind::Typed:
      return value.items.empty() ? std::nullopt : TakeValueText(value.items.front());
    default:
      return ValueText(value);
  }
}

std::optional<TypedText> SplitTyped(const Value& value, const Ifc::Schema& schema) {
  std::optional<std::string> text = ValueText(value);
  if (!text) {
    return std::nullopt;
  }
  std::string type;
  if (value.kind == Value::Kind::Typed) {
    // As the schema spells it; a name the schema does not know as written.
    const Ifc::DefinedTypeDef* defined = schema.FindDefinedType(value.text);
    type = defined != nullptr ? std::string(defined->name) : value.text;
  }
  return TypedText{std::move(type), std::move(*text)};
}

PlainTyped ReadPlainTyped(std::string_view text, std::size_t at, const Ifc::Schema& schema) {
  PlainTyped result;
  if (at >= text.size()) {
    return result;
  }
  std::size_t end = at;
  std::string type;
  if (text[at] >= 'A' && text[at] <= 'Z') {
    while (end < text.size() && IsUpperWordByte(text[end])) {
      ++end;
    }
    if (end + 1 >= text.size() || text[end] != '(') {
      return result;
    }
    const std::string_view written = text.substr(at, end - at);
    const Ifc::DefinedTypeDef* defined = schema.FindDefinedType(written);
    type = defined != nullptr ? std::string(defined->name) : std::string(written);
    ++end;
  }
  std::string value;
  bool set = false;
  if (!ReadPlainSimple(text, end, value, set)) {
    return result;
  }
  if (!type.empty()) {
    if (!set || end >= text.size() || text[end] != ')') {
      return result;  // a typed $ is no plain value
    }
    ++end;
  }
  if (end >= text.size() || (text[end] != ',' && text[end] != ')')) {
    return result;
  }
  result.plain = true;
  if (set) {
    result.typed = TypedText{std::move(type), std::move(value)};
  }
  return result;
}

bool ReadPlainReferences(std::string_view text, std::size_t at, std::vector<Ifc::InstanceNumber>& out) {
  if (at + 1 >= text.size() || text[at] != '(') {
    return false;
  }
  const std::size_t before = out.size();
  std::size_t end = at + 1;
  while (text[end] != ')') {
    std::size_t digits = end + 1;
    std::uint64_t number = 0;
    for (end = digits; end < text.size() && IsDigit(text[end]); ++end) {
      number = number * 10 + static_cast<unsigned>(text[end] - '0');
    }
    const bool reference = text[digits - 1] == '#' && end > digits && end - digits <= 18 && text[digits] != '0';
    if (!reference || end + 1 >= text.size() || (text[end] != ',' && text[end] != ')') ||
        (text[end] == ',' && text[end + 1] != '#')) {
      out.resize(before);
      return false;
    }
    out.emplace_back(number);
    end += text[end] == ',' ? 1 : 0;
  }
  if (end + 1 >= text.size() || (text[end + 1] != ',' && text[end + 1] != ')')) {
    out.resize(before);
    return false;
  }
  return true;
}

}  // namespace Exporter
