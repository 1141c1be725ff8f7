#include "exporter/lookup/StepValueText.h"

#include <cstddef>
#include <utility>

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

}  // namespace Exporter
