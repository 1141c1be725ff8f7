// Reading IDS documents: what a valid one becomes, and the refusals the command tests and the
// conformance cases do not show, each with its line and reason.
#include "idscheck/check/DocumentReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "idscheck/check/Audit.h"
#include "idscheck/check/SchemaCatalog.h"

namespace {

std::string WithSpecifications(const std::string& specifications) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
         "<ids xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns=\"http://standards.buildingsmart.org/IDS\">\n"
         "<info><title>Test</title></info>\n<specifications>\n" +
         specifications + "</specifications>\n</ids>\n";
}

std::string Specification(const std::string& applicability, const std::string& requirements = "",
                          const std::string& attributes = "ifcVersion=\"IFC4\"", const std::string& occurs = "") {
  return "<specification name=\"S\" " + attributes + ">\n<applicability" + occurs + ">" + applicability +
         "</applicability>\n" + (requirements.empty() ? "" : "<requirements>" + requirements + "</requirements>\n") +
         "</specification>\n";
}

const char* Wall = "<entity><name><simpleValue>IFCWALL</simpleValue></name></entity>";

// Reads and audits; the error message when refused, empty when accepted.
std::string Refusal(const std::string& text, Ids::Document* out = nullptr) {
  Ids::Document document;
  Ids::DocumentError error;
  if (!Ids::ReadDocumentFromMemory(text.data(), text.size(), "test.ids", document, error) ||
      !Ids::AuditDocument(document, Ids::SchemaEntityCatalog, error)) {
    return error.Message();
  }
  if (out != nullptr) {
    *out = std::move(document);
  }
  return {};
}

TEST(IdsDocumentReader, BuildsSpecificationsWithTheirVersionsCardinalityAndInstructions) {
  const std::string requirement =
      "<property dataType=\"IFCLABEL\" instructions=\"Measure it\"><propertySet><simpleValue>P</simpleValue>"
      "</propertySet><baseName><simpleValue>B</simpleValue></baseName></property>";
  Ids::Document document;
  ASSERT_EQ(
      Refusal(WithSpecifications(Specification(Wall, requirement, "ifcVersion=\"IFC2X3 IFC4\"", " minOccurs=\"0\"") +
                                 Specification(Wall, "", "ifcVersion=\"IFC4\"", " minOccurs=\"0\" maxOccurs=\"0\"")),
              &document),
      "");
  ASSERT_EQ(document.specifications.size(), 2u);
  const Ids::Specification& specification = document.specifications.front();
  EXPECT_EQ(specification.ifcVersions, (std::vector<std::string>{"IFC2X3", "IFC4"}));
  EXPECT_EQ(specification.SpecificationCardinality(), Ids::Cardinality::Optional);
  ASSERT_EQ(specification.requirements.size(), 1u);
  EXPECT_EQ(specification.requirements.front().instructions, "Measure it");
  EXPECT_EQ(document.specifications[1].SpecificationCardinality(), Ids::Cardinality::Prohibited);
}

TEST(IdsDocumentReader, RefusesBadDocumentsWithTheirLineAndReason) {
  const auto property = [](const std::string& dataType, const std::string& value) {
    return "<property dataType=\"" + dataType +
           "\"><propertySet><simpleValue>P</simpleValue></propertySet><baseName><simpleValue>B</simpleValue>"
           "</baseName><value>" +
           value + "</value></property>";
  };
  const auto bound = [](const std::string& value) {
    return "<attribute><name><simpleValue>Name</simpleValue></name><value><xs:restriction base=\"xs:string\">"
           "<xs:minInclusive value=\"" +
           value + "\"/></xs:restriction></value></attribute>";
  };
  const struct {
    std::string document;
    std::string message;
  } cases[] = {
      {"", "test.ids:1: not well-formed XML: Document is empty"},
      // Compressed documents are refused by their signature, never unpacked.
      {std::string("\x1F\x8B\x08\x00", 4) + "rest",
       "test.ids: a gzip file; IDS documents are read as plain XML only (unpack it first)"},
      {std::string("\xFD"
                   "7zXZ\x00",
                   6),
       "test.ids: a xz file; IDS documents are read as plain XML only (unpack it first)"},
      {std::string(Ids::kMaxDocumentBytes + 1, ' '), "test.ids: larger than the 64 MiB an IDS document may have"},
      {"<ids/>", "test.ids:1: the root element is not ids in the namespace http://standards.buildingsmart.org/IDS"},
      // Entities could expand without bound: no document type declaration is read.
      {"<?xml version=\"1.0\"?>\n<!DOCTYPE ids [<!ENTITY e \"IFCWALL\">]>\n" +
           WithSpecifications(Specification("<entity><name><simpleValue>&e;</simpleValue></name></entity>")).substr(39),
       "test.ids:1: an IDS document takes no document type declaration (<!DOCTYPE>)"},
      {WithSpecifications(Specification("<entity><name><simpleValue>IfcWall</simpleValue></name></entity>")),
       "test.ids:6: the entity name 'IfcWall' is not an upper-case IFC entity name"},
      {WithSpecifications(
           Specification(Wall, property("IFCDATE", "<simpleValue>2024-01-01</simpleValue>"), "ifcVersion=\"IFC2X3\"")),
       "test.ids:7: IFC2X3 has no data type IFCDATE"},
      {WithSpecifications(Specification(Wall, property("IFCBOOLEAN", "<simpleValue>TRUE</simpleValue>"))),
       "test.ids:7: 'TRUE' is not a value of IFCBOOLEAN (xs:boolean)"},
      {WithSpecifications(
           Specification(Wall, property("IFCINTEGER",
                                        "<xs:restriction><xs:enumeration value=\"1\"/><xs:enumeration value=\"1.5\"/>"
                                        "</xs:restriction>"))),
       "test.ids:7: '1.5' is not a value of IFCINTEGER (xs:integer)"},
      {WithSpecifications(Specification(Wall, bound("ten"))), "test.ids:7: the bound 'ten' is no number"},
      {WithSpecifications(Specification(Wall, "", "ifcVersion=\"IFC4\"", " minOccurs=\"3\" maxOccurs=\"2\"")),
       "test.ids:5: specification 'S': maxOccurs is below minOccurs"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Refusal(c.document), c.message);
  }
  // The schema's own refusals name the line of the offending element.
  const std::string missing =
      Refusal(WithSpecifications("<specification name=\"S\" ifcVersion=\"IFC4\">\n<requirements/></specification>\n"));
  EXPECT_EQ(missing.rfind("test.ids:6: not valid against ids.xsd: ", 0), 0u) << missing;
}

}  // namespace
