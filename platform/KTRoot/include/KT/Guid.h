// KT::Guid: a 16-byte globally unique identifier of the foundation library.
//
// The stored form is the Windows GUID layout: the first group of the text as a little-endian 32-bit
// word, the next two groups as little-endian 16-bit words, then the last eight bytes in text order.
//
//   const KT::Guid id("{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}");
//   assert(id == KT::Guid("3a9c1e52-6b0d-4f87-9e21-c45d7a0b8f36"));
//   assert(id.ToString() == "{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}");
//   assert(KT::Guid().IsNull() && KT::NULLGuid.IsNull());
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "KT/Export.h"

namespace KT {

class KT_EXPORT Guid {
 public:
  using Bytes = std::array<std::uint8_t, 16>;

  // The null GUID: sixteen zero bytes.
  constexpr Guid() noexcept : bytes{} {}

  // Takes the sixteen bytes in stored order.
  constexpr explicit Guid(const Bytes& stored) noexcept : bytes(stored) {}

  // Parses "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX" in either letter case, with or without enclosing
  // braces. Any other text gives the null GUID.
  explicit Guid(std::string_view text) noexcept;

  // The sixteen bytes in stored order.
  constexpr const Bytes& GetBytes() const noexcept { return bytes; }

  // Whether all sixteen bytes are zero.
  bool IsNull() const noexcept;

  // The braced, upper-case text form, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
  std::string ToString() const;

  // Two 8-byte comparisons: GUIDs are compared for every key a hash container walks past, and a
  // byte-wise comparison ends up as a library call.
  friend bool operator==(const Guid& a, const Guid& b) noexcept {
    std::uint64_t left[2];
    std::uint64_t right[2];
    std::memcpy(left, a.bytes.data(), sizeof(left));
    std::memcpy(right, b.bytes.data(), sizeof(right));
    return ((left[0] ^ right[0]) | (left[1] ^ right[1])) == 0;
  }
  friend bool operator!=(const Guid& a, const Guid& b) noexcept { return !(a == b); }

 private:
  Bytes bytes;
};

static_assert(sizeof(Guid) == 16, "a Guid is written and hashed as exactly sixteen bytes");

// The all-zero GUID; one object for the whole process.
KT_EXPORT extern const Guid NULLGuid;

}  // namespace KT
