// Facet parameters against model values: simple values read as the model value's kind asks,
// restrictions, the XML Schema regular expression dialect, the real tolerance at its edges, and the
// lexical forms of IDS values.
#include "Matching.h"

#include <gtest/gtest.h>

#include "Tolerance.h"

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

ModelValue Real(double value) {
  ModelValue result;
  result.kind = ModelValue::Kind::Real;
  result.real = value;
  return result;
}

ModelValue Integer(std::int64_t value) {
  ModelValue result;
  result.kind = ModelValue::Kind::Integer;
  result.integer = value;
  return result;
}

ModelValue Boolean(bool value) {
  ModelValue result;
  result.kind = ModelValue::Kind::Boolean;
  result.boolean = value;
  return result;
}

TEST(IdsSimpleValue, IsReadAsTheModelValuesKind) {
  EXPECT_TRUE(Ids::Matches(Simple("42"), Integer(42)));
  EXPECT_TRUE(Ids::Matches(Simple("42."), Real(42.0)));
  EXPECT_TRUE(Ids::Matches(Simple("4.2e1"), Real(42.0)));
  EXPECT_FALSE(Ids::Matches(Simple("42"), ModelValue::String("42.0")));
  EXPECT_TRUE(Ids::Matches(Simple("42"), ModelValue::String("42")));
  EXPECT_TRUE(Ids::Matches(Simple("true"), Boolean(true)));
  EXPECT_TRUE(Ids::Matches(Simple("0"), Boolean(false)));
  EXPECT_FALSE(Ids::Matches(Simple("TRUE"), Boolean(true)));  // booleans are lower case
  EXPECT_FALSE(Ids::Matches(Simple("waldo"), ModelValue::String("Waldo")));
  // Typed values are compared by what they wrap.
  EXPECT_TRUE(Ids::Matches(Simple("A"), ModelValue::Typed("IFCLABEL", ModelValue::String("A"))));
}

TEST(IdsSimpleValue, UnknownLogicalsReferencesAndUnsetValuesMatchNothing) {
  ModelValue unknown;
  unknown.kind = ModelValue::Kind::Logical;
  ModelValue reference;
  reference.kind = ModelValue::Kind::Reference;
  reference.reference = 5;
  for (const ModelValue& value : {unknown, reference, ModelValue::Null()}) {
    EXPECT_FALSE(Ids::Matches(Simple("false"), value));
    EXPECT_FALSE(Ids::Matches(Simple("#5"), value));
  }
}

TEST(IdsRestriction, EnumerationIsAnyOfItsValues) {
  ValueConstraint constraint = Restricted();
  constraint.restriction.enumerations = {"30", "35"};
  EXPECT_TRUE(Ids::Matches(constraint, Real(35.0000001)));
  EXPECT_FALSE(Ids::Matches(constraint, Real(31.0)));
  EXPECT_TRUE(Ids::Matches(constraint, ModelValue::String("30")));
}

TEST(IdsRestriction, BoundsApplyToNumbersOnly) {
  ValueConstraint constraint = Restricted();
  constraint.restriction.minExclusive = 3.0;
  constraint.restriction.maxInclusive = 10.0;
  EXPECT_FALSE(Ids::Matches(constraint, Integer(3)));
  EXPECT_TRUE(Ids::Matches(constraint, Integer(4)));
  EXPECT_TRUE(Ids::Matches(constraint, Real(10.0)));
  EXPECT_FALSE(Ids::Matches(constraint, Real(10.1)));
  EXPECT_FALSE(Ids::Matches(constraint, ModelValue::String("5")));
}

TEST(IdsRestriction, LengthsCountCharactersNotBytes) {
  ValueConstraint constraint = Restricted();
  constraint.restriction.length = 4;
  EXPECT_TRUE(Ids::Matches(constraint, ModelValue::String("Wänd")));  // five bytes in UTF-8
  EXPECT_FALSE(Ids::Matches(constraint, ModelValue::String("Wand1")));
  EXPECT_FALSE(Ids::Matches(constraint, Integer(1234)));  // lengths apply to strings
  constraint.restriction.length.reset();
  constraint.restriction.minLength = 2;
  constraint.restriction.maxLength = 3;
  EXPECT_FALSE(Ids::Matches(constraint, ModelValue::String("A")));
  EXPECT_TRUE(Ids::Matches(constraint, ModelValue::String("AB")));
  EXPECT_FALSE(Ids::Matches(constraint, ModelValue::String("ABCD")));
}

TEST(IdsPattern, UsesTheXmlSchemaDialectAndMatchesWholeValues) {
  EXPECT_TRUE(Ids::Matches(Pattern("DT[0-9]{2}"), ModelValue::String("DT01")));
  EXPECT_FALSE(Ids::Matches(Pattern("DT[0-9]{2}"), ModelValue::String("ADT01")));  // anchored at both ends
  EXPECT_FALSE(Ids::Matches(Pattern("DT[0-9]{2}"), ModelValue::String("DT012")));
  // '^' and '$' are ordinary characters in XML Schema, not anchors as in ECMAScript or POSIX.
  EXPECT_TRUE(Ids::Matches(Pattern("^A$"), ModelValue::String("^A$")));
  EXPECT_FALSE(Ids::Matches(Pattern("^A$"), ModelValue::String("A")));
  // Unicode categories and multi-character escapes.
  EXPECT_TRUE(Ids::Matches(Pattern("\\p{Lu}\\d+"), ModelValue::String("Ä12")));
  EXPECT_FALSE(Ids::Matches(Pattern("\\p{Lu}\\d+"), ModelValue::String("ä12")));
  EXPECT_FALSE(Ids::Matches(Pattern(".*"), Integer(1)));  // patterns apply to strings
}

