// Whatever the provider throws out of a hook query ends the collection with a ProviderFailure that
// names the query and, for the element queries, the element.
#include "ProviderFailure.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ScriptedExport.h"

namespace Exporter::Testing {
namespace {

const std::string Walls = IfcFile(
    "#1=IFCWALL('0000000000000000000001',$,'A',$,$,$,$,$,$);\n"
    "#7=IFCSLAB('0000000000000000000007',$,'B',$,$,$,$,$,$);\n");

// The message of the failure `provider` causes, or "" when the collection ends normally.
std::string FailureOf(ScriptedProvider& provider) {
  StepFile file;
  std::string error;
  EXPECT_TRUE(file.Read(Walls.data(), Walls.size(), "in.ifc", error)) << error;
  Exporter exporter(file, false);
  const Registered registered(&provider);
  try {
    exporter.Collect();
  } catch (const ProviderFailure& failure) {
    return failure.what();
  }
  return "";
}

bool IsSlab(const ObjectID& id) {
  return id == Element("0000000000000000000007");
}

TEST(ProviderFailure, NamesTheQueryAndTheElement) {
  const std::string slab = " for #7 (IfcSlab, GlobalId '0000000000000000000007'): ";
  ScriptedProvider properties;
  properties.properties = [](const ObjectID& id, std::vector<PropertyValue>&) {
    if (IsSlab(id)) {
      throw std::runtime_error("no data");
    }
  };
  EXPECT_EQ(FailureOf(properties), "the add-on failed in GetHookProperties" + slab + "no data");

  ScriptedProvider attributes;
  attributes.attributes = [](const ObjectID& id, std::vector<Attribute>&) {
    if (IsSlab(id)) {
      throw 7;
    }
  };
  EXPECT_EQ(FailureOf(attributes),
            "the add-on failed in GetHookAttributes" + slab + "an exception that is no std::exception");

  ScriptedProvider references;
  references.references = [](const ObjectID& id, std::vector<ClassificationReference>&) {
    if (IsSlab(id)) {
      throw std::logic_error("bad code");
    }
  };
  EXPECT_EQ(FailureOf(references), "the add-on failed in GetHookClassificationReferences" + slab + "bad code");

  ScriptedProvider assignments;
  assignments.assignments = [](std::vector<HookAssignments>&) { throw std::runtime_error("no groups"); };
  EXPECT_EQ(FailureOf(assignments), "the add-on failed in GetHookAssignments: no groups");

  ScriptedProvider quiet;
  EXPECT_EQ(FailureOf(quiet), "");
}

}  // namespace
}  // namespace Exporter::Testing
