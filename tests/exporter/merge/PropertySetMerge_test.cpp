// The merge rule for property sets, one case a rule, over walls that share sets and have their own
// (MergeWalls: A and B share Pset_Shared and Pset_Both; C has Pset_Own and the quantities Qto_Own).
#include "exporter/merge/PropertySetMerge.h"

#include <gtest/gtest.h>

#include "tests/exporter/ScriptedExport.h"

namespace Exporter::Testing {
namespace {

constexpr char A[] = "0000000000000000000001";
constexpr char B[] = "0000000000000000000002";
constexpr char C[] = "0000000000000000000003";

// A provider that gives each listed element one single-value property.
struct Contribution {
  const char* element;
  const char* set;
  const char* name;
  const char* value;
};
ExportResult Contribute(std::vector<Contribution> contributions) {
  ScriptedProvider provider;
  provider.properties = [&](const ObjectID& id, std::vector<PropertyValue>& values) {
    for (const Contribution& c : contributions) {
      if (id == Element(c.element)) {
        values.push_back(Single(c.set, c.name, c.value));
      }
    }
  };
  return ExportWith(provider, MergeWalls());
}

// The number of the single value property called `name` with the label `value`.
std::string PropertyNumber(const std::string& text, const std::string& name, const std::string& value) {
  return Capture(text, "#(\\d+)=IFCPROPERTYSINGLEVALUE\\('" + name + "',\\$,IFCLABEL\\('" + value + "'\\),\\$\\);");
}

TEST(PropertySetMerge, TheElementsOwnSetGrowsInPlace) {
  const ExportResult result = Contribute({{C, "Pset_Own", "Added", "a"}});
  const std::string added = PropertyNumber(result.text, "Added", "a");
  ASSERT_FALSE(added.empty()) << result.text;
  EXPECT_TRUE(Has(result.text, "#21=IFCPROPERTYSET('0000000000000000000021',$,'Pset_Own',$,(#20,#" + added + "));"));
  EXPECT_EQ(Count(result.text, "'Pset_Own'"), 1u);
  EXPECT_TRUE(Has(result.text, "#22=IFCRELDEFINESBYPROPERTIES('0000000000000000000022',$,$,$,(#3),#21);"));
  EXPECT_EQ(result.summary.sets, 1u);
  EXPECT_EQ(result.summary.relations, 0u);
}

TEST(PropertySetMerge, ASharedSetIsLeftAloneAndTheElementGetsANewSet) {
  const ExportResult result = Contribute({{A, "Pset_Shared", "New", "n"}});
  const std::string added = PropertyNumber(result.text, "New", "n");
  const std::string merged = Capture(
      result.text, "#(\\d+)=IFCPROPERTYSET\\('[0-9A-Za-z_$]{22}',\\$,'Pset_Shared',\\$,\\(#10,#" + added + "\\)\\);");
  ASSERT_FALSE(merged.empty()) << result.text;
  EXPECT_TRUE(Has(result.text, "#11=IFCPROPERTYSET('0000000000000000000011',$,'Pset_Shared',$,(#10));"));
  EXPECT_TRUE(Has(result.text, "#12=IFCRELDEFINESBYPROPERTIES('0000000000000000000012',$,$,$,(#2),#11);"));
  EXPECT_EQ(Count(result.text, "=IFCRELDEFINESBYPROPERTIES\\('[^']{22}',\\$,\\$,\\$,\\(#1\\),#" + merged + "\\);"), 1u);
  EXPECT_EQ(result.summary.relations, 1u);
}

TEST(PropertySetMerge, AContributedPropertyWhoseNameTheSetHasIsDroppedWithAWarning) {
  const ExportResult result = Contribute({{C, "Pset_Own", "Kept", "x"}, {A, "Pset_Shared", "Old", "x"}});
  EXPECT_FALSE(Has(result.text, "IFCLABEL('x')"));
  EXPECT_TRUE(Has(result.text, "#21=IFCPROPERTYSET('0000000000000000000021',$,'Pset_Own',$,(#20));"));
  EXPECT_TRUE(Has(result.text, "#12=IFCRELDEFINESBYPROPERTIES('0000000000000000000012',$,$,$,(#1,#2),#11);"));
  // The sets' names are no standard ones: the template check, before the merge, says so.
  const std::string once = " (said once for every element of this entity given it)";
  EXPECT_EQ(result.summary.warnings,
            (std::vector<std::string>{
                "#1 (IfcWall): Pset_Shared: the IFC4 template says no such set, the add-on gave it" + once,
                "#1 (IfcWall): property Pset_Shared.Old is already in the file's set; the file's value stays",
                "#3 (IfcWall): Pset_Own: the IFC4 template says no such set, the add-on gave it" + once,
                "#3 (IfcWall): property Pset_Own.Kept is already in the file's set; the file's value stays"}));
  EXPECT_EQ(result.summary.templateMismatches, 2u);
  EXPECT_EQ(result.summary.sets + result.summary.values, 0u);
}

TEST(PropertySetMerge, ARelationThatAllItsElementsLeaveIsPointedAtTheFirstNewSet) {
  // Both leave for one new set: the old relation is pointed at it and no new relation is made.
  const ExportResult same = Contribute({{A, "Pset_Both", "Extra", "e"}, {B, "Pset_Both", "Extra", "e"}});
  const std::string both =
      Capture(same.text, "#(\\d+)=IFCPROPERTYSET\\('[^']{22}',\\$,'Pset_Both',\\$,\\(#30,#\\d+\\)\\);");
  ASSERT_FALSE(both.empty()) << same.text;
  EXPECT_TRUE(Has(same.text, "#32=IFCRELDEFINESBYPROPERTIES('0000000000000000000032',$,$,$,(#1,#2),#" + both + ");"));
  EXPECT_EQ(Count(same.text, "IFCRELDEFINESBYPROPERTIES\\("), 4u);  // the file's own

  // They leave for different sets: the old relation keeps the first and B gets a relation of its own.
  const ExportResult apart = Contribute({{A, "Pset_Both", "Extra", "a"}, {B, "Pset_Both", "Extra", "b"}});
  const std::string forA = Capture(apart.text, "#(\\d+)=IFCPROPERTYSET\\('[^']{22}',\\$,'Pset_Both',\\$,\\(#30,#" +
                                                   PropertyNumber(apart.text, "Extra", "a") + "\\)\\);");
  const std::string forB = Capture(apart.text, "#(\\d+)=IFCPROPERTYSET\\('[^']{22}',\\$,'Pset_Both',\\$,\\(#30,#" +
                                                   PropertyNumber(apart.text, "Extra", "b") + "\\)\\);");
  ASSERT_FALSE(forA.empty() || forB.empty()) << apart.text;
  EXPECT_TRUE(Has(apart.text, "#32=IFCRELDEFINESBYPROPERTIES('0000000000000000000032',$,$,$,(#1),#" + forA + ");"));
  EXPECT_EQ(Count(apart.text, "=IFCRELDEFINESBYPROPERTIES\\('[^']{22}',\\$,\\$,\\$,\\(#2\\),#" + forB + "\\);"), 1u);
  EXPECT_EQ(Count(apart.text, "=IFCRELDEFINESBYPROPERTIES\\('[^']{22}',\\$,\\$,\\$,\\(#1\\),#" + forA + "\\);"), 1u);
}

TEST(PropertySetMerge, IdenticalSetsAreWrittenOnceAndRelatedToAllReceivers) {
  const ExportResult result =
      Contribute({{A, "Pset_New", "P", "v"}, {B, "Pset_New", "P", "v"}, {C, "Pset_New", "P", "v"}});
  const std::string set =
      Capture(result.text, "#(\\d+)=IFCPROPERTYSET\\('[^']{22}',\\$,'Pset_New',\\$,\\(#\\d+\\)\\);");
  ASSERT_FALSE(set.empty()) << result.text;
  EXPECT_EQ(Count(result.text, "'Pset_New'"), 1u);
  EXPECT_EQ(Count(result.text, "IFCPROPERTYSINGLEVALUE\\('P'"), 1u);
  EXPECT_EQ(Count(result.text, "=IFCRELDEFINESBYPROPERTIES\\('[^']{22}',\\$,\\$,\\$,\\(#1,#2,#3\\),#" + set + "\\);"),
            1u);
  EXPECT_EQ(result.summary.sets, 1u);
  EXPECT_EQ(result.summary.values, 3u);
  EXPECT_EQ(result.summary.relations, 1u);
}

}  // namespace
}  // namespace Exporter::Testing
