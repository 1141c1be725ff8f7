// Contributions written per schema, read from the real schema tables: what IFC2X3 lacks is adapted or
// skipped with a reason, value rules keep invalid values out, enumeration names stay unique.
#include "SchemaAdaptation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "AdaptedProperties.h"
#include "EnumerationNames.h"
#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySingleValue.h"
#include "IPL/PropertyTableValue.h"
#include "NamedBody.h"
#include "ValueRules.h"

namespace Exporter {
namespace {

using IfcReader::Schema;
using IfcReader::SchemaVersion;

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
  const auto positive = ParseNumericRule("x>0");
  const auto ratio = ParseNumericRule("0<=x<=1");
  const auto day = ParseNumericRule("1<=x<=31");
  ASSERT_TRUE(positive && ratio && day);
  EXPECT_FALSE(positive->Allows(0.0));
  EXPECT_TRUE(positive->Allows(1e-300));
  EXPECT_TRUE(ratio->Allows(0.0) && ratio->Allows(1.0));
  EXPECT_FALSE(ratio->Allows(1.0000000000000002) || ratio->Allows(-1e-300));
  EXPECT_FALSE(day->Allows(32) || day->Allows(0));
  EXPECT_EQ(ratio->Text(), "0<=x<=1");
  EXPECT_EQ(positive->Text(), "x>0");
  for (const char* bad : {"", "x", "y>0", "x>", "0<x>1", "x>0 ", "1>x"}) {
    EXPECT_FALSE(ParseNumericRule(bad)) << bad;
  }
}

// Widths come from each schema's table: IFC2X3's IfcLabel is a plain STRING, IFC4's and IFC4X3's
// STRING(255) (IFC4 from its package, IFC4X3 from value-type-rules.tsv).
TEST(ValueRules, TextWidthsAreEachSchemasOwn) {
  const std::string longest(255, 'x');
  const std::string tooLong = longest + "x";
  EXPECT_EQ(WidthOf(Ifc2x3, "IfcLabel"), 0u);
  EXPECT_EQ(ValueProblem(Ifc2x3, Label(tooLong.c_str())), "");
  for (const Schema* schema : {&Ifc4, &Ifc4x3}) {
    EXPECT_EQ(WidthOf(*schema, "IfcIdentifier"), 255u);
    EXPECT_EQ(ValueProblem(*schema, Label(longest.c_str())), "");
    EXPECT_EQ(ValueProblem(*schema, Label(tooLong.c_str())),
              "a text of 256 characters is longer than IfcLabel allows (255)");
  }
  EXPECT_EQ(WidthOf(Ifc4, "IfcText"), 0u);
  // Characters, not UTF-16 units: 255 characters beyond the Basic Multilingual Plane still fit.
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
    const std::optional<SchemaVersion> version = IfcReader::FindSchemaVersion(schemaName);
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
  EXPECT_NE(ValueProblem(Ifc4x3, Real(-0.001, IFCType::IfcNonNegativeLengthMeasure)), "");
  EXPECT_EQ(ValueProblem(Ifc4, Real(1.0, IFCType::IfcNormalisedRatioMeasure)), "");
  EXPECT_EQ(ValueProblem(Ifc4, Real(-1.5, IFCType::IfcLengthMeasure)), "");
  EXPECT_EQ(ValueProblem(Ifc2x3, Integer(1, IFCType::IfcPositiveInteger)),
            "IfcPositiveInteger is no value type of IFC2X3");
  const IPL::Value date(IPL::AnyValue::FromString(KT::UniString("2024-05-01")), IFCType::IfcDate);
  EXPECT_EQ(ValueProblem(Ifc4, date), "");
  EXPECT_EQ(ValueProblem(Ifc2x3, date), "IfcDate is no value type of IFC2X3");
  EXPECT_EQ(ValueProblem(Ifc2x3, IPL::Value()), "");  // nothing to write: written "$"
  EXPECT_FALSE(RuleOf(Ifc2x3, "IfcNonNegativeLengthMeasure"));
}

TEST(ValueRules, AllowedValuesMatchInTypeAndValue) {
  const KT::Array<IPL::Value> allowed{Label("A"), Label("B")};
  EXPECT_TRUE(IsAllowedValue(Label("B"), allowed));
  EXPECT_FALSE(IsAllowedValue(Label("C"), allowed));
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

TEST(NamedBody, AttributesFollowEachSchemasListAndRenames) {
  const std::vector<NamedValue> reference{
      {"Location", "'https://x'"}, {"Identification", "'21'"}, {"Name", "'Walls'"}, {"ReferencedSource", "#5"}};
  EXPECT_EQ(BuildNamedBody(Ifc2x3, "IfcClassificationReference", reference).text,
            "IFCCLASSIFICATIONREFERENCE('https://x','21','Walls',#5)");
  EXPECT_EQ(BuildNamedBody(Ifc4, "IfcClassificationReference", reference).text,
            "IFCCLASSIFICATIONREFERENCE('https://x','21','Walls',#5,$,$)");
  // A required owner history: filled from the fallbacks only where the schema demands one.
  const std::vector<NamedValue> set{
      {"GlobalId", "'0123456789012345678901'"}, {"Name", "'P'"}, {"HasProperties", "(#7)"}};
  const std::vector<NamedValue> owner{{"OwnerHistory", "#1"}};
  EXPECT_EQ(BuildNamedBody(Ifc2x3, "IfcPropertySet", set, owner).text,
            "IFCPROPERTYSET('0123456789012345678901',#1,'P',$,(#7))");
  EXPECT_EQ(BuildNamedBody(Ifc4, "IfcPropertySet", set, owner).text,
            "IFCPROPERTYSET('0123456789012345678901',$,'P',$,(#7))");
  const NamedBody unowned = BuildNamedBody(Ifc2x3, "IfcPropertySet", set);
  EXPECT_FALSE(unowned.Ok());
  EXPECT_EQ(unowned.missingRequired, "OwnerHistory");
  const NamedBody missing = BuildNamedBody(Ifc2x3, "IfcDistributionCircuit", {});
  EXPECT_EQ(missing.missingEntity, "IfcDistributionCircuit");
  const NamedBody dropped =
      BuildNamedBody(Ifc2x3, "IfcPropertyBoundedValue",
                     {{"Name", "'T'"}, {"LowerBoundValue", "IFCREAL(1.)"}, {"SetPointValue", "IFCREAL(2.)"}});
  EXPECT_EQ(dropped.text, "IFCPROPERTYBOUNDEDVALUE('T',$,$,IFCREAL(1.),$)");
  EXPECT_EQ(dropped.dropped, std::vector<std::string>{"SetPointValue"});
}

// The five kinds as each schema holds them; what IFC2X3 lacks is dropped or skipped with its reason.
TEST(AdaptedProperties, EachKindIsWrittenAsTheSchemaHoldsItOrSkippedWithItsReason) {
  IPL::PropertySingleValue single;
  single.SetName("Width");
  single.SetNominalValue(Real(0.3, IPL::IFCType::IfcLengthMeasure));
  EXPECT_EQ(AdaptProperty(Ifc4, single, 0).body, "IFCPROPERTYSINGLEVALUE('Width',$,IFCLENGTHMEASURE(0.3),$)");

  // Upper bound before lower bound, the set point last; IFC2X3 has no set point.
  IPL::PropertyBoundedValue bounded;
  bounded.SetName("Range");
  bounded.SetLowerBoundValue(Real(-0.005, IPL::IFCType::IfcLengthMeasure));
  bounded.SetUpperBoundValue(Real(0.005, IPL::IFCType::IfcLengthMeasure));
  bounded.SetSetPointValue(Real(0.001, IPL::IFCType::IfcLengthMeasure));
  EXPECT_EQ(AdaptProperty(Ifc4, bounded, 0).body,
            "IFCPROPERTYBOUNDEDVALUE('Range',$,IFCLENGTHMEASURE(0.005),IFCLENGTHMEASURE(-0.005),$,"
            "IFCLENGTHMEASURE(0.001))");
  const AdaptedInstance old = AdaptProperty(Ifc2x3, bounded, 0);
  EXPECT_EQ(old.body, "IFCPROPERTYBOUNDEDVALUE('Range',$,IFCLENGTHMEASURE(0.005),IFCLENGTHMEASURE(-0.005),$)");
  EXPECT_TRUE(Mentions(old.warnings, "IFC2X3's IfcPropertyBoundedValue has no SetPointValue"));
  // A set point alone says nothing in IFC2X3.
  IPL::PropertyBoundedValue setPointOnly;
  setPointOnly.SetName("Target");
  setPointOnly.SetSetPointValue(Real(2.0, IPL::IFCType::IfcLengthMeasure));
  EXPECT_FALSE(AdaptProperty(Ifc2x3, setPointOnly, 0).Ok());
  EXPECT_TRUE(AdaptProperty(Ifc4x3, setPointOnly, 0).Ok());

  // Empty values are left out of lists; a list without any value is not written, in IFC2X3 since it
  // requires one.
  IPL::PropertyListValue list;
  list.SetName("Layers");
  list.SetListValues(KT::Array<IPL::Value>{Label("a"), IPL::Value(), Label("b")});
  EXPECT_EQ(AdaptProperty(Ifc4, list, 0).body, "IFCPROPERTYLISTVALUE('Layers',$,(IFCLABEL('a'),IFCLABEL('b')),$)");
  list.SetListValues(KT::Array<IPL::Value>{});
  EXPECT_FALSE(AdaptProperty(Ifc4, list, 0).Ok());
  EXPECT_FALSE(AdaptProperty(Ifc2x3, list, 0).Ok());

  IPL::PropertyEnumeratedValue enumerated;
  enumerated.SetName("FireResistance");
  enumerated.SetEnumerationValues(KT::Array<IPL::Value>{Label("REI 90")});
  EXPECT_EQ(AdaptProperty(Ifc4, enumerated, 0).body,
            "IFCPROPERTYENUMERATEDVALUE('FireResistance',$,(IFCLABEL('REI 90')),$)");
  IPL::PropertyEnumeration grades;
  grades.SetEnumerationValues(KT::Array<IPL::Value>{Label("A"), Label("B")});
  enumerated.SetEnumerationReference(grades.Clone());
  enumerated.SetEnumerationValues(KT::Array<IPL::Value>{Label("C")});
  const AdaptedInstance rejected = AdaptProperty(Ifc4, enumerated, 9);
  EXPECT_FALSE(rejected.Ok());
  EXPECT_TRUE(Mentions(rejected.warnings, "IFCLABEL('C') is not in its enumeration"));
  enumerated.SetEnumerationValues(KT::Array<IPL::Value>{Label("B")});
  EXPECT_EQ(AdaptProperty(Ifc4, enumerated, 9).body,
            "IFCPROPERTYENUMERATEDVALUE('FireResistance',$,(IFCLABEL('B')),#9)");
  EXPECT_EQ(AdaptEnumeration(Ifc2x3, grades, u"Grades (2)").body,
            "IFCPROPERTYENUMERATION('Grades (2)',(IFCLABEL('A'),IFCLABEL('B')),$)");

  // The table in IFC2X3 has one attribute less.
  IPL::PropertyTableValue table;
  table.SetName("Curve");
  table.SetDefiningValues(
      KT::Array<IPL::Value>{Real(1.0, IPL::IFCType::IfcLengthMeasure), Real(2.0, IPL::IFCType::IfcLengthMeasure)});
  table.SetDefinedValues(KT::Array<IPL::Value>{Label("x"), Label("y")});
  EXPECT_EQ(AdaptProperty(Ifc4, table, 0).body,
            "IFCPROPERTYTABLEVALUE('Curve',$,(IFCLENGTHMEASURE(1.),IFCLENGTHMEASURE(2.)),"
            "(IFCLABEL('x'),IFCLABEL('y')),$,$,$,$)");
  EXPECT_EQ(AdaptProperty(Ifc2x3, table, 0).body,
            "IFCPROPERTYTABLEVALUE('Curve',$,(IFCLENGTHMEASURE(1.),IFCLENGTHMEASURE(2.)),"
            "(IFCLABEL('x'),IFCLABEL('y')),$,$,$)");
}

TEST(SchemaAdaptation, GroupTypesAClassificationAndRelationsFollowTheTables) {
  const auto circuit = AdaptGroupEntity(Ifc2x3, IPL::IFCType::IfcDistributionCircuit);
  ASSERT_TRUE(circuit);
  EXPECT_EQ(circuit->entity, "IfcSystem");
  EXPECT_EQ(circuit->objectType, "IfcDistributionCircuit");
  EXPECT_EQ(AdaptGroupEntity(Ifc2x3, IPL::IFCType::IfcBuildingSystem)->entity, "IfcSystem");
  EXPECT_EQ(AdaptGroupEntity(Ifc4x3, IPL::IFCType::IfcDistributionCircuit)->entity, "IfcDistributionCircuit");
  EXPECT_EQ(AdaptGroupEntity(Ifc4, IPL::IFCType::IfcGroup)->objectType, "");
  EXPECT_FALSE(AdaptGroupEntity(Ifc4, IPL::IFCType::IfcLabel));

  IPL::Classification classification;
  classification.name = "Board";
  classification.SetSource(KT::UniString("Source"));
  classification.SetEdition(KT::UniString("2024"));
  classification.SetEditionDate(KT::UniString("2024-01-15"));
  classification.SetLocation(KT::UniString("https://x"));
  std::vector<std::string> emitted;
  const EmitInstance emit = [&](const std::string& body) {
    emitted.push_back(body);
    return static_cast<std::uint32_t>(40 + emitted.size());
  };
  std::vector<std::string> warnings;
  EXPECT_EQ(ClassificationBody(Ifc2x3, classification, emit, warnings),
            "IFCCLASSIFICATION('Source','2024',#41,'Board')");
  EXPECT_EQ(emitted, std::vector<std::string>{"IFCCALENDARDATE(15,1,2024)"});
  EXPECT_TRUE(Mentions(warnings, "IFC2X3's IfcClassification has no Location"));
  warnings.clear();
  EXPECT_EQ(ClassificationBody(Ifc4x3, classification, emit, warnings),
            "IFCCLASSIFICATION('Source','2024','2024-01-15','Board',$,'https://x',$)");
  EXPECT_TRUE(warnings.empty());
  // Without its source IFC2X3 cannot have it, and no date is written for nothing.
  classification.SetSource(KT::Optional<KT::UniString>());
  EXPECT_EQ(ClassificationBody(Ifc2x3, classification, emit, warnings), "");
  EXPECT_TRUE(Mentions(warnings, "requires Source"));
  EXPECT_EQ(emitted.size(), 1u);

  // A date IFC2X3 cannot make an IfcCalendarDate of is left out, with a warning, and no instance.
  classification.SetSource(KT::UniString("Source"));
  for (const char* date : {"15.01.2024", "2024-13-01", "2024-01-1x"}) {
    classification.SetEditionDate(KT::UniString(date));
    warnings.clear();
    EXPECT_EQ(ClassificationBody(Ifc2x3, classification, emit, warnings),
              "IFCCLASSIFICATION('Source','2024',$,'Board')")
        << date;
    EXPECT_TRUE(Mentions(warnings, "cannot be written as IFC2X3's IfcCalendarDate")) << date;
  }
  EXPECT_EQ(emitted.size(), 1u);

  const Schema& old = Ifc2x3;
  EXPECT_FALSE(RelationAccepts(old, "IfcRelServicesBuildings", "NoSuchAttribute", old.FindEntity("IfcBuilding")));
  EXPECT_TRUE(RelationAccepts(old, "IfcRelServicesBuildings", "RelatedBuildings", old.FindEntity("IfcBuilding")));
  EXPECT_FALSE(RelationAccepts(old, "IfcRelServicesBuildings", "RelatedBuildings", old.FindEntity("IfcWall")));
  EXPECT_TRUE(RelationAccepts(Ifc4, "IfcRelServicesBuildings", "RelatedBuildings", Ifc4.FindEntity("IfcSpace")));
  EXPECT_TRUE(RelationAccepts(old, "IfcRelAssignsToGroup", "RelatedObjects", old.FindEntity("IfcSystem")));
}

}  // namespace
}  // namespace Exporter
