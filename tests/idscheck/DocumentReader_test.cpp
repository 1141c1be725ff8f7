// Reading IDS documents: what a valid one becomes, and every way a bad one is refused with its line
// and reason (never a crash, a hang or a network access).
#include "DocumentReader.h"

#include <gtest/gtest.h>

#include <string>

#include "Audit.h"
#include "SchemaCatalog.h"

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
      !Ids::AuditDocument(document, Ids::SchemaEntityCatalog, error))
    return error.Message();
  if (out != nullptr)
    *out = std::move(document);
  return {};
}

TEST(IdsDocumentReader, BuildsSpecificationsWithTheirFacets) {
  const std::string requirements =
      "<property dataType=\"IFCLENGTHMEASURE\" cardinality=\"optional\" instructions=\"Measure it\">"
      "<propertySet><simpleValue>Qto_WallBaseQuantities</simpleValue></propertySet>"
      "<baseName><simpleValue>Width</simpleValue></baseName>"
      "<value><xs:restriction base=\"xs:double\"><xs:minInclusive value=\"0.1\"/><xs:maxExclusive value=\"1\"/>"
      "</xs:restriction></value></property>"
      "<partOf relation=\"IFCRELCONTAINEDINSPATIALSTRUCTURE\"><entity><name><simpleValue>IFCBUILDINGSTOREY"
      "</simpleValue></name></entity></partOf>";
  Ids::Document document;
  ASSERT_EQ(Refusal(WithSpecifications(Specification(Wall, requirements, "ifcVersion=\"IFC2X3 IFC4\"",
                                                     " minOccurs=\"0\" maxOccurs=\"unbounded\"")),
                    &document),
            "");
  ASSERT_EQ(document.specifications.size(), 1u);
  const Ids::Specification& specification = document.specifications.front();
  EXPECT_EQ(specification.ifcVersions, (std::vector<std::string>{"IFC2X3", "IFC4"}));
  EXPECT_EQ(specification.SpecificationCardinality(), Ids::Cardinality::Optional);
  ASSERT_EQ(specification.requirements.size(), 2u);
  const Ids::Facet& property = specification.requirements[0];
  EXPECT_EQ(property.kind, Ids::FacetKind::Property);
  EXPECT_EQ(property.cardinality, Ids::Cardinality::Optional);
  EXPECT_EQ(property.dataType, "IFCLENGTHMEASURE");
  EXPECT_EQ(property.instructions, "Measure it");
  EXPECT_EQ(property.value.restriction.minInclusive, 0.1);
  EXPECT_EQ(property.value.restriction.maxExclusive, 1.0);
  EXPECT_EQ(specification.requirements[1].relation, "IFCRELCONTAINEDINSPATIALSTRUCTURE");
  EXPECT_EQ(specification.requirements[1].name.simple, "IFCBUILDINGSTOREY");
}

TEST(IdsDocumentReader, ApplicabilityOccursDecideTheSpecificationsCardinality) {
  Ids::Document document;
  ASSERT_EQ(Refusal(WithSpecifications(Specification(Wall) + Specification(Wall, "", "ifcVersion=\"IFC4\"",
                                                                           " minOccurs=\"0\" maxOccurs=\"0\"")),
                    &document),
            "");
  EXPECT_EQ(document.specifications[0].SpecificationCardinality(), Ids::Cardinality::Required);  // the defaults
  EXPECT_EQ(document.specifications[1].SpecificationCardinality(), Ids::Cardinality::Prohibited);
}

TEST(IdsDocumentReader, RefusesXmlThatIsNotWellFormed) {
  EXPECT_EQ(Refusal(""), "test.ids:1: not well-formed XML: Document is empty");
  const std::string message = Refusal(WithSpecifications("<specification name=\"S\" ifcVersion=\"IFC4\">\n<oops>"));
  EXPECT_NE(message.find("test.ids:"), std::string::npos) << message;
  EXPECT_NE(message.find("not well-formed XML"), std::string::npos) << message;
  EXPECT_NE(Refusal("<ids xmlns=\"http://standards.buildingsmart.org/IDS\">\xff\xfe</ids>"), "");
}

TEST(IdsDocumentReader, RefusesDocumentsThatBreakTheSchemaWithTheirLine) {
  // No applicability, on line 4.
  const std::string missing =
      Refusal(WithSpecifications("<specification name=\"S\" ifcVersion=\"IFC4\">\n<requirements/></specification>\n"));
  EXPECT_EQ(missing.rfind("test.ids:6: not valid against ids.xsd: ", 0), 0u) << missing;
  // An unknown IFC version, cardinality, relation and facet element; a document of another namespace.
  EXPECT_NE(Refusal(WithSpecifications(Specification(Wall, "", "ifcVersion=\"IFC5\""))), "");
  EXPECT_NE(
      Refusal(WithSpecifications(Specification(
          Wall, "<attribute cardinality=\"sometimes\"><name><simpleValue>Name</simpleValue></name></attribute>"))),
      "");
  EXPECT_NE(Refusal(WithSpecifications(Specification(
                Wall,
                "<partOf relation=\"IFCRELDEFINESBYTYPE\"><entity><name><simpleValue>IFCWALLTYPE</simpleValue>"
                "</name></entity></partOf>"))),
            "");
  EXPECT_NE(Refusal(WithSpecifications(Specification(Wall, "<colour/>"))), "");
  EXPECT_EQ(Refusal("<ids/>").find("the root element is not ids in the namespace"), 12u);
}

