#include "StepValueText.h"

#include <cctype>
#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "Schema.h"

namespace Exporter {

namespace {

using IfcReader::Value;

// The schema's spelling of a defined type written in upper case, or the written name itself.
std::string TypeName(const std::string& upperName) {
  static const std::unordered_map<std::string, std::string_view> spellings = [] {
    std::unordered_map<std::string, std::string_view> names;
    for (std::size_t i = 0; i < Schema::ValueTypeCount; ++i) {
      std::string upper(Schema::ValueTypes[i].name);
      for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      }
      names.emplace(std::move(upper), Schema::ValueTypes[i].name);
    }
    return names;
  }();
  const auto found = spellings.find(upperName);
  return found != spellings.end() ? std::string(found->second) : upperName;
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

std::optional<TypedText> SplitTyped(const Value& value) {
  std::optional<std::string> text = ValueText(value);
  if (!text) {
    return std::nullopt;
  }
  return TypedText{value.kind == Value::Kind::Typed ? TypeName(value.text) : std::string(), std::move(*text)};
}

}  // namespace Exporter
