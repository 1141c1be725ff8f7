// The byte order of a GUID as a Windows GUID structure stores it (and with it KT::Guid): the first
// three groups of the text form "00112233-4455-6677-8899-AABBCCDDEEFF" are little-endian words, the
// last eight bytes keep their order. GlobalIds and the text form take the bytes in text order.
//
//   const Ifc::GuidBytes text = *Ifc::DecodeGlobalId("2XQ$n5SLP5MBLyL442paFx");
//   const Ifc::GuidBytes stored = Ifc::TextToStoredOrder(text);   // as KT::Guid keeps them
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace Ifc {

// The text-order position of each stored byte; the permutation is its own inverse.
inline constexpr std::array<std::size_t, 16> kStoredToTextPosition = {3, 2, 1,  0,  5,  4,  7,  6,
                                                                      8, 9, 10, 11, 12, 13, 14, 15};

// The sixteen bytes in stored order, from text order.
constexpr std::array<std::uint8_t, 16> TextToStoredOrder(const std::array<std::uint8_t, 16>& text) noexcept {
  std::array<std::uint8_t, 16> stored{};
  for (std::size_t i = 0; i < 16; ++i) {
    stored[i] = text[kStoredToTextPosition[i]];
  }
  return stored;
}

// The sixteen bytes in text order, from stored order.
constexpr std::array<std::uint8_t, 16> StoredToTextOrder(const std::array<std::uint8_t, 16>& stored) noexcept {
  std::array<std::uint8_t, 16> text{};
  for (std::size_t i = 0; i < 16; ++i) {
    text[kStoredToTextPosition[i]] = stored[i];
  }
  return text;
}

}  // namespace Ifc
