#include "ifc/step/Value.h"

#include "ifc/unicode/Utf8.h"

namespace Ifc {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendHex(std::string& out, char32_t value, int digits) {
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
    out.push_back(kHex[(value >> shift) & 0xF]);
  }
}

void AppendString(std::string& out, const std::string& text) {
  out.push_back('\'');
  std::size_t at = 0;
  while (at < text.size()) {
    const Utf8::CodePoint decoded = Utf8::Decode(text, at);
    const char32_t point = decoded.value;
    at += decoded.length;
    if (point >= 0x20 && point < 0x7F) {
      out += point == '\'' ? "''" : point == '\\' ? "\\\\" : std::string(1, static_cast<char>(point));
    } else if (point < 0x10000) {
      out += "\\X2\\";
      AppendHex(out, point, 4);
      out += "\\X0\\";
    } else {
      out += "\\X4\\";
      AppendHex(out, point, 8);
      out += "\\X0\\";
    }
  }
  out.push_back('\'');
}

void AppendStep(std::string& out, const Value& value) {
  switch (value.kind) {
    case Value::Kind::Null:
      out += '$';
      break;
    case Value::Kind::Derived:
      out += '*';
      break;
    case Value::Kind::Integer:
      out += std::to_string(value.integer);
      break;
    case Value::Kind::Real:
      out += value.text;
      break;
    case Value::Kind::String:
      AppendString(out, value.text);
      break;
    case Value::Kind::Enumeration:
      out += '.' + value.text + '.';
      break;
    case Value::Kind::Binary:
      out += '"' + value.text + '"';
      break;
    case Value::Kind::Reference:
      out += '#' + std::to_string(value.reference.Value());
      break;
    case Value::Kind::Typed:
    case Value::Kind::List:
      out += value.kind == Value::Kind::Typed ? value.text + '(' : std::string("(");
      for (std::size_t i = 0; i < value.items.size(); ++i) {
        if (i != 0) {
          out += ',';
        }
        AppendStep(out, value.items[i]);
      }
      out += ')';
      break;
  }
}

}  // namespace

const Value& Value::Unwrapped() const noexcept {
  const Value* value = this;
  while (value->kind == Kind::Typed && !value->items.empty()) {
    value = &value->items.front();
  }
  return *value;
}

std::string Value::ToStep() const {
  std::string out;
  AppendStep(out, *this);
  return out;
}

}  // namespace Ifc
