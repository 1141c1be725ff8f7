#include "MD5/FingerPrint.h"

namespace MD5 {

std::string FingerPrint::ToHexString() const {
  static constexpr char Digits[] = "0123456789abcdef";
  std::string text;
  text.reserve(32);
  for (const std::uint8_t byte : bytes) {
    text.push_back(Digits[byte >> 4]);
    text.push_back(Digits[byte & 0x0F]);
  }
  return text;
}

}  // namespace MD5
