#include "StepText.h"

#include <charconv>
#include <cstring>

#include "RealText.h"

namespace Exporter {

namespace {

constexpr char Hex[] = "0123456789ABCDEF";

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

int HexValue(char c) noexcept {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  return -1;
}

// Reads `count` hex digits at `text[at]`; -1 when there are not that many.
long ReadHex(std::string_view text, std::size_t at, int count) noexcept {
  if (at + static_cast<std::size_t>(count) > text.size()) {
    return -1;
  }
  long value = 0;
  for (int i = 0; i < count; ++i) {
    const int digit = HexValue(text[at + static_cast<std::size_t>(i)]);
    if (digit < 0) {
      return -1;
    }
    value = value * 16 + digit;
  }
  return value;
}

// True when `units[i]` starts a well-formed surrogate pair.
bool IsPairAt(std::u16string_view units, std::size_t i) noexcept {
  return units[i] >= 0xD800 && units[i] < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
         units[i + 1] < 0xE000;
}

// Appends `value` as `count` upper-case hex digits.
void AppendHex(std::string& out, unsigned long value, int count) {
  for (int shift = 4 * (count - 1); shift >= 0; shift -= 4) {
    out.push_back(Hex[(value >> shift) & 0xF]);
  }
}

void AppendCodePoint(std::u16string& out, unsigned long point) {
  if (point >= 0x10000) {
    point -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (point >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (point & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(point));
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
    out.push_back(Hex[byte >> 4]);
    out.push_back(Hex[byte & 0xF]);
  }
  out.push_back('"');
}

std::optional<std::u16string> DecodeStepString(std::string_view token) {
  token = Trim(token);
  if (token.size() < 2 || token.front() != '\'' || token.back() != '\'') {
    return std::nullopt;
  }
  const std::string_view text = token.substr(1, token.size() - 2);
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\'') {
      if (i + 1 >= text.size() || text[i + 1] != '\'') {
        return std::nullopt;
      }
      out.push_back(u'\'');
      i += 2;
    } else if (c != '\\') {
      // Bytes above ASCII are not valid STEP, but files carry them; read them as UTF-8 would be
      // guesswork, so take them as Latin-1.
      out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
      ++i;
    } else if (text.compare(i, 2, "\\\\") == 0) {
      out.push_back(u'\\');
      i += 2;
    } else if (text.compare(i, 4, "\\X2\\") == 0 || text.compare(i, 4, "\\X4\\") == 0) {
      const int width = text[i + 2] == '2' ? 4 : 8;
      i += 4;
      while (text.compare(i, 4, "\\X0\\") != 0) {
        const long value = ReadHex(text, i, width);
        if (value < 0) {
          return std::nullopt;
        }
        AppendCodePoint(out, static_cast<unsigned long>(value));
        i += static_cast<std::size_t>(width);
      }
      i += 4;
    } else if (text.compare(i, 3, "\\X\\") == 0) {
      const long value = ReadHex(text, i + 3, 2);
      if (value < 0) {
        return std::nullopt;
      }
      out.push_back(static_cast<char16_t>(value));
      i += 5;
    } else if (text.compare(i, 3, "\\S\\") == 0 && i + 3 < text.size()) {
      out.push_back(static_cast<char16_t>(static_cast<unsigned char>(text[i + 3]) + 0x80));
      i += 4;
    } else if (i + 3 < text.size() && text[i + 1] == 'P' && text[i + 3] == '\\') {
      i += 4;  // code page switch: the \S\ that follows it reads as Latin-1 anyway
    } else {
      return std::nullopt;
    }
  }
  return out;
}

bool SplitStepList(std::string_view items, std::vector<std::string_view>& out) {
  out.clear();
  if (Trim(items).empty()) {
    return true;
  }
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const char c = items[i];
    if (c == '\'') {
      // A doubled apostrophe is two strings back to back as far as the scan cares.
      const void* end = std::memchr(items.data() + i + 1, '\'', items.size() - i - 1);
      if (end == nullptr) {
        return false;
      }
      i = static_cast<std::size_t>(static_cast<const char*>(end) - items.data());
    } else if (c == '"') {
      const void* end = std::memchr(items.data() + i + 1, '"', items.size() - i - 1);
      if (end == nullptr) {
        return false;
      }
      i = static_cast<std::size_t>(static_cast<const char*>(end) - items.data());
    } else if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (--depth < 0) {
        return false;
      }
    } else if (c == ',' && depth == 0) {
      out.push_back(Trim(items.substr(start, i - start)));
      start = i + 1;
    }
  }
  if (depth != 0) {
    return false;
  }
  out.push_back(Trim(items.substr(start)));
  return true;
}

std::uint32_t ParseStepReference(std::string_view token) noexcept {
  token = Trim(token);
  if (token.size() < 2 || token[0] != '#') {
    return 0;
  }
  std::uint32_t number = 0;
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
