// Attribute values read from an IFC file, as a person reads them: strings as their text, booleans and
// logicals as words, enumerations without their dots, typed values split into IFC type and value.
//
//   ValueText(name)                          // 'Wand \X2\00C4\X0\' -> "Wand Ä"
//   ValueText(predefinedType)                // .SOLIDWALL. -> "SOLIDWALL"
//   SplitTyped(value, schema)                // IFCLABEL('REI 90') -> {"IfcLabel", "REI 90"}
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ifc/schema/Schema.h"
#include "ifc/step/Value.h"

namespace Exporter {

// The text of a value: a string as it is; .T., .F., .U. as "TRUE", "FALSE", "UNKNOWN"; any other
// enumeration by its name; a binary by its hex digits; numbers as written; a reference as "#N"; a
// typed value by its inner value; a list by its items joined with ", ". Empty for $ and *.
std::optional<std::string> ValueText(const Ifc::Value& value);

// ValueText, taking the text out of `value` where it is the answer as it stands (strings, numbers,
// binaries, enumerations other than logicals), so that a long text is never held twice.
std::optional<std::string> TakeValueText(Ifc::Value& value);

struct TypedText {
  std::string ifcType;  // as the schema spells it, "IfcLabel"; empty for an untyped value
  std::string value;
};

// A typed value as its type (spelled as `schema` spells it) and its text; an untyped one with an
// empty type. Empty for $ and *.
std::optional<TypedText> SplitTyped(const Ifc::Value& value, const Ifc::Schema& schema);

// SplitTyped of the value that begins at `at` in `text`, read off the bytes without parsing it when
// it is written plainly (Ifc::ReadPlainValue; a typed $ aside). `plain` is false for anything else,
// and the caller parses the value; when true, `typed` is what parsing and SplitTyped would give.
struct PlainTyped {
  bool plain = false;
  std::optional<TypedText> typed;
};
PlainTyped ReadPlainTyped(std::string_view text, std::size_t at, const Ifc::Schema& schema);

// Appends the instance numbers of a list of references that begins at `at` in `text` and is written
// plainly, "(#1,#2)" or "()", followed at once by ',' or ')'. False for anything else, with `out` as
// it was: the caller parses the value.
bool ReadPlainReferences(std::string_view text, std::size_t at, std::vector<Ifc::InstanceNumber>& out);

}  // namespace Exporter
