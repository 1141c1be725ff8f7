// The IFC GlobalId as the reader indexes it: the GUID's sixteen bytes in the order of its text form.
// The 22-character rule itself is the host's public helper, API/IfcGlobalId.h.
//
//   const auto bytes = DecodeGlobalId("2XQ$n5SLP5MBLyL442paFx");   // empty optional if malformed
//   char text[22];
//   EncodeGlobalId(*bytes, text);                                   // the same 22 characters
//   const KT::Guid guid = ToKTGuid(*bytes);                          // the library's stored layout
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "KT/Guid.h"

namespace Exporter {

// The sixteen bytes of a GUID in the order of its text form, "00112233-4455-...".
using GuidBytes = std::array<std::uint8_t, 16>;

// The bytes of a 22-character GlobalId; empty when the text has another length, a letter outside the
// alphabet, or a first letter above '3' (which would need more than 128 bits).
std::optional<GuidBytes> DecodeGlobalId(std::string_view text) noexcept;

// Writes the 22 characters of `bytes` to `out` (no terminator).
void EncodeGlobalId(const GuidBytes& bytes, char* out) noexcept;

// Between text order and KT::Guid's stored (Windows) layout.
KT::Guid ToKTGuid(const GuidBytes& bytes) noexcept;
GuidBytes FromKTGuid(const KT::Guid& guid) noexcept;

}  // namespace Exporter
