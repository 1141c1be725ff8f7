// Contributions written per schema, read from the real schema tables: what IFC2X3 lacks is adapted or
// skipped with a reason, value rules keep invalid values out, enumeration names stay unique.
#include "exporter/merge/SchemaAdaptation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyListValue.h"
#include "exporter/merge/AdaptedProperties.h"
#include "exporter/merge/EnumerationNames.h"
#include "exporter/merge/ValueRules.h"

namespace Exporter {
namespace {

using Ifc::Schema;
using Ifc::SchemaVersion;

const Schema& Ifc2x3 = Schema::Get(SchemaVersion::Ifc2x3);
const Schema& Ifc4 = Schema::Get(SchemaVersion::Ifc4);
const Schema& Ifc4x3 = Schema::Get(SchemaVersion::Ifc4x3Add2);

IPL::Value Real(double x, IPL::IFCType type) {
  return IPL::Value(IPL::AnyValue::FromReal(x), type);
}
IPL::Value Integer(std::int64_t n, IPL::IFCType type) {
  return IPL::Value(IPL::AnyValue::FromInteger(n), type);
}
IPL::Value Label(const char* text) {
  return IPL::Value(IPL::AnyValue::FromString(KT::UniString(text)), IPL::IFCType::IfcLabel);
}

bool Mentions(const std::vector<std::string>& warnings, const std::string& part) {
  return std::any_of(warnings.begin(), warnings.end(),
                     [&](const std::string& warning) { return warning.find(part) != std::string::npos; });
}

TEST(ValueRules, RulesParseAndHoldAtTheirBounds) {
  const auto ratio = ParseNumericRule("0<=x<=1");
  ASSERT_TRUE(ratio);
  EXPECT_TRUE(ratio->Allows(0.0) && ratio->Allows(1.0));
  EXPECT_FALSE(ratio->Allows(1.0000000000000002) || ratio->Allows(-1e-300));
  for (const char* bad : {"", "x", "y>0", "x>", "0<x>1", "x>0 ", "1>x"}) {
    EXPECT_FALSE(ParseNumericRule(bad)) << bad;
  }
}

// A text exactly as wide as IfcLabel allows fits, counted in characters, not UTF-16 units (the tool's
// runs meet the text one too wide).
TEST(ValueRules, TextWidthsAreCountedInCharacters) {
  EXPECT_EQ(ValueProblem(Ifc4x3, Label(std::string(255, 'x').c_str())), "");
  std::u16string astral;
  for (int i = 0; i < 255; ++i) {
    astral += u"\U0001F3E0";
  }
  EXPECT_EQ(ValueProblem(Ifc4, IPL::Value(IPL::AnyValue::FromString(KT::UniString(astral)), IPL::IFCType::IfcLabel)),
            "");
}

// Every width and rule of value-type-rules.tsv reaches the tool through the generated tables, and each
// rule is one the tool reads back as written.
TEST(ValueRules, EveryListedWidthAndRuleReachesTheTool) {
  std::ifstream file(VALUE_TYPE_RULES_FILE);
  ASSERT_TRUE(file) << VALUE_TYPE_RULES_FILE;
  std::size_t rows = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    std::istringstream fields(line);
    std::string schemaName, type, width, rule;
    std::getline(fields, schemaName, '\t');
    std::getline(fields, type, '\t');
    std::getline(fields, width, '\t');
    std::getline(fields, rule, '\t');
    const std::optional<SchemaVersion> version = Ifc::FindSchemaVersion(schemaName);
    ASSERT_TRUE(version) << line;
    const Schema& schema = Schema::Get(*version);
    EXPECT_EQ(WidthOf(schema, type), width.empty() ? 0 : std::stoul(width)) << line;
    const std::optional<NumericRule> read = RuleOf(schema, type);
    EXPECT_EQ(read ? read->Text() : std::string(), rule) << line;
    ++rows;
  }
  EXPECT_GE(rows, 20u);
}

// The rules themselves are checked above and against the table; a value is checked against its own
// schema's rule, if any, and a type the schema lacks is named.
TEST(ValueRules, ValuesBreakingTheirSchemasRuleOrTypeAreNamed) {
  using IPL::IFCType;
  EXPECT_EQ(ValueProblem(Ifc2x3, Real(0.0, IFCType::IfcPositiveLengthMeasure)),
            "IfcPositiveLengthMeasure 0 breaks its rule x>0");
  EXPECT_EQ(ValueProblem(Ifc4x3, Real(14.5, IFCType::IfcPHMeasure)), "IfcPHMeasure 14.5 breaks its rule 0<=x<=14");
  EXPECT_EQ(ValueProblem(Ifc4, Integer(0, IFCType::IfcPositiveInteger)), "IfcPositiveInteger 0 breaks its rule x>0");
  EXPECT_EQ(ValueProblem(Ifc4, Real(1.0, IFCType::IfcNormalisedRatioMeasure)), "");
  EXPECT_EQ(ValueProblem(Ifc4, Real(-1.5, IFCType::IfcLengthMeasure)), "");
  EXPECT_EQ(ValueProblem(Ifc2x3, Integer(1, IFCType::IfcPositiveInteger)),
            "IfcPositiveInteger is no value type of IFC2X3");
  EXPECT_EQ(ValueProblem(Ifc2x3, IPL::Value()), "");  // nothing to write: written "$"
  EXPECT_FALSE(RuleOf(Ifc2x3, "IfcNonNegativeLengthMeasure"));
}

TEST(ValueRules, AllowedValuesMatchInTypeAndValue) {
  const KT::Array<IPL::Value> allowed{Label("A"), Label("B")};
  EXPECT_TRUE(IsAllowedValue(Label("B"), allowed));
  EXPECT_FALSE(
      IsAllowedValue(IPL::Value(IPL::AnyValue::FromString(KT::UniString("B")), IPL::IFCType::IfcText), allowed));
}

TEST(EnumerationNames, DifferentListsOfOneNameAndListsWithoutNameGetNamesOfTheirOwn) {
  EnumerationNames names(255);
  names.Reserve(u"Colours");  // the file's own
  EXPECT_EQ(names.NameFor(u"Colours", u"Colour", "(red)"), u"Colours (2)");
  EXPECT_EQ(names.NameFor(u"Colours", u"Shade", "(cyan)"), u"Colours (3)");
  EXPECT_EQ(names.NameFor(u"Colours", u"Other", "(red)"), u"Colours (2)");  // the same list: the same name
  EXPECT_EQ(names.NameFor(u"", u"Finish", "(matt)"), u"Finish");
  EXPECT_EQ(names.NameFor(u"", u"Finish", "(gloss)"), u"Finish (2)");
  EXPECT_EQ(names.NameFor(u"Finish", u"Finish", "(satin)"), u"Finish (3)");
  EXPECT_EQ(names.NameFor(u"", u"", "(a)"), u"Enumeration");
  // A suffix never pushes a name past the width of the schema's IfcLabel; an unbounded one cuts nothing.
  const std::u16string wide(255, u'w');
  EXPECT_EQ(names.NameFor(wide, u"", "(1)"), wide);
  const std::u16string second = names.NameFor(wide, u"", "(2)");
  EXPECT_EQ(second.size(), 255u);
  EXPECT_EQ(second.substr(second.size() - 4), u" (2)");
  EnumerationNames unbounded(0);
  EXPECT_EQ(unbounded.NameFor(wide + u"w", u"", "(1)"), wide + u"w");
  EXPECT_EQ(unbounded.NameFor(wide + u"w", u"", "(2)"), wide + u"w (2)");
}

// The tool's runs write each kind in each schema (checked by an independent reader); here what they
// do not meet: a set point alone, which says nothing in IFC2X3, and lists with empty values, which are
// left out, and without any value, which are not written at all.
TEST(AdaptedProperties, WhatWouldSayNothingIsNotWritten) {
  IPL::PropertyBoundedValue setPointOnly;
  setPointOnly.SetName("Target");
  setPointOnly.SetSetPointValue(Real(2.0, IPL::IFCType::IfcLengthMeasure));
  const AdaptedInstance old = AdaptProperty(Ifc2x3, setPointOnly);
  EXPECT_FALSE(old.Ok());
  EXPECT_TRUE(Mentions(old.warnings, "IFC2X3's IfcPropertyBoundedValue has no SetPointValue")) << old.warnings.size();
  EXPECT_TRUE(AdaptProperty(Ifc4x3, setPointOnly).Ok());

  IPL::PropertyListValue list;
  list.SetName("Layers");
  list.SetListValues(KT::Array<IPL::Value>{Label("a"), IPL::Value(), Label("b")});
  EXPECT_EQ(AdaptProperty(Ifc4, list).body, "IFCPROPERTYLISTVALUE('Layers',$,(IFCLABEL('a'),IFCLABEL('b')),$)");
  list.SetListValues(KT::Array<IPL::Value>{});
  EXPECT_FALSE(AdaptProperty(Ifc4, list).Ok());
}

// A classification's edition date becomes IFC2X3's IfcCalendarDate; one that cannot is left out with
// a warning and no instance, as is the location IFC2X3 has no place for.
TEST(SchemaAdaptation, AClassificationKeepsWhatIfc2x3CanHold) {
  IPL::Classification classification;
  classification.name = "Board";
  classification.SetSource(KT::UniString("Source"));
  classification.SetEdition(KT::UniString("2024"));
  classification.SetLocation(KT::UniString("https://x"));
  std::vector<std::string> emitted;
  const EmitInstance emit = [&](const std::string& body) {
    emitted.push_back(body);
    return InstanceNumber(40 + emitted.size());
  };
  std::vector<std::string> warnings;
  for (const char* date : {"15.01.2024", "2024-13-01", "2024-01-1x"}) {
    classification.SetEditionDate(KT::UniString(date));
    warnings.clear();
    EXPECT_EQ(ClassificationBody(Ifc2x3, classification, emit, warnings),
              "IFCCLASSIFICATION('Source','2024',$,'Board')")
        << date;
    EXPECT_TRUE(Mentions(warnings, "cannot be written as IFC2X3's IfcCalendarDate")) << date;
    EXPECT_TRUE(Mentions(warnings, "IFC2X3's IfcClassification has no Location")) << date;
  }
  EXPECT_TRUE(emitted.empty());
}

}  // namespace
}  // namespace Exporter
