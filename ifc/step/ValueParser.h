// Parses values from tokens: the argument list of an instance, one attribute of it, or a header
// record's arguments, into Value trees.
//
//   Lexer lexer(fileText, argumentsOffset, line);          // at the '(' of "#5=IFCWALL(...);"
//   std::vector<Value> arguments;
//   std::string error;
//   if (!ParseArgumentList(lexer, arguments, error)) Fail(error);
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ifc/step/Lexer.h"
#include "ifc/step/Value.h"

namespace Ifc {

// How deeply lists and typed values may nest; deeper ones are refused rather than risk the stack.
constexpr int kMaxValueDepth = 64;

// Parses one value beginning with `first` (already read from `lexer`); false with `error` naming
// the fault.
bool ParseValue(Lexer& lexer, const Token& first, Value& out, std::string& error);

// Parses a parenthesised list of values, the next token of `lexer` being its '('.
bool ParseArgumentList(Lexer& lexer, std::vector<Value>& out, std::string& error);

// From the '(' of an argument list at the lexer's position, skips to the argument numbered `slot`
// (0-based) and parses it. False with `error` empty when the list has fewer arguments.
bool ParseArgument(Lexer& lexer, std::size_t slot, Value& out, std::string& error);

// Where the argument numbered `slot` (0-based) of the argument list whose '(' is the first thing at
// or after `offset` begins, found by scanning bytes (strings, binaries and comments skipped whole)
// without lexing the arguments before it. The text must have been checked as an argument list.
enum class ArgumentSearch : std::uint8_t { Found, TooFew, NoList, NotClosed };
ArgumentSearch FindArgument(std::string_view text, std::size_t offset, std::size_t slot, std::size_t& at) noexcept;

}  // namespace Ifc
