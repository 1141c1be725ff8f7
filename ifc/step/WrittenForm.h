// Questions about how a file is written that a tolerant reading lets pass and a strict one refuses:
// keywords in lower case, string bytes that are no UTF-8, and what follows END-ISO-10303-21;.
//
//   IsUpperCaseKeyword("IFCWALL");                       // true; "IfcWall" is false
//   HoldsOnlyUtf8("'W\xC3\xA4rme'");                     // true; "'W\xE4rme'" (Latin-1) is false
//   const Trailing rest = TrailingOf(file, endOfEndIso);  // blanks kept, anything after them is not
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Ifc {

// Whether `keyword` has no lower-case letter (the format's keywords are upper case).
bool IsUpperCaseKeyword(std::string_view keyword) noexcept;

// Whether every byte above 127 in `text` belongs to a well-formed UTF-8 sequence.
bool HoldsOnlyUtf8(std::string_view text) noexcept;

// What follows the ';' of END-ISO-10303-21 at `from`: the blanks (space, tab, CR, LF) that files end
// with, which belong to the file, then anything else, which does not.
struct Trailing {
  std::size_t contentEnd = 0;  // after the blanks
  std::size_t extraBytes = 0;  // from contentEnd to the end of the file
  std::uint32_t lines = 0;     // line ends among the blanks
};
Trailing TrailingOf(std::string_view file, std::size_t from) noexcept;

}  // namespace Ifc
