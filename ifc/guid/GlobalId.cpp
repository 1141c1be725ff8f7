#include "ifc/guid/GlobalId.h"

namespace Ifc {

namespace {

constexpr char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";

// Letter -> 6-bit value, 0xFF for letters outside the alphabet.
struct DecodeTable {
  std::uint8_t values[256];
  constexpr DecodeTable() : values() {
    for (std::uint8_t& value : values) {
      value = 0xFF;
    }
    for (std::uint8_t i = 0; i < 64; ++i) {
      values[static_cast<unsigned char>(kAlphabet[i])] = i;
    }
  }
};
constexpr DecodeTable kDecode{};

}  // namespace

std::optional<GuidBytes> DecodeGlobalId(std::string_view text) noexcept {
  if (text.size() != 22) {
    return std::nullopt;
  }
  std::uint8_t digits[22];
  for (int i = 0; i < 22; ++i) {
    digits[i] = kDecode.values[static_cast<unsigned char>(text[static_cast<std::size_t>(i)])];
    if (digits[i] == 0xFF) {
      return std::nullopt;
    }
  }
  if (digits[0] > 3) {
    return std::nullopt;
  }
  GuidBytes bytes{};
  bytes[0] = static_cast<std::uint8_t>((digits[0] << 6) | digits[1]);
  for (std::size_t group = 0; group < 5; ++group) {
    const std::uint8_t* d = digits + 2 + group * 4;
    const std::uint32_t bits =
        (std::uint32_t{d[0]} << 18) | (std::uint32_t{d[1]} << 12) | (std::uint32_t{d[2]} << 6) | d[3];
    bytes[1 + group * 3] = static_cast<std::uint8_t>(bits >> 16);
    bytes[2 + group * 3] = static_cast<std::uint8_t>(bits >> 8);
    bytes[3 + group * 3] = static_cast<std::uint8_t>(bits);
  }
  return bytes;
}

void EncodeGlobalId(const GuidBytes& bytes, char* out) noexcept {
  out[0] = kAlphabet[bytes[0] >> 6];
  out[1] = kAlphabet[bytes[0] & 0x3F];
  for (std::size_t group = 0; group < 5; ++group) {
    const std::uint32_t bits =
        (std::uint32_t{bytes[1 + group * 3]} << 16) | (std::uint32_t{bytes[2 + group * 3]} << 8) | bytes[3 + group * 3];
    char* o = out + 2 + group * 4;
    o[0] = kAlphabet[(bits >> 18) & 0x3F];
    o[1] = kAlphabet[(bits >> 12) & 0x3F];
    o[2] = kAlphabet[(bits >> 6) & 0x3F];
    o[3] = kAlphabet[bits & 0x3F];
  }
}

}  // namespace Ifc
