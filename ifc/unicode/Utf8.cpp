#include "ifc/unicode/Utf8.h"

#include <cassert>

namespace Ifc::Utf8 {

namespace {

// The range of the second byte after `lead`, which rules out overlong forms, surrogates and code points
// past U+10FFFF; the bytes after it are plain continuation bytes.
struct Lead {
  std::size_t length;
  unsigned char low;
  unsigned char high;
};

constexpr Lead LeadOf(unsigned char lead) noexcept {
  if (lead >= 0xC2 && lead <= 0xDF) {
    return {2, 0x80, 0xBF};
  }
  if (lead >= 0xE0 && lead <= 0xEF) {
    return {3, static_cast<unsigned char>(lead == 0xE0 ? 0xA0 : 0x80),
            static_cast<unsigned char>(lead == 0xED ? 0x9F : 0xBF)};
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    return {4, static_cast<unsigned char>(lead == 0xF0 ? 0x90 : 0x80),
            static_cast<unsigned char>(lead == 0xF4 ? 0x8F : 0xBF)};
  }
  return {0, 0, 0};
}

}  // namespace

std::size_t WellFormedLength(std::string_view text, std::size_t at) noexcept {
  assert(at < text.size());
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  if (byte(0) < 0x80) {
    return 1;
  }
  const Lead lead = LeadOf(byte(0));
  if (lead.length == 0 || text.size() - at < lead.length || byte(1) < lead.low || byte(1) > lead.high) {
    return 0;
  }
  for (std::size_t i = 2; i < lead.length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) {
      return 0;
    }
  }
  return lead.length;
}

CodePoint Decode(std::string_view text, std::size_t at) noexcept {
  const auto first = static_cast<unsigned char>(text[at]);
  const std::size_t length = WellFormedLength(text, at);
  if (length <= 1) {
    return {first, 1};
  }
  char32_t point = first & (0x7Fu >> length);
  for (std::size_t i = 1; i < length; ++i) {
    point = (point << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3Fu);
  }
  return {point, length};
}

void Append(std::string& out, char32_t point) {
  assert(point <= 0x10FFFF);
  if (point < 0x80) {
    out.push_back(static_cast<char>(point));
  } else if (point < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (point >> 6)));
    out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  } else if (point < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (point >> 12)));
    out.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (point >> 18)));
    out.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  }
}

std::size_t CountCodePoints(std::string_view text) noexcept {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) {
      ++count;
    }
  }
  return count;
}

std::u16string ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const CodePoint point = Decode(text, at);
    if (point.value >= 0x10000) {
      const char32_t above = point.value - 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (above >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (above & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(point.value));
    }
    at += point.length;
  }
  return out;
}

}  // namespace Ifc::Utf8
