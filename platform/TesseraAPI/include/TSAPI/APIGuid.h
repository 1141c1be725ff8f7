// API_Guid: the add-on API's 16-byte identifier, used as the token that names an add-on.
//
//   const API_Guid token = ToAPIGuid(KT::Guid("{...}"));
//   assert(NullToken == API_Guid{});
#pragma once

#include <array>
#include <cstdint>

#include "KT/Guid.h"

struct API_Guid {
  std::array<std::uint8_t, 16> bytes{};

  friend bool operator==(const API_Guid& a, const API_Guid& b) noexcept { return a.bytes == b.bytes; }
  friend bool operator!=(const API_Guid& a, const API_Guid& b) noexcept { return a.bytes != b.bytes; }
};

static_assert(sizeof(API_Guid) == 16, "API_Guid crosses the module boundary as sixteen bytes");

// The all-zero token, carried by every successful result.
inline constexpr API_Guid NullToken{};

// The same sixteen bytes as a foundation-library GUID, and back.
inline KT::Guid ToKTGuid(const API_Guid& token) noexcept {
  return KT::Guid(token.bytes);
}
inline API_Guid ToAPIGuid(const KT::Guid& guid) noexcept {
  return API_Guid{guid.GetBytes()};
}
