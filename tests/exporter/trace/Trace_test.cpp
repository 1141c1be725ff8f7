// The trace's account of each question and answer, as --trace prints it.
#include "exporter/trace/Trace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "API/IfcGlobalId.h"
#include "IFCAPI/HookAssignments.h"
#include "IPL/ClassificationReference.h"
#include "IPL/PropertyListValue.h"
#include "StatusAssertions.h"
#include "tests/ifc/IfcFileText.h"

namespace Exporter {
namespace {

using IFCAPI::Impl::HookAssignments;
using IFCAPI::Impl::ObjectID;

const API_Guid Token = ToAPIGuid(KT::Guid("{7E570000-0000-4000-8000-000000000001}"));

const std::string Input = IfcFile("#2=IFCWALL('0000000000000000000002',$,$,$,$,$,$,$);\n", "IFC2X3");

// Runs `steps` against a trace of the file and gives what it printed.
template <class Steps>
std::string Printed(Steps steps) {
  Ifc::Model file;
  EXPECT_TRUE(Succeeded(file.Read(Input.data(), Input.size(), "in.ifc")));
  // A file of the test's own name: the tests run in parallel.
  const std::string path =
      ::testing::TempDir() + "trace-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
  std::FILE* out = std::fopen(path.c_str(), "w+b");
  if (out == nullptr) {
    ADD_FAILURE() << "cannot create " << path;
    return std::string();
  }
  Trace trace(file, out);
  steps(trace);
  std::rewind(out);
  std::string text;
  for (int c = std::fgetc(out); c != EOF; c = std::fgetc(out)) {
    text += static_cast<char>(c);
  }
  std::fclose(out);
  std::remove(path.c_str());
  return text;
}

// The tool's --trace runs show values, attributes and references as the sample's add-on gives them;
// here what it never gives: what the schema cannot hold, an unset attribute, a reference of nothing
// but a location.
TEST(Trace, AnswersShowWhatTheSchemaCannotHoldAndWhatIsLeftOpen) {
  auto layers = KT::SharedPtr<IPL::Property>(new IPL::PropertyListValue());
  layers->SetName("Layers");  // empty: IFC2X3 requires a value
  KT::Array<IPL::PropertySet> sets;
  sets.Push(IPL::PropertySet());
  sets[0].SetName("Pset_Test");
  sets[0].AddProperty(layers);
  KT::Array<IPL::GeneralAttribute> attributes;
  attributes.Push(IPL::GeneralAttribute("Description", "", "", false));
  IPL::ClassificationReference bare;
  bare.SetLocation(KT::UniString("https://codes.example"));
  KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>> references;
  references.Push(KT::SharedPtr<IPL::ExternalReferenceBase>(bare.Clone()));
  const std::string printed = Printed([&](Trace& trace) {
    trace.Answered(Ifc::InstanceIndex(0), {sets, attributes, references});
  });
  EXPECT_EQ(printed,
            "  GetHookProperties: 1 property set\n"
            "    Pset_Test\n"
            "      Layers: not written: IFC2X3's IfcPropertyListValue requires ListValues, which the contribution "
            "leaves open; skipped\n"
            "  GetHookAttributes: 1 attribute\n"
            "    Description: no value (unset)\n"
            "  GetHookClassificationReferences: 1 reference\n"
            "    $ $ in no classification by '' at 'https://codes.example'\n");
}

TEST(Trace, AssignmentsShowGroupsRelationsAndMembers) {
  HookAssignments tree(Token);
  const ObjectID system = tree.CreateIfcGroup(KT::Guid("{9A000000-0000-4000-8000-000000000001}"),
                                              IPL::IFCType::IfcBuildingSystem, KT::UniString("Heating"), true)
                              .Unwrap();
  const ObjectID group = tree.CreateIfcGroup(KT::Guid("{9A000000-0000-4000-8000-000000000002}"), IPL::IFCType::IfcGroup,
                                             std::nullopt, false)
                             .Unwrap();
  const ObjectID wall(Token, ToKTGuid(*DecodeGlobalId("0000000000000000000002")));  // it has no Name
  const ObjectID missing(Token, ToKTGuid(*DecodeGlobalId("0000000000000000000009")));
  ASSERT_TRUE(tree.AssignObjects(system, {wall, group, missing}).HasValue());
  KT::Array<HookAssignments> answers;
  answers.Push(tree);
  const auto globalId = [](const ObjectID& id) { return "'" + API::GlobalIdFromGuid(id.GetGUID()) + "'"; };
  EXPECT_EQ(
      Printed([&](Trace& trace) { trace.AssignmentsAnswered(answers); }),
      "GetHookAssignments: 1 answer\n"
      "  IfcBuildingSystem " +
          globalId(system) + " 'Heating'\n    IfcRelAssignsToGroup " +
          globalId(tree.GetIfcRelAssignsToGroup(system).Unwrap()) +
          "\n      #2 IfcWall '0000000000000000000002' $\n      IfcGroup " + globalId(group) +
          " (a group of this answer)\n      '0000000000000000000009' (not in the file)\n    IfcRelServicesBuildings " +
          globalId(tree.GetIfcRelServicesBuildings(system).Unwrap()) + "\n  IfcGroup " + globalId(group) +
          " $\n    IfcRelAssignsToGroup " + globalId(tree.GetIfcRelAssignsToGroup(group).Unwrap()) + "\n");
}

}  // namespace
}  // namespace Exporter
