#include "KT/Guid.h"

#include <algorithm>

#include "ifc/guid/GuidByteOrder.h"

namespace KT {

const Guid NULLGuid;

namespace {

int HexDigit(char c) noexcept {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// The stored position of each text-order byte: the permutation is its own inverse.
constexpr const auto& StoredIndexOfTextByte = Ifc::kStoredToTextPosition;

constexpr std::string_view Canonical = "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX";

}  // namespace

Guid::Guid(std::string_view text) noexcept : bytes{} {
  if (text.size() == Canonical.size() + 2 && text.front() == '{' && text.back() == '}') {
    text = text.substr(1, Canonical.size());
  }
  if (text.size() != Canonical.size()) {
    return;
  }
  Bytes parsed{};
  int textByte = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (Canonical[i] == '-') {
      if (text[i] != '-') {
        return;
      }
      ++i;
      continue;
    }
    const int high = HexDigit(text[i]);
    const int low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0) {
      return;
    }
    parsed[StoredIndexOfTextByte[textByte++]] = static_cast<std::uint8_t>(high * 16 + low);
    i += 2;
  }
  bytes = parsed;
}

bool Guid::IsNull() const noexcept {
  return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

std::string Guid::ToString() const {
  static constexpr char Digits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(Canonical.size() + 2);
  text.push_back('{');
  int textByte = 0;
  for (std::size_t i = 0; i < Canonical.size();) {
    if (Canonical[i] == '-') {
      text.push_back('-');
      ++i;
      continue;
    }
    const std::uint8_t value = bytes[StoredIndexOfTextByte[textByte++]];
    text.push_back(Digits[value >> 4]);
    text.push_back(Digits[value & 0xF]);
    i += 2;
  }
  text.push_back('}');
  return text;
}

}  // namespace KT
