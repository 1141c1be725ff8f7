#include "ifc/step/WrittenForm.h"

#include <cstring>

#include "ifc/unicode/Utf8.h"

namespace Ifc {

bool IsUpperCaseKeyword(std::string_view keyword) noexcept {
  for (const char c : keyword) {
    if (c >= 'a' && c <= 'z') {
      return false;
    }
  }
  return true;
}

bool HoldsOnlyUtf8(std::string_view text) noexcept {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
  std::size_t at = 0;
  while (at < text.size()) {
    if (at + 8 <= text.size()) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + at, 8);
      if ((word & kHighBits) == 0) {
        at += 8;
        continue;
      }
    }
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t length = Utf8::WellFormedLength(text, at);
    if (length == 0) {
      return false;
    }
    at += length;
  }
  return true;
}

Trailing TrailingOf(std::string_view file, std::size_t from) noexcept {
  Trailing trailing;
  std::size_t at = from;
  while (at < file.size() && std::strchr(" \t\r\n", file[at]) != nullptr && file[at] != '\0') {
    trailing.lines += file[at] == '\n' ? 1 : 0;
    ++at;
  }
  trailing.contentEnd = at;
  trailing.extraBytes = file.size() - at;
  return trailing;
}

}  // namespace Ifc
