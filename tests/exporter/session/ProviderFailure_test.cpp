// Whatever the provider throws out of a hook query ends the collection with a ProviderFailure that
// names the query and, for the element queries, the element.
#include "exporter/session/ProviderFailure.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "StatusAssertions.h"
#include "tests/exporter/ScriptedExport.h"

namespace Exporter::Testing {
namespace {

// The message of the failure `provider` causes, or "" when the collection ends normally.
std::string FailureOf(ScriptedProvider& provider) {
  const std::string walls = MergeWalls();
  Ifc::Model file;
  EXPECT_TRUE(Succeeded(file.Read(walls.data(), walls.size(), "in.ifc")));
  Exporter exporter(file, false);
  const Registered registered(&provider);
  try {
    exporter.Collect();
  } catch (const ProviderFailure& failure) {
    return failure.what();
  }
  return "";
}

// An answer that throws `thrown` when asked about wall C.
template <class Thrown>
auto ThrowingOnWallC(Thrown thrown) {
  return [thrown](const ObjectID& id, auto&) {
    if (id == Element("0000000000000000000003")) {
      throw thrown;
    }
  };
}

TEST(ProviderFailure, NamesTheQueryAndTheElement) {
  ScriptedProvider properties, attributes, references, assignments;
  properties.properties = ThrowingOnWallC(std::runtime_error("no data"));
  attributes.attributes = ThrowingOnWallC(7);
  references.references = ThrowingOnWallC(std::logic_error("bad code"));
  assignments.assignments = [](std::vector<HookAssignments>&) { throw std::runtime_error("no groups"); };
  const std::string wall = " for #3 (IfcWall, GlobalId '0000000000000000000003'): ";
  EXPECT_EQ(FailureOf(properties), "the add-on failed in GetHookProperties" + wall + "no data");
  EXPECT_EQ(FailureOf(attributes),
            "the add-on failed in GetHookAttributes" + wall + "an exception that is no std::exception");
  EXPECT_EQ(FailureOf(references), "the add-on failed in GetHookClassificationReferences" + wall + "bad code");
  EXPECT_EQ(FailureOf(assignments), "the add-on failed in GetHookAssignments: no groups");
}

}  // namespace
}  // namespace Exporter::Testing
