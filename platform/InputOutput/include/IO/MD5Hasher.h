// IO::MD5Hasher: an incremental MD5 digest (RFC 1321).
//
// Bytes may arrive in pieces of any size; the digest is that of their concatenation:
//
//   IO::MD5Hasher md5;
//   md5.Update("ab", 2);
//   md5.Update("c", 1);
//   MD5::FingerPrint digest = md5.Finish();  // 900150983cd24fb0d6963f7d28e17f72
//
// Finish pads the message and ends the digest; Reset starts a new one. Nothing allocates.
#pragma once

#include <cstddef>
#include <cstdint>

#include "IO/Export.h"
#include "MD5/FingerPrint.h"

namespace IO {

class IO_EXPORT MD5Hasher {
 public:
  MD5Hasher() noexcept { Reset(); }

  // Forgets everything fed so far.
  void Reset() noexcept;

  // Feeds `count` bytes. Precondition: Finish has not been called since the last Reset.
  void Update(const void* bytes, std::size_t count) noexcept;

  // Pads, ends the digest and returns it. Precondition as for Update.
  MD5::FingerPrint Finish() noexcept;

 private:
  void Transform(const std::uint8_t* block) noexcept;

  std::uint32_t state[4];
  std::uint64_t byteCount;
  std::uint8_t pending[64];
};

}  // namespace IO
