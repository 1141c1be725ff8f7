// Attribute values of a STEP instance as a person reads them: strings decoded to UTF-8, enumerations
// without their dots, typed values split into their IFC type and their value.
//
//   StepValueText("'Wand \\X2\\00C4\\X0\\'")      // "Wand Ä"
//   StepValueText(".SOLIDWALL.")                  // "SOLIDWALL"
//   const TypedText fire = SplitTypedValue("IFCLABEL('REI 90')");  // {"IfcLabel", "REI 90"}
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Exporter {

// The text of one attribute token: a string decoded; ".T.", ".F.", ".U." as "TRUE", "FALSE",
// "UNKNOWN"; any other enumeration without its dots; a binary without its quotes; anything else
// (numbers, references) as written. Empty optional for "$", "*" and a malformed string.
std::optional<std::string> StepValueText(std::string_view token);

struct TypedText {
  std::string ifcType;  // as the schema spells it, "IfcLabel"; empty when the token is untyped
  std::string value;
};

// A typed value token "IFCLABEL('x')" as its type and value text; an untyped token keeps its text and
// an empty type. Empty optional for "$" or a malformed token.
std::optional<TypedText> SplitTypedValue(std::string_view token);

}  // namespace Exporter