TEST(IdsPattern, RefusesWhatIsNoRegularExpression) {
  Ids::XmlRegex regex;
  EXPECT_FALSE(regex.Compile("[A-"));
  EXPECT_FALSE(regex.Compile("(a"));
  EXPECT_FALSE(regex.Compile("\\q"));  // no such escape
  EXPECT_FALSE(regex.Matches("a"));    // nothing compiled matches nothing
  // An escaped '/' is read as '/': IDS documents write it so.
  ASSERT_TRUE(regex.Compile("[0-9]+\\/[0-9]+"));
  EXPECT_TRUE(regex.Matches("30/60"));
}

TEST(IdsTolerance, EqualityHoldsUpToTheEdgesAndNotBeyond) {
  // v = 1: 1 - 2e-6 .. 1 + 2e-6.
  EXPECT_TRUE(Ids::RealEquals(1.0, 1.000002));
  EXPECT_FALSE(Ids::RealEquals(1.0, 1.0000021));
  EXPECT_TRUE(Ids::RealEquals(1.0, 0.999998));
  EXPECT_FALSE(Ids::RealEquals(1.0, 0.9999979));
  // v = 0: the fixed part alone.
  EXPECT_TRUE(Ids::RealEquals(0.0, 0.000001));
  EXPECT_FALSE(Ids::RealEquals(0.0, -0.0000011));
  // Large values: the relative part dominates.
  EXPECT_TRUE(Ids::RealEquals(100000.0, 100000.1));
  EXPECT_FALSE(Ids::RealEquals(100000.0, 100000.100002));
  EXPECT_TRUE(Ids::RealEquals(-100000.0, -99999.9));
}

TEST(IdsTolerance, InclusiveBoundsWidenAndExclusiveBoundsNarrow) {
  EXPECT_TRUE(Ids::AboveMinInclusive(0.0, -0.000001));
  EXPECT_FALSE(Ids::AboveMinInclusive(0.0, -0.0000011));
  EXPECT_FALSE(Ids::AboveMinExclusive(0.0, 0.0000009));
  EXPECT_TRUE(Ids::AboveMinExclusive(0.0, 0.0000011));
  EXPECT_TRUE(Ids::BelowMaxInclusive(0.0, 0.000001));
  EXPECT_FALSE(Ids::BelowMaxInclusive(0.0, 0.0000011));
  EXPECT_FALSE(Ids::BelowMaxExclusive(0.0, -0.0000009));
  EXPECT_TRUE(Ids::BelowMaxExclusive(0.0, -0.0000011));
  // Never both inside an inclusive range and below its exclusive complement.
  for (const double x : {41.999958, 41.999957, 42.0, 41.99995}) {
    EXPECT_FALSE(Ids::AboveMinInclusive(42.0, x) && Ids::BelowMaxExclusive(42.0, x)) << x;
  }
}

TEST(IdsLexical, NumbersFollowXmlSchema) {
  double value = 0.0;
  EXPECT_TRUE(Ids::ParseXsDouble("1.", value));
  EXPECT_DOUBLE_EQ(value, 1.0);
  EXPECT_TRUE(Ids::ParseXsDouble("-.5E2", value));
  EXPECT_DOUBLE_EQ(value, -50.0);
  EXPECT_TRUE(Ids::ParseXsDouble("+INF", value));
  for (const char* bad : {"", ".", "1,5", "123,4.5", "1e", "0x10", "1.2.3", " 1", "inf"})
    EXPECT_FALSE(Ids::ParseXsDouble(bad, value)) << bad;
  std::int64_t integer = 0;
  EXPECT_TRUE(Ids::ParseXsInteger("+42", integer));
  EXPECT_EQ(integer, 42);
  EXPECT_TRUE(Ids::ParseXsInteger("-9223372036854775807", integer));
  EXPECT_FALSE(Ids::ParseXsInteger("42.0", integer));
  EXPECT_FALSE(Ids::ParseXsInteger("99999999999999999999", integer));
}

TEST(IdsLexical, DatesDurationsAndBooleans) {
  EXPECT_TRUE(Ids::IsLexicallyValid("xs:date", "2024-06-10"));
  EXPECT_TRUE(Ids::IsLexicallyValid("xs:date", "2024-06-10+02:00"));
  EXPECT_FALSE(Ids::IsLexicallyValid("xs:date", "2024-6-10"));
  EXPECT_TRUE(Ids::IsLexicallyValid("xs:dateTime", "2024-06-10T12:30:00.5Z"));
  EXPECT_FALSE(Ids::IsLexicallyValid("xs:dateTime", "2024-06-10 12:30:00"));
  EXPECT_TRUE(Ids::IsLexicallyValid("xs:time", "12:30:00"));
  EXPECT_TRUE(Ids::IsLexicallyValid("xs:duration", "P1Y2M3DT4H5M6S"));
  EXPECT_TRUE(Ids::IsLexicallyValid("xs:duration", "-PT0S"));
  EXPECT_FALSE(Ids::IsLexicallyValid("xs:duration", "P1H"));    // hours belong after T
  EXPECT_FALSE(Ids::IsLexicallyValid("xs:duration", "P1D2Y"));  // out of order
  EXPECT_TRUE(Ids::IsLexicallyValid("xs:boolean", "1"));
  EXPECT_FALSE(Ids::IsLexicallyValid("xs:boolean", "FALSE"));
  EXPECT_TRUE(Ids::IsLexicallyValid("xs:string", "anything at all"));
}

}  // namespace
