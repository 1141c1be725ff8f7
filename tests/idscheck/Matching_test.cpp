// Facet parameters against model values where the conformance cases are thin: simple values read as
// the model value's kind asks, lengths in characters, the XML Schema regular expression dialect, and
// the lexical forms of IDS values.
#include "idscheck/check/Matching.h"

#include <gtest/gtest.h>

namespace {

using Ids::ModelValue;
using Ids::ValueConstraint;

ValueConstraint Simple(const std::string& text) {
  ValueConstraint constraint;
  constraint.kind = ValueConstraint::Kind::Simple;
  constraint.simple = text;
  return constraint;
}

ValueConstraint Restricted() {
  ValueConstraint constraint;
  constraint.kind = ValueConstraint::Kind::Restricted;
  return constraint;
}

ValueConstraint Pattern(const std::string& pattern) {
  ValueConstraint constraint = Restricted();
  Ids::XmlRegex regex;
  EXPECT_TRUE(regex.Compile(pattern)) << pattern;
  constraint.restriction.patterns.push_back(regex);
  return constraint;
}

ModelValue Integer(std::int64_t value) {
  ModelValue result;
  result.kind = ModelValue::Kind::Integer;
  result.integer = value;
  return result;
}

ModelValue Real(double value) {
  ModelValue result;
  result.kind = ModelValue::Kind::Real;
  result.real = value;
  return result;
}

ModelValue Boolean(bool value) {
  ModelValue result;
  result.kind = ModelValue::Kind::Boolean;
  result.boolean = value;
  return result;
}

TEST(IdsSimpleValue, IsReadAsTheModelValuesKind) {
  // An integer is met by an integer's text only; a real by any number's text, within the tolerance.
  EXPECT_TRUE(Ids::Matches(Simple("+42"), Integer(42)).Matched());
  for (const char* real : {"42.0", "42.", "4.2e1"}) {
    EXPECT_FALSE(Ids::Matches(Simple(real), Integer(42)).Matched()) << real;
  }
  EXPECT_TRUE(Ids::Matches(Simple("42"), Real(42.0000001)).Matched());
  EXPECT_TRUE(Ids::Matches(Simple("0"), Boolean(false)).Matched());
  // Unknown logicals, references and unset values meet no value.
  ModelValue unknown;
  unknown.kind = ModelValue::Kind::Logical;
  ModelValue reference;
  reference.kind = ModelValue::Kind::Reference;
  reference.reference = Ifc::InstanceNumber(5);
  for (const ModelValue& value : {unknown, reference, ModelValue::Null()}) {
    EXPECT_FALSE(Ids::Matches(Simple("false"), value).Matched());
    EXPECT_FALSE(Ids::Matches(Simple("#5"), value).Matched());
  }
}

TEST(IdsRestriction, LengthsCountCharactersAndPatternsUseXmlSchemaOnWholeValues) {
  ValueConstraint constraint = Restricted();
  constraint.restriction.length = 4;
  EXPECT_TRUE(Ids::Matches(constraint, ModelValue::String("W\xC3\xA4nd")).Matched());        // five bytes in UTF-8
  EXPECT_FALSE(Ids::Matches(Pattern("DT[0-9]{2}"), ModelValue::String("ADT01")).Matched());  // anchored at both ends
  EXPECT_FALSE(Ids::Matches(Pattern("DT[0-9]{2}"), ModelValue::String("DT012")).Matched());
  // '^' and '$' are ordinary characters in XML Schema, not anchors as in ECMAScript or POSIX.
  EXPECT_TRUE(Ids::Matches(Pattern("^A$"), ModelValue::String("^A$")).Matched());
  EXPECT_FALSE(Ids::Matches(Pattern("^A$"), ModelValue::String("A")).Matched());
  // Unicode categories and multi-character escapes.
  EXPECT_TRUE(Ids::Matches(Pattern("\\p{Lu}\\d+"), ModelValue::String("\xC3\x84"
                                                                      "12"))
                  .Matched());
  EXPECT_FALSE(Ids::Matches(Pattern("\\p{Lu}\\d+"), ModelValue::String("\xC3\xA4"
                                                                       "12"))
                   .Matched());
}

TEST(IdsLexical, NumbersFollowXmlSchema) {
  double value = 0.0;
  EXPECT_TRUE(Ids::ParseXsDouble("-.5E2", value));
  EXPECT_DOUBLE_EQ(value, -50.0);
  EXPECT_TRUE(Ids::ParseXsDouble("+INF", value));
  for (const char* bad : {"", ".", "1,5", "1e", "0x10", "1.2.3", " 1", "inf"}) {
    EXPECT_FALSE(Ids::ParseXsDouble(bad, value)) << bad;
  }
  std::int64_t integer = 0;
  EXPECT_TRUE(Ids::ParseXsInteger("-9223372036854775807", integer));
  EXPECT_EQ(integer, -9223372036854775807);
  EXPECT_FALSE(Ids::ParseXsInteger("42.0", integer));
  EXPECT_FALSE(Ids::ParseXsInteger("9223372036854775808", integer));
}

TEST(IdsLexical, DatesAndDurations) {
  // The invalid ones: a one-digit month, a space for T, hours before T, designators out of order or twice.
  const struct {
    const char* type;
    const char* text;
    bool valid;
  } cases[] = {{"xs:date", "2024-06-10+02:00", true},
               {"xs:dateTime", "2024-06-10T12:30:00.5Z", true},
               {"xs:time", "12:30:00", true},
               {"xs:duration", "P1Y2M3DT4H5M6S", true},
               {"xs:duration", "-PT0S", true},
               {"xs:date", "2024-6-10", false},
               {"xs:dateTime", "2024-06-10 12:30:00", false},
               {"xs:duration", "P1H", false},
               {"xs:duration", "P1D2Y", false},
               {"xs:duration", "P1D1D", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(Ids::IsLexicallyValid(c.type, c.text), c.valid) << c.text;
  }
}

}  // namespace
