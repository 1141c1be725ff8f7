// The IDS conformance cases in third_party/ids/testcases, and ours beside them in
// tests/idscheck/data/conformance (the same layout, rules the given cases leave open), one test each:
// the file name's prefix is the verdict the checker must reach (pass-, fail-, or invalid-: the
// document is refused as invalid, or its check fails).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "idscheck/check/Audit.h"
#include "idscheck/check/Checker.h"
#include "idscheck/check/DocumentReader.h"
#include "idscheck/check/ReaderModelView.h"
#include "idscheck/check/SchemaCatalog.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Cases(const char* folder) {
  std::vector<std::string> cases;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.path().extension() == ".ids") {
      cases.push_back(entry.path().string());
    }
  }
  std::sort(cases.begin(), cases.end());
  return cases;
}

std::string TestName(const testing::TestParamInfo<std::string>& info) {
  const fs::path path(info.param);
  std::string name = path.parent_path().filename().string() + "_" + path.stem().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) {
      c = '_';
    }
  }
  return name;
}

enum class Verdict { Pass, Fail, Invalid };

Verdict Check(const std::string& idsPath, std::string& detail) {
  Ids::Document document;
  Ids::DocumentError error;
  if (!Ids::ReadDocument(idsPath, document, error) || !Ids::AuditDocument(document, Ids::SchemaEntityCatalog, error)) {
    detail = error.Message();
    return Verdict::Invalid;
  }
  Ids::ReaderModelView model;
  const std::string modelPath = fs::path(idsPath).replace_extension(".ifc").string();
  if (const Ifc::Status opened = model.Open(modelPath); !opened) {
    ADD_FAILURE() << "the case's model cannot be read: " << opened.Error().Message();
    return Verdict::Invalid;
  }
  const Ids::CheckResult result = Ids::Checker(model).Run(modelPath, {document});
  for (const Ids::SpecificationResult& specification : result.specifications) {
    detail += specification.name + ": " + specification.verdictReason + "\n";
    for (const Ids::ElementFailure& failure : specification.failures) {
      for (const std::string& reason : failure.reasons) {
        detail += "  #" + std::to_string(failure.instance.Value()) + " " + reason + "\n";
      }
    }
  }
  return result.Passes() ? Verdict::Pass : Verdict::Fail;
}

class ConformanceCase : public testing::TestWithParam<std::string> {};

TEST_P(ConformanceCase, ReachesTheExpectedVerdict) {
  const std::string name = fs::path(GetParam()).filename().string();
  std::string detail;
  const Verdict verdict = Check(GetParam(), detail);
  if (name.rfind("pass-", 0) == 0) {
    EXPECT_EQ(verdict, Verdict::Pass) << detail;
  } else if (name.rfind("fail-", 0) == 0) {
    EXPECT_EQ(verdict, Verdict::Fail) << detail;
  } else {
    ASSERT_EQ(name.rfind("invalid-", 0), 0u) << "a case's name starts with pass-, fail- or invalid-";
    EXPECT_NE(verdict, Verdict::Pass) << detail;
  }
}

INSTANTIATE_TEST_SUITE_P(Ids, ConformanceCase, testing::ValuesIn(Cases(IDS_TESTCASES_DIR)), TestName);
INSTANTIATE_TEST_SUITE_P(Ours, ConformanceCase, testing::ValuesIn(Cases(OWN_TESTCASES_DIR)), TestName);

TEST(IdsConformanceCases, AllAreFound) {
  EXPECT_EQ(Cases(IDS_TESTCASES_DIR).size(), 210u);
  EXPECT_EQ(Cases(OWN_TESTCASES_DIR).size(), 59u);
}

}  // namespace
