#include "ifc/text/StepText.h"

#include <algorithm>
#include <charconv>

#include "ifc/step/Lexer.h"
#include "ifc/step/StringDecoding.h"
#include "ifc/text/RealText.h"
#include "ifc/unicode/Utf8.h"

namespace Exporter {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool IsBlank(char c) noexcept {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) noexcept {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// True when `units[i]` starts a well-formed surrogate pair.
bool IsPairAt(std::u16string_view units, std::size_t i) noexcept {
  return units[i] >= 0xD800 && units[i] < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
         units[i + 1] < 0xE000;
}

// Appends `value` as `count` upper-case hex digits.
void AppendHex(std::string& out, unsigned long value, int count) {
  for (int shift = 4 * (count - 1); shift >= 0; shift -= 4) {
    out.push_back(kHex[(value >> shift) & 0xF]);
  }
}

}  // namespace

void AppendStepString(std::string& out, std::u16string_view units) {
  out.push_back('\'');
  std::size_t i = 0;
  while (i < units.size()) {
    const char16_t c = units[i];
    if (c >= 0x20 && c < 0x7F) {
      if (c == '\'') {
        out += "''";
      } else if (c == '\\') {
        out += "\\\\";
      } else {
        out.push_back(static_cast<char>(c));
      }
      ++i;
      continue;
    }
    // Characters outside printable ASCII go in runs: those of the Basic Multilingual Plane as four
    // hex digits in \X2\, those beyond it (a surrogate pair here) as eight in \X4\. A lone
    // surrogate has no code point of its own and keeps its unit in \X2\.
    const bool astral = IsPairAt(units, i);
    out += astral ? "\\X4\\" : "\\X2\\";
    while (i < units.size() && !(units[i] >= 0x20 && units[i] < 0x7F) && IsPairAt(units, i) == astral) {
      if (astral) {
        const unsigned long point = 0x10000 + ((static_cast<unsigned long>(units[i]) - 0xD800) << 10) +
                                    (static_cast<unsigned long>(units[i + 1]) - 0xDC00);
        AppendHex(out, point, 8);
        i += 2;
      } else {
        AppendHex(out, units[i], 4);
        ++i;
      }
    }
    out += "\\X0\\";
  }
  out.push_back('\'');
}

bool AppendStepReal(std::string& out, double value) {
  return AppendRealText(out, value);
}

void AppendStepBinary(std::string& out, const std::vector<std::uint8_t>& bytes) {
  out += "\"0";
  for (const std::uint8_t byte : bytes) {
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 0xF]);
  }
  out.push_back('"');
}

std::optional<std::u16string> DecodeStepString(std::string_view token) {
  std::string text;
  std::string error;
  token = Trim(token);
  if (token.size() < 2 || token.front() != '\'' || !Ifc::DecodeString(token, text, error)) {
    return std::nullopt;
  }
  return Ifc::Utf8::ToUtf16(text);
}

bool SplitStepList(std::string_view items, std::vector<std::string_view>& out) {
  out.clear();
  Ifc::Lexer lexer(items);
  int depth = 0;
  std::size_t first = items.size();  // the current item's first byte; none yet
  std::size_t last = 0;              // one past its last byte
  for (Ifc::Token token = lexer.Next(); token.kind != Ifc::TokenKind::End; token = lexer.Next()) {
    if (token.kind == Ifc::TokenKind::Error || (token.kind == Ifc::TokenKind::Close && --depth < 0)) {
      return false;
    }
    if (token.kind == Ifc::TokenKind::Comma && depth == 0) {
      out.push_back(first < last ? items.substr(first, last - first) : std::string_view());
      first = items.size();
      continue;
    }
    depth += token.kind == Ifc::TokenKind::Open ? 1 : 0;
    first = std::min(first, token.offset);
    last = token.offset + token.text.size();
  }
  if (depth != 0) {
    return false;
  }
  if (first < last || !out.empty()) {
    out.push_back(first < last ? items.substr(first, last - first) : std::string_view());
  }
  return true;
}

std::uint64_t ParseStepReference(std::string_view token) noexcept {
  token = Trim(token);
  if (token.size() < 2 || token[0] != '#') {
    return 0;
  }
  std::uint64_t number = 0;
  const auto result = std::from_chars(token.data() + 1, token.data() + token.size(), number);
  if (result.ec != std::errc() || result.ptr != token.data() + token.size()) {
    return 0;
  }
  return number;
}

std::optional<std::string_view> StepListItems(std::string_view token) noexcept {
  token = Trim(token);
  if (token.size() < 2 || token.front() != '(' || token.back() != ')') {
    return std::nullopt;
  }
  return token.substr(1, token.size() - 2);
}

}  // namespace Exporter
