// The text forms of ISO 10303-21 values that ifcapi-export writes and reads back.
//
// Strings are written with apostrophes doubled, backslashes doubled and every character outside
// printable ASCII as a \X2\...\X0\ run of UTF-16 code units; reals with the shortest digits that read
// back to the same double, always with a decimal point and large or tiny ones with an exponent (RealText.h):
//
//   std::string out;
//   AppendStepString(out, u"Wand \u00C4'1");     // 'Wand \X2\00C4\X0\''1'
//   AppendStepReal(out, 0.1);                   // 0.1
//   std::vector<std::string_view> parts;
//   SplitStepList("'a',(1,2),$", parts);       // "'a'", "(1,2)", "$"
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Exporter {

// Appends `units` as a quoted STEP string.
void AppendStepString(std::string& out, std::u16string_view units);

// Appends `value` as a STEP real; false (and nothing appended) for infinities and NaN, which STEP
// cannot write.
bool AppendStepReal(std::string& out, double value);

// Appends `bytes` as a STEP binary: "0" (no unused bits) and two upper-case hex digits a byte, quoted.
void AppendStepBinary(std::string& out, const std::vector<std::uint8_t>& bytes);

// The text of a quoted STEP string token with its escapes resolved as the reader resolves them, as
// UTF-16 code units; empty when the token is not a well-formed string.
std::optional<std::u16string> DecodeStepString(std::string_view token);

// Splits `items`, the text between the parentheses of an attribute list or aggregate, into its
// top-level items with the blanks and comments around them removed (a comment inside a nested list
// stays in that list's item). False when a token is malformed or parentheses do not match. An
// `items` of nothing but blanks and comments gives no items.
bool SplitStepList(std::string_view items, std::vector<std::string_view>& out);

// The instance number of a reference token "#123", or 0 when the token is no reference.
std::uint64_t ParseStepReference(std::string_view token) noexcept;

// The text between the outer parentheses of an aggregate token "(...)", or empty optional.
std::optional<std::string_view> StepListItems(std::string_view token) noexcept;

}  // namespace Exporter
