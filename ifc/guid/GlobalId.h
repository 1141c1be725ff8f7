// The IFC GlobalId: a GUID's 32 hex digits, in text order, compressed to 22 characters of a 64-letter
// alphabet ("0-9A-Za-z_$"). The first character carries the top 2 bits of the first byte, then each
// character 6 bits.
//
//   const auto bytes = DecodeGlobalId("2XQ$n5SLP5MBLyL442paFx");   // empty optional if malformed
//   char text[22];
//   EncodeGlobalId(*bytes, text);                                   // the same 22 characters
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace Ifc {

// The sixteen bytes of a GUID in the order of its text form, "00112233-4455-...".
using GuidBytes = std::array<std::uint8_t, 16>;

// The bytes of a 22-character GlobalId; empty when the text has another length, a letter outside the
// alphabet, or a first letter above '3' (which would need more than 128 bits).
std::optional<GuidBytes> DecodeGlobalId(std::string_view text) noexcept;

// Writes the 22 characters of `bytes` to `out` (no terminator).
void EncodeGlobalId(const GuidBytes& bytes, char* out) noexcept;

}  // namespace Ifc
