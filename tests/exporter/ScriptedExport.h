// Test support: a hook data provider whose answers each test scripts, and a run of the exporter over
// STEP text with it, giving the written file and the summary.
//
//   ScriptedProvider provider;
//   provider.properties = [](const ObjectID& id, std::vector<PropertyValue>& values) { ... };
//   const ExportResult result = ExportWith(provider, IfcFile("#1=IFCWALL(...);\n"));
//   EXPECT_NE(result.text.find("IFCPROPERTYSET("), std::string::npos);
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "IFCAPI/HookManager.h"
#include "IFCAPI/IHookDataProvider.h"
#include "StatusAssertions.h"
#include "exporter/session/Exporter.h"
#include "tests/ifc/IfcFileText.h"

namespace Exporter::Testing {

using namespace IFCAPI::Impl;

inline const API_Guid Token = ToAPIGuid(KT::Guid("{7E570000-0000-4000-8000-000000000001}"));

// The ObjectID of the element whose GlobalId is `globalId`.
inline ObjectID Element(const char* globalId) {
  return ObjectID(Token, ToKTGuid(*DecodeGlobalId(globalId)));
}

inline Value Label(const char* text) {
  return Value::Create(Token, "IfcLabel", IPL::AnyValue::FromString(text)).Unwrap();
}

inline PropertyValue Single(const char* set, const char* name, const char* label) {
  return PropertyValue::CreateSingleValue(Token, set, name, Label(label)).Unwrap();
}

// Walls A, B and C (#1 to #3, GlobalIds 0000000000000000000001 to ...03) with property sets of their
// own and shared ones: data/merge-walls.ifc.
inline std::string MergeWalls() {
  std::ifstream in(std::string(IFCAPI_TEST_DATA) + "/merge-walls.ifc", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Answers what its members say; a member left empty answers nothing.
class ScriptedProvider : public IHookDataProvider {
 public:
  template <class T>
  using Answer = std::function<void(const ObjectID&, std::vector<T>&)>;

  Answer<PropertyValue> properties;
  Answer<Attribute> attributes;
  Answer<ClassificationReference> references;
  std::function<void(std::vector<HookAssignments>&)> assignments;

  void GetProperties(const ObjectID& id, std::vector<PropertyValue>& values) override { Call(properties, id, values); }
  void GetAttributes(const ObjectID& id, std::vector<Attribute>& values) override { Call(attributes, id, values); }
  void GetClassificationReferences(const ObjectID& id, std::vector<ClassificationReference>& values) override {
    Call(references, id, values);
  }
  void GetAlternativeProperties(const ObjectID&, std::vector<PropertyValue>&) override {}
  void GetAlternativeAttributes(const ObjectID&, std::vector<Attribute>&) override {}
  void GetAlternativeClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}
  void GetAssignments(std::vector<HookAssignments>& values) override {
    if (assignments) {
      assignments(values);
    }
  }

 private:
  template <class T>
  static void Call(const Answer<T>& answer, const ObjectID& id, std::vector<T>& values) {
    if (answer) {
      answer(id, values);
    }
  }
};

// Registers a provider for the lifetime of the object.
struct Registered {
  explicit Registered(IHookDataProvider* provider) noexcept { HookManager::SetHookDataProvider(provider); }
  Registered(const Registered&) = delete;
  Registered& operator=(const Registered&) = delete;
  ~Registered() { HookManager::SetHookDataProvider(nullptr); }
};

struct ExportResult {
  std::string text;  // the written file
  Summary summary;
};

// Runs the exporter over `input` with `provider` registered and reads back what it wrote, which must
// read as a file.
inline ExportResult ExportWith(ScriptedProvider& provider, const std::string& input) {
  // A file of the test's own: the tests run in parallel, each its own process.
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string path =
      ::testing::TempDir() + "scripted-export-" + test->test_suite_name() + "-" + test->name() + ".ifc";
  Ifc::Model file;
  EXPECT_TRUE(Succeeded(file.Read(input.data(), input.size(), "in.ifc")));
  Exporter exporter(file, false);
  {
    const Registered registered(&provider);
    exporter.Collect();
  }
  const Ifc::Status saved = exporter.Write(path, "out.ifc");
  EXPECT_TRUE(saved) << saved.Error().Message();
  std::ifstream written(path, std::ios::binary);
  ExportResult result{std::string(std::istreambuf_iterator<char>(written), std::istreambuf_iterator<char>()),
                      exporter.GetSummary()};
  // Whatever the contributions, the written file reads as a whole.
  Ifc::Model back;
  EXPECT_TRUE(Succeeded(back.Read(result.text.data(), result.text.size(), "out.ifc")));
  return result;
}

// Whether `text` holds `part`; a failure shows the text.
inline ::testing::AssertionResult Has(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "no " << part << " in\n" << text;
}

// How many times `pattern` matches in `text`.
inline std::size_t Count(const std::string& text, const std::string& pattern) {
  const std::regex expression(pattern);
  return static_cast<std::size_t>(
      std::distance(std::sregex_iterator(text.begin(), text.end(), expression), std::sregex_iterator()));
}

// The first group of the first match of `pattern` in `text` (an instance number, say), or "".
inline std::string Capture(const std::string& text, const std::string& pattern) {
  std::smatch match;
  return std::regex_search(text, match, std::regex(pattern)) ? match[1].str() : std::string();
}

}  // namespace Exporter::Testing
