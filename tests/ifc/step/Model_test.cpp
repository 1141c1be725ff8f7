#include "ifc/step/Model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "StatusAssertions.h"
#include "tests/ifc/IfcFileText.h"

namespace Ifc {
namespace {

using namespace std::string_literals;

const std::string Header = IfcFileHeader();
const std::string Footer = kIfcFileFooter;
const std::string Wall = "#1=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n";  // line 8

// The reader's error for `text` ("" when it reads), with the file named m.ifc.
std::string ErrorOf(const std::string& text, bool strict = false) {
  Model model;
  ReadOptions options;
  options.strict = strict;
  return FailureText(model.Read(text.data(), text.size(), "m.ifc", options));
}

// An instance's number and its index are never taken for one another.
static_assert(!std::is_convertible_v<InstanceNumber, InstanceIndex> &&
                  !std::is_convertible_v<InstanceIndex, InstanceNumber> &&
                  !std::is_convertible_v<std::uint64_t, InstanceNumber> &&
                  !std::is_convertible_v<std::uint32_t, InstanceIndex>,
              "instance numbers and indices are distinct types");

TEST(Model, IndexesInstancesAndLooksThemUp) {
  const std::string text = Header +
                           "#7=IFCWALL('3W0000001008000000000H',$,'W\\X2\\00E4\\X0\\nd;)''(',$,$,$,$,$,.SOLIDWALL.);\n"
                           "/* a comment; with #8=IFCWALL( */\n"
                           "#9000000000000=IFCCARTESIANPOINT((0.,0.,0.));\n"
                           "#3 = IFCSLAB (/* its id: */ '2m00000010080000000001',$,$,$,$,#9000000000000,$,$,$);\n"
                           "#4=IFCWALLSTANDARDCASE('2m00000010080000000002',$,$,$,$,$,$,$,$ /* ); */\n);\n" +
                           Footer;
  Model model;
  ASSERT_TRUE(Succeeded(model.Read(text.data(), text.size(), "m.ifc")));
  ASSERT_EQ(model.InstanceCount(), 4u);
  const Schema& schema = model.GetSchema();
  EXPECT_EQ(model.Line(InstanceIndex(1)), 10u);
  EXPECT_EQ(model.Text(InstanceIndex(1)), "#9000000000000=IFCCARTESIANPOINT((0.,0.,0.));");
  EXPECT_EQ(model.Arguments(InstanceIndex(2)), "/* its id: */ '2m00000010080000000001',$,$,$,$,#9000000000000,$,$,$");
  EXPECT_EQ(model.Where(InstanceIndex(2)), "m.ifc:11: #3: ");
  EXPECT_EQ(model.Text(InstanceIndex(3)),
            "#4=IFCWALLSTANDARDCASE('2m00000010080000000002',$,$,$,$,$,$,$,$ /* ); */\n);");
  // Numbers beyond 32 bits, far apart: the sorted index.
  EXPECT_EQ(model.Find(InstanceNumber(9000000000000)), InstanceIndex(1));
  EXPECT_EQ(model.Find(InstanceNumber(3)), InstanceIndex(2));
  EXPECT_FALSE(model.Find(InstanceNumber(8)).Valid());
  EXPECT_EQ(model.LargestNumber(), InstanceNumber(9000000000000));
  EXPECT_EQ(model.FindByGlobalId("2m00000010080000000001"), InstanceIndex(2));
  EXPECT_FALSE(model.FindByGlobalId("2m00000010080000000009").Valid());
  EXPECT_FALSE(model.FindByGlobalId("not a GlobalId").Valid());
  EXPECT_EQ(model.RootedInstances().size(), 3u);

  // By entity, with or without subtypes, in file order.
  const EntityId wall = schema.FindEntity("IfcWall");
  EXPECT_EQ(model.InstancesOf(wall), (std::vector<InstanceIndex>{InstanceIndex(0), InstanceIndex(3)}));
  EXPECT_EQ(model.InstancesOf(wall, true), (std::vector<InstanceIndex>{InstanceIndex(0)}));
  EXPECT_EQ(model.InstancesOf(schema.FindEntity("IFCBUILDINGELEMENT")).size(), 3u);
  EXPECT_TRUE(model.InstancesOf(schema.FindEntity("IfcDoor")).empty());

  // Attributes by a slot resolved once, and by name.
  const AttributeSlot name = schema.FindAttribute(schema.FindEntity("IfcRoot"), "Name");
  EXPECT_EQ(model.Attribute(InstanceIndex(0), name)->text, "W\xC3\xA4nd;)'(");
  EXPECT_EQ(model.Attribute(InstanceIndex(2), "ObjectPlacement")->reference, InstanceNumber(9000000000000));
  EXPECT_FALSE(model.Attribute(InstanceIndex(1), name).has_value());  // a point has no Name
  EXPECT_FALSE(model.Attribute(InstanceIndex(0), "Colour").has_value());
}

TEST(Model, ReferencesToAnInstanceAreIndexedOnDemand) {
  const std::string text = Header +
                           "#1=IFCCARTESIANPOINT((0.,0.));\n"
                           "#2=IFCDIRECTION((1.,0.));\n"
                           "#3=IFCAXIS2PLACEMENT2D(#1,#2);\n"
                           "#4=IFCPOLYLINE((#1,#1,/* #2 */ #5));\n"
                           "#5=IFCCARTESIANPOINT((1.,0.));\n"
                           "#6=IFCPROPERTYSINGLEVALUE('#1',$,IFCLABEL('#2'),$);\n" +
                           Footer;
  Model model;
  ASSERT_TRUE(Succeeded(model.Read(text.data(), text.size(), "m.ifc")));
  const auto referrers = [&](std::uint64_t number) {
    std::vector<std::uint64_t> out;
    for (const InstanceIndex index : model.ReferencesTo(model.Find(InstanceNumber(number)))) {
      out.push_back(model.Number(index).Value());
    }
    return out;
  };
  // Each referrer once, in file order; references in comments and strings are none.
  EXPECT_EQ(referrers(1), (std::vector<std::uint64_t>{3, 4}));
  EXPECT_EQ(referrers(2), (std::vector<std::uint64_t>{3}));
  EXPECT_EQ(referrers(5), (std::vector<std::uint64_t>{4}));  // a forward reference
  EXPECT_TRUE(referrers(6).empty());
}

TEST(Model, SyntaxErrorsNameTheFaultItsLineAndInstance) {
  const std::string slab = "#2=IFCSLAB('3W0000001008000000000I',";  // on line 9
  struct Case {
    std::string data;
    std::string error;
  };
  const Case cases[] = {
      {slab + ",$,$,$,$,$,$,$);\n", "m.ifc:9: #2: two ',' in a row"},
      {"#2=IFCSLAB('3W0000001008000000000I' $,$,$,$,$,$,$,$);\n", "m.ifc:9: #2: ',' missing before '$'"},
      {slab + "$,$,$,$,$,$,$,$,);\n", "m.ifc:9: #2: ')' right after ',': a value is missing"},
      {"#2=IFCSLAB(,'3W0000001008000000000I',$,$,$,$,$,$,$);\n", "m.ifc:9: #2: ',' with no value before it"},
      {slab + "$,$,$,$,$,$,$,$)\n#3=", "m.ifc:9: #2: ';' missing after the instance's ')', found '#3'"},
      {slab + "$,$,$,$,$,$,$,$;\n", "m.ifc:9: #2: ';' inside the argument list: 1 '(' not closed"},
      {slab + "$,$,$,$,$,$,$,$));\n", "m.ifc:9: #2: ';' missing after the instance's ')', found ')'"},
      {slab + "$,\n$,IFCLABEL('a','b'),$,$,$,$,$);\n", "m.ifc:10: #2: ',' inside a typed value, which holds one value"},
      {slab + "$,$,$,$,$,$,$,$) x;\n", "m.ifc:9: #2: ';' missing after the instance's ')', found 'x'"},
      {slab + "$,'a\0b',$,$,$,$,$,$);\n"s, "m.ifc:9: #2: a NUL byte in a string"},
      {slab + "$,$,$,$,$,$,$,$);\n#3=\0"s, "m.ifc:10: #3: a NUL byte"},
      {slab + "$,$,$,$,$,$,$,$); /* never closed\n", "m.ifc:9: unterminated comment (it begins on line 9)"},
      {slab + "$,$,$,$,$,$,$,$);\ngarbage;\n",
       "m.ifc:10: an instance \"#N=ENTITY(...);\" or ENDSEC; expected after #2, found 'garbage'"},
      {"#2=IFCWALLX($);\n", "m.ifc:9: #2: unknown entity IFCWALLX (not in the IFC4 schema)"},
      {"#2=IFCROOT('3W0000001008000000000H',$,$,$);\n",
       "m.ifc:9: #2: entity IFCROOT is abstract and cannot be instantiated"},
      {"#2=(IFCSLAB());\n",
       "m.ifc:9: #2: instances of several entities at once (\"#N=(A(...)B(...));\") are not supported"},
      {"#18446744073709551616=IFCSLAB();\n", "m.ifc:9: instance number #18446744073709551616 does not fit in 64 bits"},
      {"#2=1;\n", "m.ifc:9: #2: an entity name expected after '=', found '1'"},
      {"#2 \0"s, "m.ifc:9: #2: a NUL byte"},
      {"#2=IFCSLAB;\n", "m.ifc:9: #2: '(' expected after the entity name, found ';'"},
      {"#2=IFCSLAB\0"s, "m.ifc:9: #2: a NUL byte"},
      {"#2=IFCSLAB/*" + std::string(70000, ' ') + "*/($);\n",
       "m.ifc:9: #2: too much between the instance name and its '('"},
      {slab + "$,$,$,$,$,$,$,$)\0"s, "m.ifc:9: #2: a NUL byte"},
      {slab + "$,IFCLABEL 'a',$,$,$,$,$,$);\n", "m.ifc:9: #2: '(' expected after the type name IFCLABEL, found ''a''"},
      {slab + "$,IFCLABEL\0"s, "m.ifc:9: #2: a NUL byte"},
      {slab + "$,IFCLABEL(),$,$,$,$,$,$);\n", "m.ifc:9: #2: a typed value without its value"},
      {slab + "$," + std::string(64, '(') + std::string(64, ')') + ",$,$,$,$,$,$);\n", ""},
      {slab + "$," + std::string(65, '(') + std::string(65, ')') + ",$,$,$,$,$,$);\n",
       "m.ifc:9: #2: values nested more than 64 deep"},
      {slab + "$,($,=),$,$,$,$,$,$);\n", "m.ifc:9: #2: unexpected '=' inside the argument list"},
      {slab + "$,(($);\n", "m.ifc:9: #2: ';' inside the argument list: 2 '(' not closed"},
      {"#9000000000000=IFCSLAB('3W0000001008000000000I',$,$,$,$,$,$,$,$);\n#3=IFCSLAB('3W0000001008000000000J',$,$,$,$,"
       "$,$,$,$);\n"
       "#9000000000000=IFCSLAB('3W0000001008000000000K',$,$,$,$,$,$,$,$);\n",
       "m.ifc:11: #9000000000000: duplicate instance number (first used on line 9)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorOf(Header + Wall + c.data + Footer), c.error) << c.data;
  }
  EXPECT_EQ(ErrorOf(Header + Wall + "#2=IFCSLAB(#1,$"), "m.ifc:9: #2: the file ends inside this instance");
  EXPECT_EQ(ErrorOf(Header + Wall), "m.ifc:9: the file ends inside the DATA section (ENDSEC; missing)");
  EXPECT_EQ(ErrorOf(Header + Wall + "ENDSEC;\n"), "m.ifc:10: the file ends before END-ISO-10303-21;");
  EXPECT_EQ(ErrorOf(Header.substr(0, 40)), "m.ifc:3: the file ends inside the header record FILE_DESCRIPTION");
  EXPECT_EQ(ErrorOf(""), "m.ifc:1: not an ISO 10303-21 file (it does not begin with ISO-10303-21;)");
}

// A file of another kind is named so, not by its first byte: binary starts (an image, an archive, NUL
// bytes), text that is no token, a byte order mark, text that is a token but not the keyword.
TEST(Model, WhatDoesNotBeginWithTheKeywordIsNoExchangeFile) {
  const std::string notStep = "m.ifc:1: not an ISO 10303-21 file (it does not begin with ISO-10303-21;)";
  const std::string starts[] = {
      "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s,  // PNG
      "PK\x03\x04\x14\0\0\0"s,           // ZIP, as IFCZIP files are
      "\x1f\x8b\x08\0"s,                 // gzip
      "\0\0\0\0"s,
      "{\"schema\": \"IFC4\"}"s,
      "\xEF\xBB\xBFISO-10303-21;"s,
      "ISO-10303-22;"s,
  };
  for (const std::string& start : starts) {
    EXPECT_EQ(ErrorOf(start + "\nHEADER;\n"), notStep) << start;
  }
  EXPECT_EQ(ErrorOf("\n\n\x89PNG"), "m.ifc:3: not an ISO 10303-21 file (it does not begin with ISO-10303-21;)");
}

// The sections around the instances: what is missing or out of place, named with its line.
TEST(Model, FaultsOfTheHeaderAndTheSectionsNameTheirLine) {
  const std::string start = "ISO-10303-21;\nHEADER;\n";
  const std::string description = "FILE_DESCRIPTION((''),'2;1');\n";
  const std::string name = "FILE_NAME('m.ifc','2026-01-01T00:00:00',(''),(''),'','','');\n";
  const std::string schema = "FILE_SCHEMA(('IFC4'));\n";
  const std::string header = start + description + name + schema + "ENDSEC;\n";
  const std::string data = "DATA;\n" + Wall;
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      {"\0"s, "m.ifc:1: not an ISO 10303-21 file (it does not begin with ISO-10303-21;)"},
      {"ISO-10303-21 HEADER;", "m.ifc:1: ';' after ISO-10303-21 expected, found 'HEADER'"},
      {"ISO-10303-21;\n\0"s, "m.ifc:2: a NUL byte"},
      {"ISO-10303-21;\nDATA;", "m.ifc:2: HEADER; expected"},
      {"ISO-10303-21;\nHEADER\n" + description, "m.ifc:3: ';' after HEADER expected, found 'FILE_DESCRIPTION'"},
      {start + "#1=IFCWALL();", "m.ifc:3: a header record or ENDSEC; expected, found '#1'"},
      {start + "\0"s, "m.ifc:3: a NUL byte"},
      {start + description, "m.ifc:4: the file ends inside the header (ENDSEC; missing)"},
      {start + "FILE_DESCRIPTION((''),,'2;1');\n",
       "m.ifc:3: a value expected, found ',' in the header record FILE_DESCRIPTION"},
      {start + "FILE_DESCRIPTION((''),'2;1')\n" + name,
       "m.ifc:4: ';' after the header record FILE_DESCRIPTION expected, found 'FILE_NAME'"},
      {start + description + name + schema + "ENDSEC\nDATA;", "m.ifc:7: ';' after ENDSEC expected, found 'DATA'"},
      {start + description + schema + "ENDSEC;\n" + data + Footer, "m.ifc:5: the header has no FILE_NAME"},
      // A record the reader does not know is read and passed over.
      {start + description + name + "FILE_POPULATION('x',$,());\n" + schema + "ENDSEC;\n" + data + Footer, ""},
      {start + description + name + "FILE_SCHEMA('IFC4');\nENDSEC;\n" + data + Footer,
       "m.ifc:5: FILE_SCHEMA is 'IFC4'; supported are IFC2X3, IFC4 and IFC4X3_ADD2"},
      {start + description + name + "FILE_SCHEMA(());\nENDSEC;\n" + data + Footer,
       "m.ifc:5: FILE_SCHEMA is (); supported are IFC2X3, IFC4 and IFC4X3_ADD2"},
      {header, "m.ifc:7: the file ends after the header (DATA; missing)"},
      {header + "\0"s, "m.ifc:7: a NUL byte"},
      {header + "ANOTHERSECTIONTHATISNOTDATA;", "m.ifc:7: DATA; expected, found 'ANOTHERSECTIONTHATISNOTD...'"},
      {header + "DATA\n" + Wall, "m.ifc:8: ';' after DATA expected, found '#1'"},
      {header + data + "ENDSEC\n", "m.ifc:10: ';' after ENDSEC expected, found the end of the file"},
      {header + data + "ENDSEC;\n\0"s, "m.ifc:10: a NUL byte"},
      {header + data + "ENDSEC;\nEND;\n", "m.ifc:10: END-ISO-10303-21; expected, found 'END'"},
      {header + data + "ENDSEC;\nEND-ISO-10303-21",
       "m.ifc:10: ';' after END-ISO-10303-21 expected, found the end of the file"},
      {header + data + "\0"s, "m.ifc:9: a NUL byte"},
      // Further data sections are read as one.
      {header + data + "ENDSEC;\nDATA;\n#2=IFCSLAB('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n" + Footer, ""},
      {header + data + "ENDSEC;\nDATA\n", "m.ifc:11: ';' after DATA expected, found the end of the file"},
      // The header is read with the lexer: comments anywhere, CR LF line ends.
      {"ISO-10303-21;\r\nHEADER; /* ( ' */\r\nFILE_DESCRIPTION(/* x */('a'),'2;1');\r\n"
       "FILE_NAME('n\\X2\\00E4\\X0\\.ifc' /* ; */,'t',(''),(''),'p','s','');\r\n"
       "FILE_SCHEMA(( /* ) */ 'ifc4'));\r\nENDSEC;\r\n" +
           data + Footer,
       ""},
      {start + description + name + "FILE_SCHEMA(('IFC4','IFC2X3'));\nENDSEC;\n" + data + Footer,
       "m.ifc:5: FILE_SCHEMA is ('IFC4','IFC2X3'); supported are IFC2X3, IFC4 and IFC4X3_ADD2"},
      {start + description + name + "ENDSEC;\n" + data + Footer, "m.ifc:5: the header has no FILE_SCHEMA"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorOf(c.text), c.error) << c.text.substr(0, 200);
  }
}

TEST(Model, GlobalIdsAreExactly22LettersOfTheIfcAlphabet) {
  const auto withGlobalId = [](const std::string& globalId) {
    return ErrorOf(Header + "#5=IFCWALL(" + globalId + ",$,$,$,$,$,$,$,$);\n" + Footer);
  };
  EXPECT_EQ(withGlobalId("'3W0000001008000000000H'"), "");
  for (const std::string bad : {"3W0000001008000000000", "3W0000001008000000000HH", "3W00000010080000000-0H"}) {
    EXPECT_EQ(withGlobalId("'" + bad + "'"),
              "m.ifc:8: #5: the GlobalId '" + bad + "' is not 22 characters of the IFC alphabet (0-9, A-Z, a-z, _, $)");
  }
  EXPECT_EQ(withGlobalId("$"), "m.ifc:8: #5: the GlobalId must be a string, found '$'");

  // Read without their index, GlobalIds are still checked; duplicates go uncounted.
  Model unindexed;
  ReadOptions options;
  options.globalIds = false;
  const std::string bad = Header + "#5=IFCWALL('3W0000001008000000000',$,$,$,$,$,$,$,$);\n" + Footer;
  EXPECT_EQ(FailureText(unindexed.Read(bad.data(), bad.size(), "m.ifc", options)),
            withGlobalId("'3W0000001008000000000'"));
  const std::string twice = Header + Wall + "#2=IFCSLAB('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n" + Footer;
  ASSERT_TRUE(Succeeded(unindexed.Read(twice.data(), twice.size(), "m.ifc", options)));
  EXPECT_EQ(unindexed.GetFlaws().Of(FlawKind::DuplicateGlobalId).count, 0u);
  EXPECT_FALSE(unindexed.FindByGlobalId("3W0000001008000000000H").Valid());
}

TEST(Model, TolerableFlawsAreReportedOrInStrictReadingRefused) {
  const std::string text = Header + Wall + "#2=IFCSLAB('3W0000001008000000000H',$,$,$,$,#77,$,$,$);\n" +
                           "#3=IFCSLAB('3W0000001008000000000I',#1,$,$,$,#78,$,$,$);\n" + Footer;
  Model model;
  ASSERT_TRUE(Succeeded(model.Read(text.data(), text.size(), "m.ifc")));
  EXPECT_EQ(model.GetFlaws().Of(FlawKind::DuplicateGlobalId).instances, (std::vector<InstanceIndex>{InstanceIndex(1)}));
  EXPECT_EQ(model.FindByGlobalId("3W0000001008000000000H"), InstanceIndex(0));  // the first keeps it
  const FlawReport& missing = model.GetFlaws().Of(FlawKind::MissingReference);
  EXPECT_EQ(missing.count, 2u);
  EXPECT_EQ(missing.examples.back(), "m.ifc:10: #3: reference to #78, which is not in the file");

  EXPECT_EQ(
      ErrorOf(text, true),
      "m.ifc:9: #2: duplicate GlobalId '3W0000001008000000000H' (also on #1, line 8) (refused in strict reading)");
  EXPECT_EQ(ErrorOf(Header + Wall + "#2=IFCSLAB('3W0000001008000000000I',$,$,$,$,$,$,$,$);\n" + Footer, true), "");

  // An attribute too few or too many: kept and read by position; absent past the written ones.
  const std::string shortSlab = Header + Wall + "#2=IFCSLAB('3W0000001008000000000I',$,'S',$,$,$,$,$);\n" + Footer;
  Model tolerant;
  ASSERT_TRUE(Succeeded(tolerant.Read(shortSlab.data(), shortSlab.size(), "m.ifc")));
  EXPECT_EQ(tolerant.GetFlaws().Of(FlawKind::AttributeCount).examples,
            (std::vector<std::string>{"m.ifc:9: #2: IFCSLAB has 9 attributes, 8 given"}));
  EXPECT_EQ(tolerant.Attribute(InstanceIndex(1), "Name")->text, "S");
  EXPECT_FALSE(tolerant.Attribute(InstanceIndex(1), "PredefinedType").has_value());
  EXPECT_EQ(ErrorOf(shortSlab, true), "m.ifc:9: #2: IFCSLAB has 9 attributes, 8 given (refused in strict reading)");
}

// Each schema's own entities and attribute counts: IfcWallStandardCase has 8 attributes in IFC2X3 (no
// PredefinedType), IfcAlignment exists only in IFC4X3_ADD2; a reader may accept fewer schemas.
TEST(Model, EachSchemaIsReadWithItsOwnTable) {
  const std::string standardCase = "#1=IFCWALLSTANDARDCASE('3W0000001008000000000H',$,$,$,$,$,$,$";
  EXPECT_EQ(ErrorOf(IfcFile(standardCase + ");\n", "IFC2X3"), true), "");
  EXPECT_EQ(ErrorOf(IfcFile(standardCase + ",$);\n", "IFC2X3"), true),
            "m.ifc:8: #1: IFCWALLSTANDARDCASE has 8 attributes, 9 given (refused in strict reading)");
  const std::string alignment = "#1=IFCALIGNMENT('3W0000001008000000000H',$,$,$,$,$,$,$);\n";
  EXPECT_EQ(ErrorOf(IfcFile(alignment)), "m.ifc:8: #1: unknown entity IFCALIGNMENT (not in the IFC4 schema)");
  EXPECT_EQ(ErrorOf(IfcFile(alignment, "IFC4X3_ADD2")), "");
  Model model;
  ReadOptions onlyIfc4;
  onlyIfc4.accepted = {SchemaVersion::Ifc4};
  const std::string ifc2x3 = IfcFile("", "IFC2X3");
  EXPECT_EQ(FailureText(model.Read(ifc2x3.data(), ifc2x3.size(), "m.ifc", onlyIfc4)),
            "m.ifc:5: FILE_SCHEMA is ('IFC2X3'), but this tool reads IFC4 files only");
}

// Wall #n with a GlobalId of its own (or of wall `guidOf`) and `placement` as its placement.
std::string NumberedWall(int n, const std::string& placement, int guidOf = 0) {
  return "#" + std::to_string(n) + "=IFCWALL('3W000000100800000" + std::to_string(10000 + (guidOf ? guidOf : n)) +
         "',$,$,$,$," + placement + ",$,$,$);\n";
}

// Reads `text` whole and with the second half of its data section on another thread: the same
// instances, lines, GlobalIds, flaws and errors.
void ExpectSplitReadingChangesNothing(const std::string& text) {
  Model whole;
  Model split;
  ReadOptions splitOptions;
  splitOptions.splitFrom = 1;
  const Status read = whole.Read(text.data(), text.size(), "m.ifc");
  const Status splitRead = split.Read(text.data(), text.size(), "m.ifc", splitOptions);
  ASSERT_EQ(static_cast<bool>(splitRead), static_cast<bool>(read));
  EXPECT_EQ(FailureText(splitRead), FailureText(read));
  if (!read) {
    return;
  }
  ASSERT_EQ(split.InstanceCount(), whole.InstanceCount());
  for (std::size_t i = 0; i < whole.InstanceCount(); ++i) {
    const InstanceRecord& a = whole.Instances()[i];
    const InstanceRecord& b = split.Instances()[i];
    const InstanceIndex index(static_cast<std::uint32_t>(i));
    EXPECT_TRUE(a.number == b.number && a.offset == b.offset && a.close == b.close && a.argument == b.argument &&
                a.entity == b.entity && whole.Line(index) == split.Line(index) &&
                whole.Text(index) == split.Text(index))
        << "instance " << i;
  }
  for (const FlawKind kind : kAllFlawKinds) {
    EXPECT_EQ(split.GetFlaws().Of(kind).examples, whole.GetFlaws().Of(kind).examples);
    EXPECT_EQ(split.GetFlaws().Of(kind).instances, whole.GetFlaws().Of(kind).instances);
  }
  ASSERT_EQ(split.RootedInstances().size(), whole.RootedInstances().size());
  for (std::size_t i = 0; i < whole.RootedInstances().size(); ++i) {
    EXPECT_EQ(split.RootedInstances()[i].index, whole.RootedInstances()[i].index);
  }
  EXPECT_EQ(split.FindByGlobalId("3W00000010080000010040"), whole.FindByGlobalId("3W00000010080000010040"));
}

// Lines are counted from marks the reading leaves every few kilobytes: across instances over several
// lines, comments and strings holding line ends, and blanks between an instance's ')' and its ';'.
TEST(Model, FindsEachInstancesLineAndText) {
  std::string data;
  std::vector<std::uint32_t> lines;
  std::vector<std::string> texts;
  std::uint32_t line = 8;  // Header's lines, and the one DATA; is on
  for (int n = 1; n <= 400; ++n) {
    std::string instance = "#" + std::to_string(n) + "=IFCWALL('3W" + std::to_string(1000000000 + n) +
                           "0000000000',$," + (n % 7 == 0 ? "'two\nlines'" : "$") + ",$,$,$,$,$,$)" +
                           (n % 5 == 0 ? " /* ; */\n ;" : ";");
    const std::string before = n % 3 == 0 ? "/* a comment\nover lines */\n" : n % 11 == 0 ? "\n\n" : "";
    line += static_cast<std::uint32_t>(std::count(before.begin(), before.end(), '\n'));
    data += before + instance + "\n";
    lines.push_back(line);
    texts.push_back(instance);
    line += static_cast<std::uint32_t>(std::count(instance.begin(), instance.end(), '\n')) + 1;
  }
  const std::string text = Header + data + Footer;
  ASSERT_GT(data.size(), std::size_t{5} * 4096);  // several marks
  for (const std::size_t splitFrom : {std::size_t{1}, std::size_t{1} << 30}) {
    Model model;
    ReadOptions options;
    options.splitFrom = splitFrom;
    ASSERT_TRUE(Succeeded(model.Read(text.data(), text.size(), "m.ifc", options)));
    ASSERT_EQ(model.InstanceCount(), lines.size());
    for (std::uint32_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(model.Line(InstanceIndex(i)), lines[i]) << "#" << i + 1 << (splitFrom == 1 ? ", split" : "");
      EXPECT_EQ(model.Text(InstanceIndex(i)), texts[i]) << "#" << i + 1;
    }
  }
}

TEST(Model, ReadingTheSecondHalfOnAThreadChangesNothing) {
  // References both ways across the middle, a missing one, a duplicate GlobalId and an attribute
  // too few in the second half, and comments over several lines in both.
  std::string walls;
  for (int n = 1; n <= 40; ++n) {
    walls += n == 8 || n == 31 ? "/* over\ntwo lines */\n" : "";
    walls += n == 36 ? "#36=IFCWALL('3W00000010080000010036',$,$,$,$,$,$,$);\n"
                     : NumberedWall(n, n == 30 ? "#999" : "#" + std::to_string(n < 20 ? n + 25 : 1), n == 33 ? 3 : 0);
  }
  ExpectSplitReadingChangesNothing(Header + walls + Footer);
  // The first fault in the file is the one reported, whichever half it is in.
  std::string late = walls;
  late.replace(late.find("#38=IFCWALL('3W00000010080000010038',$,$"), 40, "#38=IFCWALL('3W00000010080000010038',$,,");
  ExpectSplitReadingChangesNothing(Header + late + Footer);
  std::string early = late;
  early.replace(early.find("#5=IFCWALL"), 10, "#5=IFCWALL)");
  ExpectSplitReadingChangesNothing(Header + early + Footer);
  // The middle falls in a comment whose lines look like instances.
  std::string commented;
  for (int n = 1; n <= 60; ++n) {
    commented += NumberedWall(n, "$");
  }
  ExpectSplitReadingChangesNothing(Header + NumberedWall(100, "$") + "/*\n" + commented + "*/\n" + walls + Footer);
}

TEST(Model, ASecondHalfHandedOverInBlocksChangesNothing) {
  // The second half's records are handed over in blocks of 2 MiB (65,536 records), each block's pages
  // given back once copied: enough walls for more than two blocks, the last ones naming a wall where
  // a placement belongs, whose flaws are found once the records are handed over.
  std::string walls;
  constexpr int kWalls = 300000;
  walls.reserve(std::size_t{kWalls} * 64);
  for (int n = 1; n <= kWalls; ++n) {
    walls += "#" + std::to_string(n) + "=IFCWALL('3W" + std::to_string(1000000000 + n) + "0000000000',$,$,$,$," +
             (n > kWalls - 100 ? "#1" : "$") + ",$,$,$);\n";
  }
  ExpectSplitReadingChangesNothing(Header + walls + Footer);
  Model split;
  ReadOptions splitOptions;
  splitOptions.splitFrom = 1;
  const std::string text = Header + walls + Footer;
  ASSERT_TRUE(Succeeded(split.Read(text.data(), text.size(), "m.ifc", splitOptions)));
  EXPECT_EQ(split.GetFlaws().Of(FlawKind::ReferenceType).count, 100U);
  EXPECT_EQ(split.Number(InstanceIndex(kWalls - 1)), InstanceNumber(kWalls));
}

// A wrong index or slot stops a debug build at once rather than read out of bounds (NDEBUG builds
// compile the checks out).
TEST(ModelDeathTest, IndicesOutOfRangeAndInvalidSlotsAreAsserted) {
#ifdef NDEBUG
  GTEST_SKIP() << "assertions are compiled out in this build";
#else
  Model model;
  const std::string text = Header + Wall + Footer;
  ASSERT_TRUE(Succeeded(model.Read(text.data(), text.size(), "m.ifc")));
  const EntityId wall = model.Entity(InstanceIndex(0));
  const struct {
    const char* what;
    std::function<void()> call;
  } misuses[] = {
      {"an invalid index", [&] { (void)model.Text(InstanceIndex()); }},
      {"an index past the last", [&] { (void)model.Arguments(InstanceIndex(1)); }},
      {"referrers past the last", [&] { (void)model.ReferencesTo(InstanceIndex(1)); }},
      {"an invalid slot", [&] { (void)model.GetSchema().Attribute(wall, AttributeSlot{}); }},
      {"a slot of another entity", [&] { (void)model.GetSchema().Attribute(wall, AttributeSlot{200}); }},
      {"an invalid entity", [&] { (void)model.GetSchema().Name(EntityId{}); }},
  };
  for (const auto& misuse : misuses) {
    EXPECT_DEATH(misuse.call(), "Assertion") << misuse.what;
  }
#endif
}

}  // namespace
}  // namespace Ifc
