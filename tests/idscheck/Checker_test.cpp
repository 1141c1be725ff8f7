// The check in parts on several threads: each specification's counts and failures, in file order,
// are those of the check in one part, however many parts there are.
#include "idscheck/check/Checker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "idscheck/check/DocumentReader.h"
#include "idscheck/check/ModelIndex.h"
#include "idscheck/check/ReaderModelView.h"

namespace {

namespace fs = std::filesystem;

// 60 walls and 30 slabs, interleaved: wall k is rated 'EI 30' when k % 3 == 0 and has no property set
// when k % 5 == 0; slab k is named 'Bad' when k % 4 == 0.
std::string Model() {
  std::string data =
      "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\nFILE_NAME('','',(),(),'','','');\n"
      "FILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n";
  int n = 0;
  const auto add = [&data, &n](const std::string& text) {
    data += "#" + std::to_string(++n) + "=" + text + ";\n";
    return "#" + std::to_string(n);
  };
  const auto gid = [&n] {
    const std::string digits = std::to_string(n);
    return "'3" + std::string(21 - digits.size(), '0') + digits + "'";
  };
  for (int k = 0; k < 60; ++k) {
    const std::string wall = add("IFCWALL(" + gid() + ",$,'Wall " + std::to_string(k) + "',$,$,$,$,$,$)");
    if (k % 5 != 0) {
      const std::string rating = add(std::string("IFCPROPERTYSINGLEVALUE('FireRating',$,IFCLABEL('") +
                                     (k % 3 == 0 ? "EI 30" : "REI 90") + "'),$)");
      const std::string set = add("IFCPROPERTYSET(" + gid() + ",$,'Pset_WallCommon',$,(" + rating + "))");
      add("IFCRELDEFINESBYPROPERTIES(" + gid() + ",$,$,$,(" + wall + ")," + set + ")");
    }
    if (k % 2 == 0) {
      add("IFCSLAB(" + gid() + ",$,'" + (k % 8 == 0 ? "Bad" : "Slab") + "',$,$,$,$,$,$)");
    }
  }
  return data + "ENDSEC;\nEND-ISO-10303-21;\n";
}

const char* const Requirements =
    "<?xml version=\"1.0\"?><ids xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns=\"http://standards.buildingsmart.org/IDS\"><info><title>T</title></info><specifications>"
    "<specification name=\"Rated walls\" ifcVersion=\"IFC4\"><applicability minOccurs=\"0\" maxOccurs=\"unbounded\">"
    "<entity><name><simpleValue>IFCWALL</simpleValue></name></entity></applicability><requirements>"
    "<property dataType=\"IFCLABEL\"><propertySet><simpleValue>Pset_WallCommon</simpleValue></propertySet>"
    "<baseName><simpleValue>FireRating</simpleValue></baseName><value><simpleValue>REI 90</simpleValue></value>"
    "</property></requirements></specification>"
    "<specification name=\"Named things\" ifcVersion=\"IFC4\"><applicability minOccurs=\"0\" maxOccurs=\"unbounded\">"
    "<attribute><name><simpleValue>Name</simpleValue></name></attribute></applicability><requirements>"
    "<attribute><name><simpleValue>Name</simpleValue></name><value><xs:restriction base=\"xs:string\">"
    "<xs:pattern "
    "value=\"(Wall|Slab|Pset_|FireRating).*\"/></xs:restriction></value></attribute></requirements></specification>"
    "</specifications></ids>";

TEST(IdsChecker, PartsOnThreadsGiveTheResultOfOnePart) {
  const fs::path path = fs::temp_directory_path() / "ids-checker-parts.ifc";
  std::ofstream(path) << Model();
  Ids::Document document;
  Ids::DocumentError documentError;
  ASSERT_TRUE(
      Ids::ReadDocumentFromMemory(Requirements, std::string(Requirements).size(), "t.ids", document, documentError))
      << documentError.Message();
  Ids::ReaderModelView view;
  const Ifc::Status opened = view.Open(path.string());
  ASSERT_TRUE(opened) << opened.Error().Message();
  fs::remove(path);
  const auto check = [&](std::size_t threads) {
    Ids::Checker checker(view);
    checker.UseThreads(threads);
    return checker.Run("m.ifc", {document});
  };
  const Ids::CheckResult whole = check(1);
  ASSERT_EQ(whole.specifications.size(), 2u);
  // 28 walls fail: 12 without the set (k % 5 == 0), 20 rated 'EI 30' (k % 3 == 0), 4 both. Named are
  // the walls, slabs, property sets and properties.
  EXPECT_EQ(whole.specifications[0].applicable, 60u);
  EXPECT_EQ(whole.specifications[0].failed, 28u);
  EXPECT_EQ(whole.specifications[1].applicable, 186u);
  EXPECT_EQ(whole.specifications[1].failed, 8u);
  // Each specification's counts, then each failure's instance and reasons, in order.
  const auto outline = [](const Ids::CheckResult& result) {
    std::vector<std::string> lines;
    for (const Ids::SpecificationResult& specification : result.specifications) {
      lines.push_back(std::to_string(specification.applicable) + " " + std::to_string(specification.passed));
      for (const Ids::ElementFailure& failure : specification.failures) {
        lines.push_back("#" + std::to_string(failure.instance.Value()));
        lines.insert(lines.end(), failure.reasons.begin(), failure.reasons.end());
      }
    }
    return lines;
  };
  for (const std::size_t threads : {2u, 3u, 7u, 500u}) {
    EXPECT_EQ(outline(check(threads)), outline(whole)) << threads;
  }
}

// The checker's preconditions stop a debug build: a view with no model open, a link of no instance.
TEST(IdsCheckerDeathTest, ViewWithoutModelAndInvalidLinksAreAsserted) {
#ifdef NDEBUG
  GTEST_SKIP() << "assertions are compiled out in this build";
#else
  const Ids::ReaderModelView view;
  EXPECT_EQ(view.InstanceCount(), 0u);
  EXPECT_DEATH((void)view.SchemaName(), "without a model");
  EXPECT_DEATH((void)view.Number(Ids::InstanceIndex(0)), "without a model");
  Ids::LinkTable links;
  EXPECT_DEATH(links.Add(Ids::InstanceIndex(), Ids::InstanceIndex(0)), "Valid");
#endif
}

}  // namespace
