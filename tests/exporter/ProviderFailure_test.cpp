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

// An answer that throws `thrown` when asked about the slab.
template <class Thrown>
auto ThrowingOnTheSlab(Thrown thrown) {
  return [thrown](const ObjectID& id, auto&) {
    if (id == Element("0000000000000000000007")) {
      throw thrown;
    }
  };
}

TEST(ProviderFailure, NamesTheQueryAndTheElement) {
  ScriptedProvider properties, attributes, references, assignments, quiet;
  properties.properties = ThrowingOnTheSlab(std::runtime_error("no data"));
  attributes.attributes = ThrowingOnTheSlab(7);
  references.references = ThrowingOnTheSlab(std::logic_error("bad code"));
  assignments.assignments = [](std::vector<HookAssignments>&) { throw std::runtime_error("no groups"); };
  const std::string slab = " for #7 (IfcSlab, GlobalId '0000000000000000000007'): ";
  EXPECT_EQ(FailureOf(properties), "the add-on failed in GetHookProperties" + slab + "no data");
  EXPECT_EQ(FailureOf(attributes),
            "the add-on failed in GetHookAttributes" + slab + "an exception that is no std::exception");
  EXPECT_EQ(FailureOf(references), "the add-on failed in GetHookClassificationReferences" + slab + "bad code");
  EXPECT_EQ(FailureOf(assignments), "the add-on failed in GetHookAssignments: no groups");
  EXPECT_EQ(FailureOf(quiet), "");
}

}  // namespace
}  // namespace Exporter::Testing
