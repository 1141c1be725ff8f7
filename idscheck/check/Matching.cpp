#include "idscheck/check/Matching.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

#include "idscheck/check/Tolerance.h"
#include "idscheck/check/XmlRegex.h"
#include "ifc/unicode/Utf8.h"

namespace Ids {

namespace {

bool IsDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}

// Counts digits from `at`; advances past them.
std::size_t Digits(std::string_view text, std::size_t& at) noexcept {
  const std::size_t start = at;
  while (at < text.size() && IsDigit(text[at])) {
    ++at;
  }
  return at - start;
}

bool IsTextual(const ModelValue& value) noexcept {
  return value.kind == ModelValue::Kind::String || value.kind == ModelValue::Kind::Enumeration ||
         value.kind == ModelValue::Kind::Binary;
}

bool NumberOf(const ModelValue& value, double& number) noexcept {
  if (value.kind == ModelValue::Kind::Real) {
    number = value.real;
    return true;
  }
  if (value.kind == ModelValue::Kind::Integer) {
    number = static_cast<double>(value.integer);
    return true;
  }
  return false;
}

bool MatchesSimple(std::string_view ids, const ModelValue& value) {
  switch (value.kind) {
    case ModelValue::Kind::String:
    case ModelValue::Kind::Enumeration:
    case ModelValue::Kind::Binary:
      return ids == value.text;
    case ModelValue::Kind::Integer: {
      // An integer is met by an xs:integer only: "42.0" and "4.2e1" are reals, whatever their value.
      std::int64_t integer = 0;
      return ParseXsInteger(ids, integer) && integer == value.integer;
    }
    case ModelValue::Kind::Real: {
      double number = 0.0;
      return ParseXsDouble(ids, number) && RealEquals(number, value.real);
    }
    case ModelValue::Kind::Boolean: {
      bool boolean = false;
      return ParseXsBoolean(ids, boolean) && boolean == value.boolean;
    }
    default:
      return false;  // unknown logicals, references, lists and unset values meet no value
  }
}

bool MeetsBounds(const Restriction& restriction, double number) noexcept {
  if (restriction.minInclusive && !AboveMinInclusive(*restriction.minInclusive, number)) {
    return false;
  }
  if (restriction.minExclusive && !AboveMinExclusive(*restriction.minExclusive, number)) {
    return false;
  }
  if (restriction.maxInclusive && !BelowMaxInclusive(*restriction.maxInclusive, number)) {
    return false;
  }
  if (restriction.maxExclusive && !BelowMaxExclusive(*restriction.maxExclusive, number)) {
    return false;
  }
  return true;
}

bool HasBounds(const Restriction& restriction) noexcept {
  return restriction.minInclusive || restriction.minExclusive || restriction.maxInclusive || restriction.maxExclusive;
}

// Patterns are alternatives: one match is enough; none matching with one not checked is not checked.
MatchOutcome MatchesPatterns(const Restriction& restriction, const ModelValue& value) {
  if (!IsTextual(value)) {
    return MatchOutcome::Of(false);
  }
  MatchOutcome outcome = MatchOutcome::Of(false);
  for (const XmlRegex& pattern : restriction.patterns) {
    MatchOutcome one = pattern.Match(value.text);
    if (one.Matched()) {
      return one;
    }
    if (outcome.Checked()) {
      outcome = std::move(one);
    }
  }
  return outcome;
}

bool MeetsLengths(const Restriction& restriction, const ModelValue& value) {
  if (!restriction.length && !restriction.minLength && !restriction.maxLength) {
    return true;
  }
  if (!IsTextual(value)) {
    return false;
  }
  const std::size_t length = Ifc::Utf8::CountCodePoints(value.text);
  return !((restriction.length && length != *restriction.length) ||
           (restriction.minLength && length < *restriction.minLength) ||
           (restriction.maxLength && length > *restriction.maxLength));
}

MatchOutcome MatchesRestriction(const Restriction& restriction, const ModelValue& value) {
  if (!restriction.enumerations.empty()) {
    bool any = false;
    for (const std::string& option : restriction.enumerations) {
      any = any || MatchesSimple(option, value);
    }
    if (!any) {
      return MatchOutcome::Of(false);
    }
  }
  if (HasBounds(restriction)) {
    double number = 0.0;
    if (!NumberOf(value, number) || !MeetsBounds(restriction, number)) {
      return MatchOutcome::Of(false);
    }
  }
  if (!MeetsLengths(restriction, value)) {
    return MatchOutcome::Of(false);
  }
  if (restriction.patterns.empty()) {
    return MatchOutcome::Of(true);
  }
  return MatchesPatterns(restriction, value);
}

std::string FormatNumber(double number) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", number);
  return buffer;
}

}  // namespace

