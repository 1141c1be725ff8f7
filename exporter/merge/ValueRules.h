// Whether a contributed value may be written into a file of a given schema: its type must be a value
// type of that schema, a text must fit its type's width (IfcLabel: 255 characters), and a number must
// keep its type's rule (IfcPositiveLengthMeasure > 0, IfcNormalisedRatioMeasure within 0..1, ...).
// Widths and rules are read from the schema's defined-type table only (ifc/schema/
// value-type-rules.tsv fills them in), so they differ where the schemas do: IFC2X3's IfcLabel is an
// unbounded STRING.
//
//   const Ifc::Schema& schema = Ifc::Schema::Get(Ifc::SchemaVersion::Ifc2x3);
//   const std::string problem = ValueProblem(schema, value);   // "" when it may be written
//   if (!problem.empty()) Warn("skipped: " + problem);         // "IfcDate is no value type of IFC2X3"
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "IPL/Value.h"
#include "KT/Array.h"
#include "ifc/schema/Schema.h"

namespace Exporter {

// A numeric rule "x>0", "x>=0", "0<=x<=1", "1<=x<=31": an optional lower and upper bound, each open
// or closed.
struct NumericRule {
  std::optional<double> lower;
  bool lowerClosed = false;
  std::optional<double> upper;
  bool upperClosed = false;

  bool Allows(double x) const noexcept;
  std::string Text() const;  // as parsed, e.g. "0<=x<=1"
};

// The rule written as `text`; empty when there is none or it is not of that form.
std::optional<NumericRule> ParseNumericRule(std::string_view text);

// The rule of the defined type `definedType` in `schema`, as its table gives it; empty when it has none.
std::optional<NumericRule> RuleOf(const Ifc::Schema& schema, std::string_view definedType);

// The longest text the defined type `definedType` holds in `schema`, as its table gives it; 0 when
// unbounded.
std::size_t WidthOf(const Ifc::Schema& schema, std::string_view definedType);

// Why `value` cannot be written as a property value in a file of `schema`; empty when it can (a value
// that holds nothing can: it is written "$").
std::string ValueProblem(const Ifc::Schema& schema, const IPL::Value& value);

// Whether `value` is one of `allowed` (same IFC type, same raw value).
bool IsAllowedValue(const IPL::Value& value, const KT::Array<IPL::Value>& allowed);

}  // namespace Exporter
