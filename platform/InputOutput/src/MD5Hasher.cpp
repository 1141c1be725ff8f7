// MD5 as RFC 1321 specifies it: 64-byte blocks, four rounds of sixteen steps, little-endian words.
#include "IO/MD5Hasher.h"

#include <cstddef>
#include <cstring>

namespace IO {

namespace {

inline std::uint32_t RotateLeft(std::uint32_t x, int n) noexcept {
  return (x << n) | (x >> (32 - n));
}

inline std::uint32_t LoadLittleEndian(const std::uint8_t* p) noexcept {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

inline void StoreLittleEndian(std::uint32_t value, std::uint8_t* p) noexcept {
  p[0] = static_cast<std::uint8_t>(value);
  p[1] = static_cast<std::uint8_t>(value >> 8);
  p[2] = static_cast<std::uint8_t>(value >> 16);
  p[3] = static_cast<std::uint8_t>(value >> 24);
}

// The round functions of the RFC, in forms that compile to few instructions.
inline std::uint32_t F(std::uint32_t x, std::uint32_t y, std::uint32_t z) noexcept {
  return z ^ (x & (y ^ z));
}
inline std::uint32_t G(std::uint32_t x, std::uint32_t y, std::uint32_t z) noexcept {
  return y ^ (z & (x ^ y));
}
inline std::uint32_t H(std::uint32_t x, std::uint32_t y, std::uint32_t z) noexcept {
  return x ^ y ^ z;
}
inline std::uint32_t I(std::uint32_t x, std::uint32_t y, std::uint32_t z) noexcept {
  return y ^ (x | ~z);
}

template <std::uint32_t (*Function)(std::uint32_t, std::uint32_t, std::uint32_t)>
inline void Step(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d, std::uint32_t word,
                 std::uint32_t constant, int shift) noexcept {
  a = b + RotateLeft(a + Function(b, c, d) + word + constant, shift);
}

}  // namespace

void MD5Hasher::Reset() noexcept {
  state[0] = 0x67452301u;
  state[1] = 0xEFCDAB89u;
  state[2] = 0x98BADCFEu;
  state[3] = 0x10325476u;
  byteCount = 0;
}

void MD5Hasher::Update(const void* bytes, std::size_t count) noexcept {
  const auto* input = static_cast<const std::uint8_t*>(bytes);
  std::size_t used = static_cast<std::size_t>(byteCount % 64);
  byteCount += count;
  if (used != 0) {
    const std::size_t room = 64 - used;
    if (count < room) {
      std::memcpy(pending + used, input, count);
      return;
    }
    std::memcpy(pending + used, input, room);
    Transform(pending);
    input += room;
    count -= room;
  }
  for (; count >= 64; input += 64, count -= 64) {
    Transform(input);
  }
  if (count != 0) {
    std::memcpy(pending, input, count);
  }
}

MD5::FingerPrint MD5Hasher::Finish() noexcept {
  const std::uint64_t bitCount = byteCount * 8;
  std::size_t used = static_cast<std::size_t>(byteCount % 64);
  pending[used++] = 0x80;
  if (used > 56) {
    std::memset(pending + used, 0, 64 - used);
    Transform(pending);
    used = 0;
  }
  std::memset(pending + used, 0, 56 - used);
  for (int i = 0; i < 8; ++i) {
    pending[56 + i] = static_cast<std::uint8_t>(bitCount >> (8 * i));
  }
  Transform(pending);

  MD5::FingerPrint::Bytes digest;
  for (std::size_t i = 0; i < 4; ++i) {
    StoreLittleEndian(state[i], &digest[4 * i]);
  }
  return MD5::FingerPrint(digest);
}

void MD5Hasher::Transform(const std::uint8_t* block) noexcept {
  std::uint32_t x[16];
  for (std::size_t i = 0; i < 16; ++i) {
    x[i] = LoadLittleEndian(block + 4 * i);
  }
  std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];

  Step<F>(a, b, c, d, x[0], 0xD76AA478u, 7);
  Step<F>(d, a, b, c, x[1], 0xE8C7B756u, 12);
  Step<F>(c, d, a, b, x[2], 0x242070DBu, 17);
  Step<F>(b, c, d, a, x[3], 0xC1BDCEEEu, 22);
  Step<F>(a, b, c, d, x[4], 0xF57C0FAFu, 7);
  Step<F>(d, a, b, c, x[5], 0x4787C62Au, 12);
  Step<F>(c, d, a, b, x[6], 0xA8304613u, 17);
  Step<F>(b, c, d, a, x[7], 0xFD469501u, 22);
  Step<F>(a, b, c, d, x[8], 0x698098D8u, 7);
  Step<F>(d, a, b, c, x[9], 0x8B44F7AFu, 12);
  Step<F>(c, d, a, b, x[10], 0xFFFF5BB1u, 17);
  Step<F>(b, c, d, a, x[11], 0x895CD7BEu, 22);
  Step<F>(a, b, c, d, x[12], 0x6B901122u, 7);
  Step<F>(d, a, b, c, x[13], 0xFD987193u, 12);
  Step<F>(c, d, a, b, x[14], 0xA679438Eu, 17);
  Step<F>(b, c, d, a, x[15], 0x49B40821u, 22);

