// UTF-8, the one implementation the IFC layer and the tools use: the length of a well-formed sequence,
// decoding one code point, encoding one, and UTF-16 code units of a text.
//
//   std::size_t at = 0;
//   while (at < text.size()) {
//     const Ifc::Utf8::CodePoint point = Ifc::Utf8::Decode(text, at);   // a stray byte stands for itself
//     at += point.length;
//   }
//   Ifc::Utf8::Append(out, U'\u00E9');                                 // "\xC3\xA9"
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Ifc::Utf8 {

// The length (1 to 4) of the well-formed UTF-8 sequence at text[at], or 0 when there is none there:
// a continuation byte, a lead byte C0, C1 or F5 to FF, a truncated sequence, an overlong form, a
// surrogate, or a code point past U+10FFFF. Precondition: at < text.size().
std::size_t WellFormedLength(std::string_view text, std::size_t at) noexcept;

struct CodePoint {
  char32_t value;
  std::size_t length;  // bytes taken, at least 1
};

// The code point at text[at]: that of the well-formed sequence there, or else the byte itself as a
// Latin-1 character, taking one byte. Precondition: at < text.size().
CodePoint Decode(std::string_view text, std::size_t at) noexcept;

// Appends the UTF-8 bytes of `point`. Precondition: point <= U+10FFFF.
void Append(std::string& out, char32_t point);

// The number of code points of `text`: its bytes that continue no sequence (for well-formed UTF-8,
// the characters).
std::size_t CountCodePoints(std::string_view text) noexcept;

// The UTF-16 code units of `text`, decoded as Decode does.
std::u16string ToUtf16(std::string_view text);

}  // namespace Ifc::Utf8
