#include "StepValueText.h"

#include <cctype>
#include <cstddef>
#include <unordered_map>
#include <utility>

#include "KT/UniString.h"
#include "Schema.h"
#include "StepText.h"

namespace Exporter {

namespace {

// The schema's spelling of a defined type written in upper case, or the written name itself.
std::string TypeName(std::string_view upperName) {
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
  const auto found = spellings.find(std::string(upperName));
  return std::string(found != spellings.end() ? found->second : upperName);
}

}  // namespace

std::optional<std::string> StepValueText(std::string_view token) {
  if (token.empty() || token == "$" || token == "*") {
    return std::nullopt;
  }
  if (token.front() == '\'') {
    const std::optional<std::u16string> units = DecodeStepString(token);
    if (!units) {
      return std::nullopt;
    }
    return KT::UniString(*units).ToUTF8();
  }
  if (token.size() >= 2 && token.front() == '.' && token.back() == '.') {
    const std::string_view name = token.substr(1, token.size() - 2);
    if (name == "T") {
      return std::string("TRUE");
    }
    if (name == "F") {
      return std::string("FALSE");
    }
    if (name == "U") {
      return std::string("UNKNOWN");
    }
    return std::string(name);
  }
  if (token.size() >= 2 && token.front() == '"' && token.back() == '"') {
    return std::string(token.substr(1, token.size() - 2));
  }
  return std::string(token);
}

std::optional<TypedText> SplitTypedValue(std::string_view token) {
  const std::size_t open = token.find('(');
  const bool typed = open != std::string_view::npos && open > 0 && token.back() == ')' &&
                     std::isalpha(static_cast<unsigned char>(token.front())) != 0;
  if (!typed) {
    std::optional<std::string> text = StepValueText(token);
    if (!text) {
      return std::nullopt;
    }
    return TypedText{std::string(), std::move(*text)};
  }
  std::optional<std::string> text = StepValueText(token.substr(open + 1, token.size() - open - 2));
  if (!text) {
    return std::nullopt;
  }
  return TypedText{TypeName(token.substr(0, open)), std::move(*text)};
}

}  // namespace Exporter