TEST(IdsDocumentReader, AuditsEntityNamesDataTypesAndValues) {
  const auto property = [](const std::string& dataType, const std::string& value) {
    return "<property dataType=\"" + dataType +
           "\"><propertySet><simpleValue>P</simpleValue></propertySet><baseName><simpleValue>B</simpleValue>"
           "</baseName><value>" +
           value + "</value></property>";
  };
  EXPECT_EQ(
      Refusal(WithSpecifications(Specification("<entity><name><simpleValue>IfcWall</simpleValue></name></entity>"))),
      "test.ids:6: the entity name 'IfcWall' is not an upper-case IFC entity name");
  EXPECT_EQ(
      Refusal(WithSpecifications(Specification("<entity><name><simpleValue>IFCWALLL</simpleValue></name></entity>"))),
      "test.ids:6: IFC4 has no entity IFCWALLL");
  EXPECT_EQ(Refusal(WithSpecifications(Specification(Wall, property("IFCLABELX", "<simpleValue>A</simpleValue>")))),
            "test.ids:7: unknown data type IFCLABELX");
  // IFCDATE is no IFC2X3 type.
  EXPECT_EQ(Refusal(WithSpecifications(Specification(Wall, property("IFCDATE", "<simpleValue>2024-01-01</simpleValue>"),
                                                     "ifcVersion=\"IFC2X3\""))),
            "test.ids:7: IFC2X3 has no data type IFCDATE");
  EXPECT_EQ(Refusal(WithSpecifications(Specification(Wall, property("IFCBOOLEAN", "<simpleValue>TRUE</simpleValue>")))),
            "test.ids:7: 'TRUE' is not a value of IFCBOOLEAN (xs:boolean)");
  EXPECT_NE(Refusal(WithSpecifications(Specification(
                Wall, property("IFCINTEGER",
                               "<xs:restriction><xs:enumeration value=\"1\"/><xs:enumeration value=\"1.5\"/>"
                               "</xs:restriction>")))),
            "");
  EXPECT_EQ(Refusal(WithSpecifications(Specification(Wall, property("IFCREAL", "<simpleValue>1e3</simpleValue>")))),
            "");
}

TEST(IdsDocumentReader, AuditsCardinalitiesThatCannotBeMet) {
  const std::string requirement = "<attribute><name><simpleValue>Name</simpleValue></name></attribute>";
  EXPECT_NE(Refusal(WithSpecifications(
                        Specification(Wall, requirement, "ifcVersion=\"IFC4\"", " minOccurs=\"0\" maxOccurs=\"0\"")))
                .find("is prohibited (maxOccurs 0) but has requirements"),
            std::string::npos);
  EXPECT_NE(
      Refusal(WithSpecifications(Specification(Wall, "", "ifcVersion=\"IFC4\"", " minOccurs=\"3\" maxOccurs=\"2\"")))
          .find("maxOccurs is below minOccurs"),
      std::string::npos);
}

TEST(IdsDocumentReader, RefusesRestrictionsItCannotUse) {
  const auto attributeValue = [](const std::string& restriction) {
    return "<attribute><name><simpleValue>Name</simpleValue></name><value><xs:restriction base=\"xs:string\">" +
           restriction + "</xs:restriction></value></attribute>";
  };
  EXPECT_NE(Refusal(WithSpecifications(Specification(Wall, attributeValue("<xs:pattern value=\"(a\"/>"))))
                .find("the pattern '(a' is no XML Schema regular expression"),
            std::string::npos);
  EXPECT_NE(Refusal(WithSpecifications(Specification(Wall, attributeValue("<xs:minInclusive value=\"ten\"/>"))))
                .find("the bound 'ten' is no number"),
            std::string::npos);
  EXPECT_NE(Refusal(WithSpecifications(Specification(Wall, attributeValue("<xs:length value=\"-1\"/>")))), "");
}

TEST(IdsDocumentReader, NeverExpandsEntitiesOrReachesTheNetwork) {
  // An external DTD and entity by URL: not fetched; the unresolved entity is an error, not a hang.
  const std::string external =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE ids SYSTEM \"http://example.invalid/ids.dtd\" "
      "[<!ENTITY e SYSTEM \"http://example.invalid/e.xml\">]>\n" +
      WithSpecifications(Specification("<entity><name><simpleValue>&e;</simpleValue></name></entity>")).substr(39);
  EXPECT_NE(Refusal(external), "");
  // Nested entities that would expand a thousand-fold are left unexpanded, so no huge value is built.
  std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE ids [<!ENTITY a \"aaaaaaaaaa\">";
  for (char level = 'b'; level <= 'j'; ++level) {
    laughs += std::string("<!ENTITY ") + level + " \"";
    for (int i = 0; i < 10; ++i)
      laughs += std::string("&") + static_cast<char>(level - 1) + ";";
    laughs += "\">";
  }
  laughs +=
      "]>\n" +
      WithSpecifications(Specification("<entity><name><simpleValue>&j;</simpleValue></name></entity>")).substr(39);
  EXPECT_NE(Refusal(laughs), "");
}

TEST(IdsDocumentReader, ReadsAHugeDocument) {
  std::string specifications;
  for (int i = 0; i < 20000; ++i)
    specifications += Specification(Wall, "<attribute><name><simpleValue>Name</simpleValue></name></attribute>");
  Ids::Document document;
  ASSERT_EQ(Refusal(WithSpecifications(specifications), &document), "");
  EXPECT_EQ(document.specifications.size(), 20000u);
}

TEST(IdsDocumentReader, ReportsAFileThatCannotBeOpened) {
  Ids::Document document;
  Ids::DocumentError error;
  EXPECT_FALSE(Ids::ReadDocument("/nonexistent/walls.ids", document, error));
  EXPECT_EQ(error.Message().rfind("/nonexistent/walls.ids: cannot be opened", 0), 0u);
}

}  // namespace
