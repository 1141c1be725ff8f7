// Attributes: string-valued ones are set or unset; everything else is warned about and skipped.
#include "exporter/merge/AttributeMerge.h"

#include <gtest/gtest.h>

#include "StatusAssertions.h"
#include "exporter/merge/InstanceAttributes.h"
#include "exporter/merge/MergeContext.h"
#include "tests/exporter/ScriptedExport.h"

namespace Exporter::Testing {
namespace {

TEST(AttributeMerge, StringAttributesAreSetOrUnsetAndTheRestIsRefused) {
  ScriptedProvider provider;
  provider.attributes = [](const ObjectID& id, std::vector<Attribute>& values) {
    if (id == Element("0000000000000000000001")) {
      values.push_back(Attribute::Create(Token, "Name", KT::UniString(u8"C'\u00e9")).Unwrap());
      values.push_back(Attribute::Create(Token, "Description", std::nullopt).Unwrap());  // optional: unset
      values.push_back(Attribute::Create(Token, "GlobalId", KT::UniString("x")).Unwrap());
      values.push_back(Attribute::Create(Token, "PredefinedType", KT::UniString("x")).Unwrap());  // no string
      values.push_back(Attribute::Create(Token, "Colour", KT::UniString("red")).Unwrap());
    } else if (id == Element("0000000000000000000003")) {
      values.push_back(Attribute::Create(Token, "LongName", std::nullopt).Unwrap());
    } else if (id == Element("0000000000000000000004")) {
      values.push_back(Attribute::Create(Token, "LifeCyclePhase", std::nullopt).Unwrap());  // required
    }
  };
  const ExportResult result =
      ExportWith(provider, IfcFile("#1=IFCWALL('0000000000000000000001',$,'A','d',$,$,$,$,$);\n"
                                   "#3=IFCSPACE('0000000000000000000003',$,'S',$,$,$,$,'L',$,$,$);\n"
                                   "#4=IFCPERFORMANCEHISTORY('0000000000000000000004',$,$,$,$,$,'Design',$);\n"));
  EXPECT_TRUE(Has(result.text, "#1=IFCWALL('0000000000000000000001',$,'C''\\X2\\00E9\\X0\\',$,$,$,$,$,$);"));
  EXPECT_TRUE(Has(result.text, "#3=IFCSPACE('0000000000000000000003',$,'S',$,$,$,$,$,$,$,$);"));
  EXPECT_TRUE(Has(result.text, "#4=IFCPERFORMANCEHISTORY('0000000000000000000004',$,$,$,$,$,'Design',$);"));
  EXPECT_EQ(result.summary.attributes, 3u);
  const std::vector<std::string> expected = {
      "#1 (IfcWall): 'GlobalId' is no string-valued attribute of IfcWall; skipped",
      "#1 (IfcWall): 'PredefinedType' is no string-valued attribute of IfcWall; skipped",
      "#1 (IfcWall): 'Colour' is no string-valued attribute of IfcWall; skipped",
      "#4 (IfcPerformanceHistory): 'LifeCyclePhase' is required and cannot be unset; skipped",
  };
  EXPECT_EQ(result.summary.warnings, expected);
}

// An instance's attributes are read by slots of its own entity only; a debug build stops at any other.
TEST(AttributeMergeDeathTest, ReadingBySlotsTheInstanceHasNotIsAsserted) {
#ifdef NDEBUG
  GTEST_SKIP() << "assertions are compiled out in this build";
#else
  const std::string text = IfcFile("#1=IFCPROPERTYSINGLEVALUE('A',$,$,$);\n");
  Ifc::Model model;
  ASSERT_TRUE(Succeeded(model.Read(text.data(), text.size(), "in.ifc")));
  InstanceAttributes attributes(model);
  ASSERT_TRUE(attributes.Read(InstanceIndex(0)));
  const Ifc::Schema& schema = model.GetSchema();
  const Ifc::AttributeSlot wallTag = schema.FindAttribute(schema.FindEntity("IfcWall"), "Tag");  // 8
  EXPECT_DEATH((void)attributes[Ifc::AttributeSlot{}], "invalid AttributeSlot");
  EXPECT_DEATH((void)attributes.References(wallTag), "slot the instance read has not");
  MergeContext context(model);
  EXPECT_DEATH(context.Rewrite(InstanceIndex(0), std::vector<std::string>{"'A'"}),
               "not all of the entity's attributes");
#endif
}

}  // namespace
}  // namespace Exporter::Testing
