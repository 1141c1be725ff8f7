// Whether a value from the model meets an IDS facet parameter (simple value or restriction).
//
// The IDS side is text; it is read as the model value's kind asks: a number for numbers (reals equal
// within the IDS tolerance, see Tolerance.h), "true"/"false"/"1"/"0" for booleans, the exact
// characters for strings. Patterns and lengths apply to strings only, bounds to numbers only. A value
// a pattern could not be matched against is "not checked" (see XmlRegex.h), unless another part of
// the constraint already refuses it or another pattern matches it.
//
//   Ids::ModelValue wall = Ids::ModelValue::String("WT01");
//   bool ok = Ids::Matches(constraint, wall).Matched();
#pragma once

#include <string>
#include <string_view>

#include "idscheck/check/Document.h"
#include "idscheck/check/MatchOutcome.h"
#include "idscheck/check/ModelValue.h"

namespace Ids {

MatchOutcome Matches(const ValueConstraint& constraint, const ModelValue& value);
// A string as the model value would be (entity names, property names, predefined types).
MatchOutcome MatchesText(const ValueConstraint& constraint, std::string_view text);

// The lexical forms of the XML Schema types IDS values use.
bool ParseXsDouble(std::string_view text, double& value) noexcept;
bool ParseXsInteger(std::string_view text, std::int64_t& value) noexcept;
bool ParseXsBoolean(std::string_view text, bool& value) noexcept;
// Whether `text` is in the lexical space of `base` ("xs:double", "xs:date", ...); unknown bases and
// xs:string accept anything.
bool IsLexicallyValid(std::string_view base, std::string_view text);

// The value in words for reasons: "IFCBOOLEAN(.F.)", "'Waldo'", "42.5", "null".
std::string DescribeValue(const ModelValue& value);

}  // namespace Ids
