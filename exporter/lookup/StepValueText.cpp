#include "exporter/lookup/StepValueText.h"

#include <cstddef>
#include <utility>

#include "ifc/step/PlainValue.h"

namespace Exporter {

namespace {

using Ifc::Value;

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
  Ifc::PlainValue plain;
  PlainTyped result;
  if (!Ifc::ReadPlainValue(text, at, plain)) {
    return result;
  }
  using Kind = Ifc::PlainValue::Kind;
  const bool set = plain.kind != Kind::Null && plain.kind != Kind::Derived;
  if (!plain.type.empty() && !set) {
    return result;  // a typed $ is left to the parser
  }
  result.plain = true;
  if (!set) {
    return result;
  }
  std::string value;
  switch (plain.kind) {
    case Kind::Enumeration:
      value = plain.text == "T"   ? "TRUE"
              : plain.text == "F" ? "FALSE"
              : plain.text == "U" ? "UNKNOWN"
                                  : std::string(plain.text);
      break;
    case Kind::Integer:
      value = std::to_string(plain.integer);
      break;
    case Kind::Reference:
      value = "#" + std::to_string(plain.reference);
      break;
    default:  // a string, a real: as written
      value = std::string(plain.text);
      break;
  }
  std::string type;
  if (!plain.type.empty()) {
    const Ifc::DefinedTypeDef* defined = schema.FindDefinedType(plain.type);
    type = defined != nullptr ? std::string(defined->name) : std::string(plain.type);
  }
  result.typed = TypedText{std::move(type), std::move(value)};
  return result;
}

bool ReadPlainReferences(std::string_view text, std::size_t at, std::vector<Ifc::InstanceNumber>& out) {
  if (at + 1 >= text.size() || text[at] != '(') {
    return false;
  }
  const std::size_t before = out.size();
  std::size_t end = at + 1;
  Ifc::PlainValue item;
  while (text[end] != ')') {
    if (!Ifc::ReadPlainValue(text, end, item) || item.kind != Ifc::PlainValue::Kind::Reference || !item.type.empty() ||
        (text[item.end] == ',' && (item.end + 1 >= text.size() || text[item.end + 1] != '#'))) {
      out.resize(before);
      return false;
    }
    out.emplace_back(item.reference);
    end = item.end + (text[item.end] == ',' ? 1 : 0);
  }
  if (end + 1 >= text.size() || (text[end + 1] != ',' && text[end + 1] != ')')) {
    out.resize(before);
    return false;
  }
  return true;
}

}  // namespace Exporter
