#include "idscheck/reports/NameUuid.h"

namespace Ids {

namespace {

constexpr std::uint32_t RotateLeft(std::uint32_t value, int bits) {
  return (value << bits) | (value >> (32 - bits));
}

// One 64-byte block into the running state.
void Sha1Block(const std::uint8_t* block, std::array<std::uint32_t, 5>& state) {
  std::array<std::uint32_t, 80> words{};
  for (std::size_t k = 0; k < 16; ++k) {
    const std::uint8_t* bytes = block + 4 * k;
    words[k] = std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 |
               std::uint32_t{bytes[3]};
  }
  for (std::size_t k = 16; k < 80; ++k) {
    words[k] = RotateLeft(words[k - 3] ^ words[k - 8] ^ words[k - 14] ^ words[k - 16], 1);
  }
  std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
  for (std::size_t k = 0; k < 80; ++k) {
    std::uint32_t mixed = 0;
    std::uint32_t constant = 0;
    if (k < 20) {
      mixed = (b & c) | (~b & d);
      constant = 0x5A827999;
    } else if (k < 40) {
      mixed = b ^ c ^ d;
      constant = 0x6ED9EBA1;
    } else if (k < 60) {
      mixed = (b & c) | (b & d) | (c & d);
      constant = 0x8F1BBCDC;
    } else {
      mixed = b ^ c ^ d;
      constant = 0xCA62C1D6;
    }
    const std::uint32_t next = RotateLeft(a, 5) + mixed + e + constant + words[k];
    e = d;
    d = c;
    c = RotateLeft(b, 30);
    b = a;
    a = next;
  }
  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
  state[4] += e;
}

}  // namespace

std::array<std::uint8_t, 20> Sha1(std::string_view data) {
  std::array<std::uint32_t, 5> state = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
  std::string padded(data);
  padded += '\x80';
  while (padded.size() % 64 != 56) {
    padded += '\0';
  }
  const std::uint64_t bits = static_cast<std::uint64_t>(data.size()) * 8;
  for (int shift = 56; shift >= 0; shift -= 8) {
    padded += static_cast<char>((bits >> shift) & 0xFF);
  }
  for (std::size_t offset = 0; offset < padded.size(); offset += 64) {
    Sha1Block(reinterpret_cast<const std::uint8_t*>(padded.data() + offset), state);
  }
  std::array<std::uint8_t, 20> digest{};
  for (std::size_t k = 0; k < 20; ++k) {
    digest[k] = static_cast<std::uint8_t>(state[k / 4] >> (24 - 8 * (k % 4)));
  }
  return digest;
}

std::string NameUuid(const Uuid& space, std::string_view name) {
  std::string input(space.begin(), space.end());
  input.append(name.data(), name.size());
  std::array<std::uint8_t, 20> digest = Sha1(input);
  digest[6] = static_cast<std::uint8_t>((digest[6] & 0x0F) | 0x50);  // version 5
  digest[8] = static_cast<std::uint8_t>((digest[8] & 0x3F) | 0x80);  // the RFC 4122 variant
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (std::size_t k = 0; k < 16; ++k) {
    if (k == 4 || k == 6 || k == 8 || k == 10) {
      text += '-';
    }
    text += kDigits[digest[k] >> 4];
    text += kDigits[digest[k] & 0xF];
  }
  return text;
}

}  // namespace Ids
