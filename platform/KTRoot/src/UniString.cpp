#include "KT/UniString.h"

namespace KT {

const UniString EmptyUniString;

namespace {

constexpr char32_t Replacement = 0xFFFD;

// Decodes one UTF-8 sequence starting at `i`, advances `i` past it, and returns the code point or
// U+FFFD for an ill-formed sequence (overlong forms, surrogates and values above U+10FFFF included).
char32_t DecodeOne(std::string_view text, std::size_t& i) noexcept {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) {
    return lead;
  }
  int length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 1, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 2, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 3, value = lead & 0x07, minimum = 0x10000;
  } else {
    return Replacement;
  }
  for (int k = 0; k < length; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      return Replacement;
    }
    value = (value << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return Replacement;
  }
  return value;
}

void AppendUTF8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

UniString::UniString(const char* utf8) : UniString(std::string_view(utf8 == nullptr ? "" : utf8)) {}

UniString::UniString(std::string_view utf8) {
  units.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = DecodeOne(utf8, i);
    if (c < 0x10000) {
      units.push_back(static_cast<char16_t>(c));
    } else {
      units.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
  }
}

UniString::UniString(std::u16string codeUnits) noexcept : units(std::move(codeUnits)) {}

std::string UniString::ToUTF8() const {
  std::string out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = units[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
      AppendUTF8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      AppendUTF8(out, Replacement);
    } else {
      AppendUTF8(out, unit);
    }
  }
  return out;
}

std::uint32_t UniString::GenerateHashValue() const noexcept {
  std::uint32_t hash = 2166136261u;
  for (const char16_t unit : units) {
    hash = (hash ^ static_cast<std::uint32_t>(unit)) * 16777619u;
  }
  return hash;
}

}  // namespace KT
