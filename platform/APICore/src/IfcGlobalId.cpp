#include "API/IfcGlobalId.h"

#include <cstdint>

namespace API {

namespace {

constexpr char Alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";

// Letter -> 6-bit value, 0xFF for letters outside the alphabet.
struct DecodeTable {
  std::uint8_t values[256];
  constexpr DecodeTable() : values() {
    for (std::uint8_t& value : values) {
      value = 0xFF;
    }
    for (std::uint8_t i = 0; i < 64; ++i) {
      values[static_cast<unsigned char>(Alphabet[i])] = i;
    }
  }
};
constexpr DecodeTable Decode{};

// KT::Guid keeps the first three groups little-endian; these are the text-order positions of its bytes.
constexpr int StoredToText[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};

}  // namespace

void WriteGlobalId(const KT::Guid& guid, char* out) noexcept {
  std::uint8_t bytes[16];
  for (int i = 0; i < 16; ++i) {
    bytes[StoredToText[i]] = guid.GetBytes()[static_cast<std::size_t>(i)];
  }
  out[0] = Alphabet[bytes[0] >> 6];
  out[1] = Alphabet[bytes[0] & 0x3F];
  for (std::size_t group = 0; group < 5; ++group) {
    const std::uint32_t bits =
        (std::uint32_t{bytes[1 + group * 3]} << 16) | (std::uint32_t{bytes[2 + group * 3]} << 8) | bytes[3 + group * 3];
    char* o = out + 2 + group * 4;
    o[0] = Alphabet[(bits >> 18) & 0x3F];
    o[1] = Alphabet[(bits >> 12) & 0x3F];
    o[2] = Alphabet[(bits >> 6) & 0x3F];
    o[3] = Alphabet[bits & 0x3F];
  }
}

std::string GlobalIdFromGuid(const KT::Guid& guid) {
  std::string text(GlobalIdLength, '0');
  WriteGlobalId(guid, text.data());
  return text;
}

std::optional<KT::Guid> GuidFromGlobalId(std::string_view globalId) noexcept {
  if (globalId.size() != GlobalIdLength) {
    return std::nullopt;
  }
  std::uint8_t digits[GlobalIdLength];
  for (std::size_t i = 0; i < GlobalIdLength; ++i) {
    digits[i] = Decode.values[static_cast<unsigned char>(globalId[i])];
    if (digits[i] == 0xFF) {
      return std::nullopt;
    }
  }
  if (digits[0] > 3) {
    return std::nullopt;
  }
  std::uint8_t bytes[16];
  bytes[0] = static_cast<std::uint8_t>((digits[0] << 6) | digits[1]);
  for (std::size_t group = 0; group < 5; ++group) {
    const std::uint8_t* d = digits + 2 + group * 4;
    const std::uint32_t bits =
        (std::uint32_t{d[0]} << 18) | (std::uint32_t{d[1]} << 12) | (std::uint32_t{d[2]} << 6) | d[3];
    bytes[1 + group * 3] = static_cast<std::uint8_t>(bits >> 16);
    bytes[2 + group * 3] = static_cast<std::uint8_t>(bits >> 8);
    bytes[3 + group * 3] = static_cast<std::uint8_t>(bits);
  }
  KT::Guid::Bytes stored{};
  for (int i = 0; i < 16; ++i) {
    stored[static_cast<std::size_t>(i)] = bytes[StoredToText[i]];
  }
  return KT::Guid(stored);
}

}  // namespace API
