// What strict reading refuses and tolerant reading reads and counts as flaws, one kind a case: bytes
// after END-ISO-10303-21;, string bytes that are no UTF-8, keywords in lower case and references to
// an instance of an entity the attribute does not take. Each is named by file, line and instance.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StatusAssertions.h"
#include "ifc/step/Model.h"
#include "tests/ifc/IfcFileText.h"

namespace Ifc {
namespace {

using namespace std::string_literals;

const std::string Header = IfcFileHeader();
const std::string Footer = kIfcFileFooter;
const std::string Wall = "#1=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n";  // line 8
const std::string Value = "#3=IFCPROPERTYSINGLEVALUE('A',$,IFCLABEL('x'),$);\n";

// The strict reading's error for `text` ("" when it reads), with the file named m.ifc.
std::string StrictError(const std::string& text, bool referenceTypes = true) {
  Model model;
  ReadOptions options;
  options.strict = true;
  options.referenceTypes = referenceTypes;
  return FailureText(model.Read(text.data(), text.size(), "m.ifc", options));
}

TEST(StrictReading, RefusesWhatTolerantReadingCountsAsAFlaw) {
  const struct {
    const char* name;
    std::string text;
    FlawKind kind;
    std::string message;  // the flaw's; strict reading refuses with it
  } cases[] = {
      {"trailing bytes", Header + Wall + Footer + '\0' + "\xFF\xFF" + "junk", FlawKind::TrailingBytes,
       "m.ifc:11: 7 bytes after END-ISO-10303-21; (the first 0x00), not part of the model"},
      {"an instance after the end", Header + Wall + Footer + "\n" + Wall, FlawKind::TrailingBytes,
       "m.ifc:12: 54 bytes after END-ISO-10303-21; (the first 0x23), not part of the model"},
      {"Latin-1 in a string", Header + "#1=IFCWALL('3W0000001008000000000H',$,'W\xE4nd',$,$,$,$,$,$);\n" + Footer,
       FlawKind::InvalidUtf8, "m.ifc:8: #1: a string holds bytes that are not UTF-8"},
      {"a stray continuation byte", Header + "#1=IFCWALL('3W0000001008000000000H',$,$,'\x80',$,$,$,$,$);\n" + Footer,
       FlawKind::InvalidUtf8, "m.ifc:8: #1: a string holds bytes that are not UTF-8"},
      {"an entity name in lower case", Header + "#1=IfcWall('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n" + Footer,
       FlawKind::LowerCaseKeyword, "m.ifc:8: #1: entity name IfcWall not in upper case"},
      {"a type name in lower case", Header + "#3=IFCPROPERTYSINGLEVALUE('A',$,ifcLabel('x'),$);\n" + Footer,
       FlawKind::LowerCaseKeyword, "m.ifc:8: #3: type name ifcLabel not in upper case"},
      {"a property set as its own property",
       Header + "#2=IFCPROPERTYSET('3W0000001008000000000I',$,'P',$,(#3,#2));\n" + Value + Footer,
       FlawKind::ReferenceType,
       "m.ifc:8: #2: HasProperties refers to #2, an IFCPROPERTYSET, where the schema takes IFCPROPERTY"},
      {"a wall as the owner history",
       Header + Wall + "#2=IFCSLAB('3W0000001008000000000I',#1,$,$,$,$,$,$,$);\n" + Footer, FlawKind::ReferenceType,
       "m.ifc:9: #2: OwnerHistory refers to #1, an IFCWALL, where the schema takes IFCOWNERHISTORY"},
  };
  for (const auto& c : cases) {
    Model tolerant;
    ASSERT_TRUE(Succeeded(tolerant.Read(c.text.data(), c.text.size(), "m.ifc"))) << c.name;
    for (const FlawKind kind : kAllFlawKinds) {
      const FlawReport& report = tolerant.GetFlaws().Of(kind);
      EXPECT_EQ(report.examples, kind == c.kind ? std::vector<std::string>{c.message} : std::vector<std::string>{})
          << c.name;
    }
    EXPECT_EQ(StrictError(c.text), c.message + " (refused in strict reading)") << c.name;
  }
}

// What real files have is read strictly without a word: a final line end or none, blank lines after
// the end, UTF-8 in strings, references to subtypes and forward references of the declared entity.
TEST(StrictReading, AcceptsWhatRealFilesHave) {
  const std::string body = Header + "#1=IFCWALL('3W0000001008000000000H',$,'W\xC3\xA4nd \xE2\x82\xAC',$,$,$,$,$,$);\n" +
                           "#2=IFCPROPERTYSET('3W0000001008000000000I',$,'P',$,(#3));\n" + Value;
  for (const std::string& end : {"ENDSEC;\nEND-ISO-10303-21;"s, Footer, Footer + "\r\n\n \t\n"}) {
    const std::string text = body + end;
    EXPECT_EQ(StrictError(text), "");
    Model model;
    ASSERT_TRUE(Succeeded(model.Read(text.data(), text.size(), "m.ifc")));
    EXPECT_EQ(model.GetHeader().contentEnd, text.size());
  }
  // Without the check of reference types, a wrong one goes unnoticed.
  const std::string wrong = Header + "#2=IFCPROPERTYSET('3W0000001008000000000I',$,'P',$,(#2));\n" + Footer;
  EXPECT_EQ(StrictError(wrong, /*referenceTypes=*/false), "");
}

}  // namespace
}  // namespace Ifc
