#include "exporter/merge/ValueRules.h"

#include <charconv>

#include "IPL/IFCType.h"
#include "ifc/text/RealText.h"

namespace Exporter {

namespace {

// Reads a number at the front of `text`; advances past it.
std::optional<double> ReadNumber(std::string_view& text) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr == text.data()) {
    return std::nullopt;
  }
  text.remove_prefix(static_cast<std::size_t>(result.ptr - text.data()));
  return value;
}

// Reads "<", "<=", ">" or ">=" at the front of `text`; '\0' when none.
char ReadComparison(std::string_view& text, bool& orEqual) {
  if (text.empty() || (text[0] != '<' && text[0] != '>')) {
    return '\0';
  }
  const char comparison = text[0];
  orEqual = text.size() > 1 && text[1] == '=';
  text.remove_prefix(orEqual ? 2 : 1);
  return comparison;
}

std::string NumberText(double value) {
  std::string out;
  AppendRealText(out, value);
  if (out.size() > 1 && out.back() == '.') {
    out.pop_back();
  }
  return out;
}

std::size_t CodePoints(std::u16string_view units) noexcept {
  std::size_t count = 0;
  for (const char16_t unit : units) {
    count += unit >= 0xDC00 && unit < 0xE000 ? 0 : 1;  // the second half of a pair adds nothing
  }
  return count;
}

}  // namespace

bool NumericRule::Allows(double x) const noexcept {
  if (lower && (lowerClosed ? x < *lower : x <= *lower)) {
    return false;
  }
  return !(upper && (upperClosed ? x > *upper : x >= *upper));
}

std::string NumericRule::Text() const {
  if (lower && !upper) {
    return std::string(lowerClosed ? "x>=" : "x>") + NumberText(*lower);
  }
  std::string text;
  if (lower) {
    text += NumberText(*lower) + (lowerClosed ? "<=" : "<");
  }
  text += "x";
  if (upper) {
    text += std::string(upperClosed ? "<=" : "<") + NumberText(*upper);
  }
  return text;
}

std::optional<NumericRule> ParseNumericRule(std::string_view text) {
  NumericRule rule;
  // "a<x", "a<=x" first, when the text opens with a number.
  if (!text.empty() && text[0] != 'x') {
    const std::optional<double> lower = ReadNumber(text);
    bool orEqual = false;
    if (!lower || ReadComparison(text, orEqual) != '<') {
      return std::nullopt;
    }
    rule.lower = lower;
    rule.lowerClosed = orEqual;
  }
  if (text.empty() || text[0] != 'x') {
    return std::nullopt;
  }
  text.remove_prefix(1);
  bool orEqual = false;
  const char comparison = ReadComparison(text, orEqual);
  if (comparison != '\0') {
    const std::optional<double> bound = ReadNumber(text);
    if (!bound || (comparison == '>' && rule.lower)) {
      return std::nullopt;
    }
    if (comparison == '>') {
      rule.lower = bound;
      rule.lowerClosed = orEqual;
    } else {
      rule.upper = bound;
      rule.upperClosed = orEqual;
    }
  }
  if (!text.empty() || (!rule.lower && !rule.upper)) {
    return std::nullopt;
  }
  return rule;
}

std::optional<NumericRule> RuleOf(const Ifc::Schema& schema, std::string_view definedType) {
  const Ifc::DefinedTypeDef* def = schema.FindDefinedType(definedType);
  if (def == nullptr || def->rule == nullptr || def->rule[0] == '\0') {
    return std::nullopt;
  }
  return ParseNumericRule(def->rule);
}

std::size_t WidthOf(const Ifc::Schema& schema, std::string_view definedType) {
  const Ifc::DefinedTypeDef* def = schema.FindDefinedType(definedType);
  return def != nullptr ? def->maxLength : 0;
}

std::string ValueProblem(const Ifc::Schema& schema, const IPL::Value& value) {
  if (!value.HasValue()) {
    return std::string();
  }
  const std::string_view type = IPL::GetIFCTypeName(value.GetIFCType());
  const Ifc::DefinedTypeDef* def = schema.FindDefinedType(type);
  if (def == nullptr || !def->isValue) {
    return std::string(type) + " is no value type of " + std::string(Ifc::SchemaName(schema.Version()));
  }
  switch (value.GetValueType()) {
    case IPL::AnyValue::String: {
      const std::size_t length = CodePoints(value.GetString().GetCodeUnits());
      const std::size_t width = WidthOf(schema, type);
      if (width != 0 && length > width) {
        return "a text of " + std::to_string(length) + " characters is longer than " + std::string(type) + " allows (" +
               std::to_string(width) + ")";
      }
      return std::string();
    }
    case IPL::AnyValue::Real:
    case IPL::AnyValue::Integer: {
      const std::optional<NumericRule> rule = RuleOf(schema, type);
      const double x =
          value.GetValueType() == IPL::AnyValue::Real ? value.GetReal() : static_cast<double>(value.GetInteger());
      if (rule && !rule->Allows(x)) {
        return std::string(type) + " " + NumberText(x) + " breaks its rule " + rule->Text();
      }
      return std::string();
    }
    default:
      return std::string();
  }
}

bool IsAllowedValue(const IPL::Value& value, const KT::Array<IPL::Value>& allowed) {
  for (const IPL::Value& candidate : allowed) {
    if (candidate == value) {
      return true;
    }
  }
  return false;
}

}  // namespace Exporter