MatchOutcome Matches(const ValueConstraint& constraint, const ModelValue& value) {
  const ModelValue& inner = value.Unwrapped();
  switch (constraint.kind) {
    case ValueConstraint::Kind::Absent:
      return MatchOutcome::Of(true);
    case ValueConstraint::Kind::Simple:
      return MatchOutcome::Of(MatchesSimple(constraint.simple, inner));
    case ValueConstraint::Kind::Restricted:
      return MatchesRestriction(constraint.restriction, inner);
  }
  return MatchOutcome::Of(false);
}

MatchOutcome MatchesText(const ValueConstraint& constraint, std::string_view text) {
  // Set and property names are mostly asked for as they are: compared without building a value.
  if (constraint.kind == ValueConstraint::Kind::Simple) {
    return MatchOutcome::Of(constraint.simple == text);
  }
  if (constraint.kind == ValueConstraint::Kind::Absent) {
    return MatchOutcome::Of(true);
  }
  return Matches(constraint, ModelValue::String(std::string(text)));
}

bool ParseXsDouble(std::string_view text, double& value) noexcept {
  if (text == "INF" || text == "+INF") {
    value = std::numeric_limits<double>::infinity();
    return true;
  }
  if (text == "-INF") {
    value = -std::numeric_limits<double>::infinity();
    return true;
  }
  if (text == "NaN") {
    value = std::numeric_limits<double>::quiet_NaN();
    return true;
  }
  // [-+]? digits ('.' digits?)? or '.' digits, then an optional exponent.
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    ++at;
  }
  std::size_t mantissa = Digits(text, at);
  if (at < text.size() && text[at] == '.') {
    ++at;
    mantissa += Digits(text, at);
  }
  if (mantissa == 0) {
    return false;
  }
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
      ++at;
    }
    if (Digits(text, at) == 0) {
      return false;
    }
  }
  if (at != text.size()) {
    return false;
  }
  const std::size_t skip = text[0] == '+' ? 1 : 0;
  std::string normalized(text.substr(skip));
  if (!normalized.empty() && normalized.back() == '.') {
    normalized.push_back('0');  // "1." reads as 1.0
  }
  const auto result = std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
  return result.ec == std::errc() || result.ec == std::errc::result_out_of_range;
}

bool ParseXsInteger(std::string_view text, std::int64_t& value) noexcept {
  std::size_t at = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    ++at;
  }
  const std::size_t start = at;
  if (Digits(text, at) == 0 || at != text.size()) {
    return false;
  }
  std::uint64_t magnitude = 0;
  const auto result = std::from_chars(text.data() + start, text.data() + text.size(), magnitude);
  if (result.ec != std::errc() || magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
    return false;
  }
  value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  return true;
}

bool ParseXsBoolean(std::string_view text, bool& value) noexcept {
  if (text == "true" || text == "1") {
    value = true;
    return true;
  }
  if (text == "false" || text == "0") {
    value = false;
    return true;
  }
  return false;
}

namespace {

// "\d{n}" at `at`, advancing.
bool FixedDigits(std::string_view text, std::size_t& at, std::size_t count) noexcept {
  std::size_t end = at;
  return Digits(text, end) == count && (at = end, true);
}

bool TimeZone(std::string_view text, std::size_t& at) noexcept {
  if (at < text.size() && text[at] == 'Z') {
    ++at;
    return true;
  }
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    ++at;
    return FixedDigits(text, at, 2) && at < text.size() && text[at++] == ':' && FixedDigits(text, at, 2);
  }
  return true;
}

