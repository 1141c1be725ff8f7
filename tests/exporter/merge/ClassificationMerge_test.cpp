// Classification references: each classification and reference written once, one relation per
// reference and relationship name, relating every element that received it.
#include "exporter/merge/ClassificationMerge.h"

#include <gtest/gtest.h>

#include "tests/exporter/ScriptedExport.h"

namespace Exporter::Testing {
namespace {

ClassificationReference Code(const char* code, const char* relationName) {
  const Classification system =
      Classification::Create(Token, "Codes", KT::UniString("Board"), std::nullopt, std::nullopt, std::nullopt,
                             KT::UniString("https://codes.example"))
          .Unwrap();
  return ClassificationReference::Create(Token, std::nullopt, KT::UniString(code), KT::UniString("It's"), system,
                                         relationName)
      .Unwrap();
}

// A classification with the edition and description given; each one written as its own.
ClassificationReference Edited(const std::optional<KT::UniString>& edition,
                               const std::optional<KT::UniString>& description) {
  const Classification system =
      Classification::Create(Token, "Codes", KT::UniString("Board"), edition, std::nullopt, description, std::nullopt)
          .Unwrap();
  return ClassificationReference::Create(Token, std::nullopt, KT::UniString("X"), std::nullopt, system, "Function")
      .Unwrap();
}

TEST(ClassificationMerge, ClassificationsDifferingInOneTextAreWrittenApart) {
  ScriptedProvider provider;
  provider.references = [](const ObjectID& id, std::vector<ClassificationReference>& values) {
    if (id == Element("0000000000000000000001")) {
      values.push_back(Edited(std::nullopt, std::nullopt));
    } else if (id == Element("0000000000000000000002")) {
      values.push_back(Edited(KT::UniString(""), std::nullopt));  // empty, not absent
    } else if (id == Element("0000000000000000000003")) {
      values.push_back(Edited(std::nullopt, KT::UniString("")));
      values.push_back(Edited(std::nullopt, std::nullopt));  // the first element's again
    }
  };
  const std::string text = ExportWith(provider, MergeWalls()).text;
  const std::string plain = Capture(text, "#(\\d+)=IFCCLASSIFICATION\\('Board',\\$,\\$,'Codes',\\$,\\$,\\$\\);");
  const std::string edited = Capture(text, "#(\\d+)=IFCCLASSIFICATION\\('Board','',\\$,'Codes',\\$,\\$,\\$\\);");
  const std::string described = Capture(text, "#(\\d+)=IFCCLASSIFICATION\\('Board',\\$,\\$,'Codes','',\\$,\\$\\);");
  ASSERT_FALSE(plain.empty() || edited.empty() || described.empty()) << text;
  EXPECT_EQ(Count(text, "IFCCLASSIFICATION\\("), 3u);
  for (const std::string& system : {plain, edited, described}) {
    EXPECT_EQ(Count(text, "=IFCCLASSIFICATIONREFERENCE\\(\\$,'X',\\$,#" + system + ","), 1u) << text;
  }
}

TEST(ClassificationMerge, ReferencesAreWrittenOnceAndRelatedByReferenceAndName) {
  ScriptedProvider provider;
  provider.references = [](const ObjectID& id, std::vector<ClassificationReference>& values) {
    if (id == Element("0000000000000000000001")) {
      values.push_back(Code("X", "Function"));
      values.push_back(Code("Y", "Function"));
    } else if (id == Element("0000000000000000000002")) {
      values.push_back(Code("X", "Function"));
    } else if (id == Element("0000000000000000000003")) {
      values.push_back(Code("X", "Other"));
    }
  };
  const ExportResult result = ExportWith(provider, MergeWalls());
  const std::string& text = result.text;
  const std::string system =
      Capture(text, "#(\\d+)=IFCCLASSIFICATION\\('Board',\\$,\\$,'Codes',\\$,'https://codes.example',\\$\\);");
  ASSERT_FALSE(system.empty()) << text;
  EXPECT_EQ(Count(text, "IFCCLASSIFICATION\\("), 1u);
  const std::string x =
      Capture(text, "#(\\d+)=IFCCLASSIFICATIONREFERENCE\\(\\$,'X','It''s',#" + system + ",\\$,\\$\\);");
  const std::string y =
      Capture(text, "#(\\d+)=IFCCLASSIFICATIONREFERENCE\\(\\$,'Y','It''s',#" + system + ",\\$,\\$\\);");
  ASSERT_FALSE(x.empty() || y.empty()) << text;
  EXPECT_EQ(Count(text, "IFCCLASSIFICATIONREFERENCE\\("), 2u);

  const std::string relation = "=IFCRELASSOCIATESCLASSIFICATION\\('[0-9A-Za-z_$]{22}',\\$,";
  EXPECT_EQ(Count(text, relation + "'Function',\\$,\\(#1,#2\\),#" + x + "\\);"), 1u);
  EXPECT_EQ(Count(text, relation + "'Function',\\$,\\(#1\\),#" + y + "\\);"), 1u);
  EXPECT_EQ(Count(text, relation + "'Other',\\$,\\(#3\\),#" + x + "\\);"), 1u);
  EXPECT_EQ(Count(text, "IFCRELASSOCIATESCLASSIFICATION\\("), 3u);
  EXPECT_EQ(result.summary.references, 2u);
  EXPECT_EQ(result.summary.relations, 3u);
}

// An IFC2X3 file of two walls and no owner history, which IFC2X3's relations require.
const std::string Ifc2x3Walls = IfcFile(
    "#1=IFCWALL('0000000000000000000001',$,'A',$,$,$,$,$);\n#2=IFCWALL('0000000000000000000002',$,'B',$,$,$,$,$);\n",
    "IFC2X3");

TEST(ClassificationMerge, WhatAReferenceLacksIsLeftOpenAndWhatTheSchemaRequiresIsWarnedAbout) {
  // Made without the checks of the add-on interface: no source, no identification, no relation name.
  IPL::ClassificationReference bare;
  bare.SetName(KT::UniString("Bare"));
  ScriptedProvider provider;
  provider.references = [&](const ObjectID& id, std::vector<ClassificationReference>& values) {
    if (id == Element("0000000000000000000001")) {
      values.push_back(ClassificationReference(Token, bare));
    } else if (id == Element("0000000000000000000002")) {
      values.push_back(Code("X", "Function"));  // a classification without the Edition IFC2X3 requires
    }
  };
  const ExportResult ifc4 = ExportWith(provider, MergeWalls());
  const std::string reference =
      Capture(ifc4.text, "#(\\d+)=IFCCLASSIFICATIONREFERENCE\\(\\$,\\$,'Bare',\\$,\\$,\\$\\);");
  ASSERT_FALSE(reference.empty()) << ifc4.text;
  EXPECT_EQ(
      Count(ifc4.text, "=IFCRELASSOCIATESCLASSIFICATION\\('[^']{22}',\\$,\\$,\\$,\\(#1\\),#" + reference + "\\);"), 1u);

  const ExportResult ifc2x3 = ExportWith(provider, Ifc2x3Walls);
  EXPECT_EQ(Count(ifc2x3.text, "IFCCLASSIFICATION\\("), 0u) << ifc2x3.text;
  EXPECT_EQ(Count(ifc2x3.text, "=IFCCLASSIFICATIONREFERENCE\\(\\$,'X','It''s',\\$\\);"), 1u);
  EXPECT_EQ(Count(ifc2x3.text, "IFCRELASSOCIATESCLASSIFICATION\\("), 0u);
  EXPECT_EQ(ifc2x3.summary.relations, 0u);
  const std::vector<std::string> expected = {
      "classification reference 'X': IFC2X3's IfcClassification requires Edition, which the contribution leaves "
      "open; the reference is written without its classification",
      "classification relations cannot be written: the schema requires OwnerHistory, which the file has none of",
  };
  EXPECT_EQ(ifc2x3.summary.warnings, expected);
}

}  // namespace
}  // namespace Exporter::Testing
