// MD5::FingerPrint: a 16-byte MD5 digest (RFC 1321), byte 0 first as the algorithm emits it.
//
//   MD5::FingerPrint digest;
//   md5Channel.Finish(digest);
//   const KT::Guid id(digest.GetBytes());
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "KT/Export.h"

namespace MD5 {

class KT_EXPORT FingerPrint {
 public:
  using Bytes = std::array<std::uint8_t, 16>;

  // All zero until something stores a digest.
  FingerPrint() noexcept : bytes{} {}
  explicit FingerPrint(const Bytes& digest) noexcept : bytes(digest) {}

  const Bytes& GetBytes() const noexcept { return bytes; }
  void SetBytes(const Bytes& digest) noexcept { bytes = digest; }

  // 32 lower-case hexadecimal digits, as md5sum prints them.
  std::string ToHexString() const;

  friend bool operator==(const FingerPrint& a, const FingerPrint& b) noexcept { return a.bytes == b.bytes; }
  friend bool operator!=(const FingerPrint& a, const FingerPrint& b) noexcept { return a.bytes != b.bytes; }

 private:
  Bytes bytes;
};

}  // namespace MD5