bool DatePart(std::string_view text, std::size_t& at) noexcept {
  return FixedDigits(text, at, 4) && at < text.size() && text[at++] == '-' && FixedDigits(text, at, 2) &&
         at < text.size() && text[at++] == '-' && FixedDigits(text, at, 2);
}

bool TimePart(std::string_view text, std::size_t& at) noexcept {
  if (!(FixedDigits(text, at, 2) && at < text.size() && text[at++] == ':' && FixedDigits(text, at, 2) &&
        at < text.size() && text[at++] == ':' && FixedDigits(text, at, 2))) {
    return false;
  }
  if (at < text.size() && text[at] == '.') {
    ++at;
    if (Digits(text, at) == 0) {
      return false;
    }
  }
  return true;
}

bool IsDuration(std::string_view text) noexcept {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    ++at;
  }
  if (at >= text.size() || text[at++] != 'P') {
    return false;
  }
  bool inTime = false;
  const char* designators = "YMD";
  while (at < text.size()) {
    if (!inTime && text[at] == 'T') {
      inTime = true;
      designators = "HMS";
      ++at;
      continue;
    }
    if (Digits(text, at) == 0 || at >= text.size()) {
      return false;
    }
    const char* found = designators;
    while (*found != '\0' && *found != text[at]) {
      ++found;
    }
    if (*found == '\0') {
      return false;
    }
    designators = found + 1;  // each designator once, in order
    ++at;
  }
  return true;
}

}  // namespace

bool IsLexicallyValid(std::string_view base, std::string_view text) {
  std::size_t at = 0;
  if (base == "xs:double" || base == "xs:decimal" || base == "xs:float") {
    double ignored = 0.0;
    return ParseXsDouble(text, ignored);
  }
  if (base == "xs:integer") {
    std::int64_t ignored = 0;
    return ParseXsInteger(text, ignored);
  }
  if (base == "xs:boolean") {
    bool ignored = false;
    return ParseXsBoolean(text, ignored);
  }
  if (base == "xs:date") {
    return DatePart(text, at) && TimeZone(text, at) && at == text.size();
  }
  if (base == "xs:dateTime") {
    return DatePart(text, at) && at < text.size() && text[at++] == 'T' && TimePart(text, at) && TimeZone(text, at) &&
           at == text.size();
  }
  if (base == "xs:time") {
    return TimePart(text, at) && TimeZone(text, at) && at == text.size();
  }
  if (base == "xs:duration") {
    return IsDuration(text);
  }
  return true;
}

std::string DescribeValue(const ModelValue& value) {
  switch (value.kind) {
    case ModelValue::Kind::Null:
      return "null";
    case ModelValue::Kind::Derived:
      return "derived (*)";
    case ModelValue::Kind::Boolean:
      return value.boolean ? ".T." : ".F.";
    case ModelValue::Kind::Logical:
      return ".U.";
    case ModelValue::Kind::Integer:
      return std::to_string(value.integer);
    case ModelValue::Kind::Real:
      return FormatNumber(value.real);
    case ModelValue::Kind::String:
      return "'" + value.text + "'";
    case ModelValue::Kind::Enumeration:
      return "." + value.text + ".";
    case ModelValue::Kind::Binary:
      return "\"" + value.text + "\"";
    case ModelValue::Kind::Reference:
      return "#" + std::to_string(value.reference.Value());
    case ModelValue::Kind::List: {
      std::string text = "(";
      for (std::size_t i = 0; i < value.items.size(); ++i) {
        text += (i ? "," : "") + DescribeValue(value.items[i]);
      }
      return text + ")";
    }
    case ModelValue::Kind::Typed:
      return value.text + "(" + (value.items.empty() ? std::string() : DescribeValue(value.items.front())) + ")";
  }
  return "?";
}

}  // namespace Ids
