// A value as most files write it, read off the bytes of a checked argument list without the lexer or
// the parser: a simple value, or a typed value holding one, with nothing else around it. Readers that
// take a few attributes of many instances (the export's element look-up, the requirements checker)
// read these so, and hand anything else to the parser.
//
//   std::size_t at = 0;
//   FindArgument(file, record.offset + record.argument, slot, at);
//   PlainValue value;
//   if (ReadPlainValue(file, at, value) && value.kind == PlainValue::Kind::String) Use(value.text);
//   else ParseTheAttribute();
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Ifc {

struct PlainValue {
  enum class Kind : std::uint8_t { Null, Derived, String, Enumeration, Integer, Real, Reference };
  Kind kind = Kind::Null;
  // A typed value's type as written ("IFCLABEL"); empty for an untyped value. `kind` and the fields
  // below then describe the value it holds.
  std::string_view type;
  // A string's characters without its quotes, an enumeration's name without its dots, a number as
  // written; empty otherwise.
  std::string_view text;
  std::int64_t integer = 0;     // an Integer's value
  std::uint64_t reference = 0;  // a Reference's instance number
  std::size_t end = 0;          // just past the value, at the ',' or ')' that follows it
};

// The value that begins at `at` in `text` when it is written plainly: $ or *, a string of printable
// ASCII without escapes or doubled quotes, an enumeration of upper-case letters, digits and
// underscores, an integer or a reference of at most 18 digits (a reference without leading zeros), a
// real, or a typed value holding one of these, followed at once by ',' or ')'. False for anything else (blanks,
// comments, escapes, lists, binaries), which the caller parses; when true, each field is what parsing the value gives.
bool ReadPlainValue(std::string_view text, std::size_t at, PlainValue& out) noexcept;

}  // namespace Ifc