  Step<G>(a, b, c, d, x[1], 0xF61E2562u, 5);
  Step<G>(d, a, b, c, x[6], 0xC040B340u, 9);
  Step<G>(c, d, a, b, x[11], 0x265E5A51u, 14);
  Step<G>(b, c, d, a, x[0], 0xE9B6C7AAu, 20);
  Step<G>(a, b, c, d, x[5], 0xD62F105Du, 5);
  Step<G>(d, a, b, c, x[10], 0x02441453u, 9);
  Step<G>(c, d, a, b, x[15], 0xD8A1E681u, 14);
  Step<G>(b, c, d, a, x[4], 0xE7D3FBC8u, 20);
  Step<G>(a, b, c, d, x[9], 0x21E1CDE6u, 5);
  Step<G>(d, a, b, c, x[14], 0xC33707D6u, 9);
  Step<G>(c, d, a, b, x[3], 0xF4D50D87u, 14);
  Step<G>(b, c, d, a, x[8], 0x455A14EDu, 20);
  Step<G>(a, b, c, d, x[13], 0xA9E3E905u, 5);
  Step<G>(d, a, b, c, x[2], 0xFCEFA3F8u, 9);
  Step<G>(c, d, a, b, x[7], 0x676F02D9u, 14);
  Step<G>(b, c, d, a, x[12], 0x8D2A4C8Au, 20);

  Step<H>(a, b, c, d, x[5], 0xFFFA3942u, 4);
  Step<H>(d, a, b, c, x[8], 0x8771F681u, 11);
  Step<H>(c, d, a, b, x[11], 0x6D9D6122u, 16);
  Step<H>(b, c, d, a, x[14], 0xFDE5380Cu, 23);
  Step<H>(a, b, c, d, x[1], 0xA4BEEA44u, 4);
  Step<H>(d, a, b, c, x[4], 0x4BDECFA9u, 11);
  Step<H>(c, d, a, b, x[7], 0xF6BB4B60u, 16);
  Step<H>(b, c, d, a, x[10], 0xBEBFBC70u, 23);
  Step<H>(a, b, c, d, x[13], 0x289B7EC6u, 4);
  Step<H>(d, a, b, c, x[0], 0xEAA127FAu, 11);
  Step<H>(c, d, a, b, x[3], 0xD4EF3085u, 16);
  Step<H>(b, c, d, a, x[6], 0x04881D05u, 23);
  Step<H>(a, b, c, d, x[9], 0xD9D4D039u, 4);
  Step<H>(d, a, b, c, x[12], 0xE6DB99E5u, 11);
  Step<H>(c, d, a, b, x[15], 0x1FA27CF8u, 16);
  Step<H>(b, c, d, a, x[2], 0xC4AC5665u, 23);

  Step<I>(a, b, c, d, x[0], 0xF4292244u, 6);
  Step<I>(d, a, b, c, x[7], 0x432AFF97u, 10);
  Step<I>(c, d, a, b, x[14], 0xAB9423A7u, 15);
  Step<I>(b, c, d, a, x[5], 0xFC93A039u, 21);
  Step<I>(a, b, c, d, x[12], 0x655B59C3u, 6);
  Step<I>(d, a, b, c, x[3], 0x8F0CCC92u, 10);
  Step<I>(c, d, a, b, x[10], 0xFFEFF47Du, 15);
  Step<I>(b, c, d, a, x[1], 0x85845DD1u, 21);
  Step<I>(a, b, c, d, x[8], 0x6FA87E4Fu, 6);
  Step<I>(d, a, b, c, x[15], 0xFE2CE6E0u, 10);
  Step<I>(c, d, a, b, x[6], 0xA3014314u, 15);
  Step<I>(b, c, d, a, x[13], 0x4E0811A1u, 21);
  Step<I>(a, b, c, d, x[4], 0xF7537E82u, 6);
  Step<I>(d, a, b, c, x[11], 0xBD3AF235u, 10);
  Step<I>(c, d, a, b, x[2], 0x2AD7D2BBu, 15);
  Step<I>(b, c, d, a, x[9], 0xEB86D391u, 21);

  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
}

}  // namespace IO
