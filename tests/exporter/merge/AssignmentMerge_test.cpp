// Groups and systems with their member and service relations; members that cannot be related are
// warned about and left out.
#include "exporter/merge/AssignmentMerge.h"

#include <gtest/gtest.h>

#include "exporter/writer/InstanceText.h"
#include "tests/exporter/ScriptedExport.h"

namespace Exporter::Testing {
namespace {

const KT::Guid SystemGuid("{9A000000-0000-4000-8000-000000000001}");
const KT::Guid GroupGuid("{9A000000-0000-4000-8000-000000000002}");
const KT::Guid ClashGuid("{9A000000-0000-4000-8000-000000000003}");
const KT::Guid MissingGuid("{9A000000-0000-4000-8000-0000000000FF}");

std::string Text(const ObjectID& id) {
  return GuidText(FromKTGuid(id.GetGUID()));
}

// The groups of the test; their identifiers carry GUIDs that the library derives from the given ones.
struct Groups {
  HookAssignments tree{Token};
  ObjectID system =
      tree.CreateIfcGroup(SystemGuid, IPL::IFCType::IfcBuildingSystem, KT::UniString("Heating"), true).Unwrap();
  ObjectID group = tree.CreateIfcGroup(GroupGuid, IPL::IFCType::IfcGroup, std::nullopt, false).Unwrap();
  ObjectID clash = tree.CreateIfcGroup(ClashGuid, IPL::IFCType::IfcGroup, KT::UniString("Clash"), true).Unwrap();
};

TEST(AssignmentMerge, GroupsAndTheirRelationsRelateWhatTheFileHas) {
  Groups groups;
  const ObjectID building = Element("0000000000000000000001");
  const ObjectID wall = Element("0000000000000000000002");
  const ObjectID set = Element("0000000000000000000003");
  const ObjectID missing(Token, MissingGuid);
  ASSERT_TRUE(groups.tree.AssignObjects(groups.system, {wall, groups.group, missing, wall}).HasValue());
  ASSERT_TRUE(groups.tree.ServiceBuildings(groups.system, {building, wall}).HasValue());
  ASSERT_TRUE(groups.tree.AssignObjects(groups.group, {set}).HasValue());  // no object: left without members
  ScriptedProvider provider;
  provider.assignments = [&](std::vector<HookAssignments>& values) { values.push_back(groups.tree); };
  // The slab's GlobalId is the one the clashing group would get.
  const ExportResult result =
      ExportWith(provider, IfcFile("#1=IFCBUILDING('0000000000000000000001',$,'B',$,$,$,$,$,.ELEMENT.,$,$,$);\n"
                                   "#2=IFCWALL('0000000000000000000002',$,'W',$,$,$,$,$,$);\n"
                                   "#3=IFCPROPERTYSET('0000000000000000000003',$,'P',$,());\n"
                                   "#4=IFCSLAB('" +
                                   Text(groups.clash) + "',$,'S',$,$,$,$,$,$);\n"));
  const std::string& text = result.text;
  const std::string system =
      Capture(text, "#(\\d+)=IFCBUILDINGSYSTEM\\('" + Text(groups.system) + "',\\$,'Heating',\\$,\\$,\\$,\\$\\);");
  const std::string group = Capture(text, "#(\\d+)=IFCGROUP\\('" + Text(groups.group) + "',\\$,\\$,\\$,\\$\\);");
  ASSERT_FALSE(system.empty() || group.empty()) << text;
  EXPECT_EQ(Count(text, "IFCGROUP\\("), 1u);
  EXPECT_EQ(
      Count(text, "=IFCRELASSIGNSTOGROUP\\('[^']{22}',\\$,\\$,\\$,\\(#2,#" + group + "\\),\\$,#" + system + "\\);"),
      1u);
  EXPECT_EQ(Count(text, "IFCRELASSIGNSTOGROUP\\("), 1u);
  EXPECT_EQ(Count(text, "=IFCRELSERVICESBUILDINGS\\('[^']{22}',\\$,\\$,\\$,#" + system + ",\\(#1\\)\\);"), 1u);
  EXPECT_EQ(result.summary.groups, 2u);
  EXPECT_EQ(result.summary.relations, 2u);
  const std::vector<std::string> expected = {
      "group '" + Text(groups.clash) + "': its GlobalId is already used; skipped",
      "group '" + Text(groups.system) + "': member '" + Text(missing) + "' is not in the file; left out",
      "group '" + Text(groups.system) + "': #2 (IfcWall) cannot be a serviced building; left out",
      "group '" + Text(groups.group) + "': #3 (IfcPropertySet) cannot be a member; left out",
  };
  EXPECT_EQ(result.summary.warnings, expected);
}

TEST(AssignmentMerge, RepeatedGroupsClashingRelationsAndIfc2x3StandIns) {
  Groups groups;
  const ObjectID wall = Element("0000000000000000000002");
  ASSERT_TRUE(groups.tree.AssignObjects(groups.system, {wall}).HasValue());
  ASSERT_TRUE(groups.tree.ServiceBuildings(groups.system, {groups.group}).HasValue());  // a group: no building
  ASSERT_TRUE(groups.tree.AssignObjects(groups.group, {wall}).HasValue());
  const ObjectID clashing = groups.tree.GetIfcRelAssignsToGroup(groups.group).Unwrap();
  ScriptedProvider provider;
  // The same tree twice: its groups and relations are written once.
  provider.assignments = [&](std::vector<HookAssignments>& values) {
    values.push_back(groups.tree);
    values.push_back(groups.tree);
  };
  const std::string walls = "#2=IFCWALL('0000000000000000000002',#5,'W',$,$,$,$,$);\n#3=IFCWALL('" + Text(clashing) +
                            "',#5,'Clash',$,$,$,$,$);\n";
  const std::string owner =
      "#1=IFCPERSONANDORGANIZATION($,$,$);\n#4=IFCAPPLICATION($,'1','T','T');\n"
      "#5=IFCOWNERHISTORY(#1,#4,$,.ADDED.,$,$,$,0);\n";
  const ExportResult result = ExportWith(provider, IfcFile(owner + walls, "IFC2X3"));
  const std::string system = Capture(
      result.text, "#(\\d+)=IFCSYSTEM\\('" + Text(groups.system) + "',#5,'Heating',\\$,'IfcBuildingSystem'\\);");
  ASSERT_FALSE(system.empty()) << result.text;
  EXPECT_EQ(Count(result.text, "=IFCRELASSIGNSTOGROUP\\('[^']{22}',#5,\\$,\\$,\\(#2\\),\\$,#" + system + "\\);"), 1u);
  EXPECT_EQ(Count(result.text, "IFCRELASSIGNSTOGROUP\\("), 1u);
  EXPECT_EQ(Count(result.text, "IFCRELSERVICESBUILDINGS\\("), 0u);
  EXPECT_EQ(result.summary.groups, 3u);
  const std::vector<std::string> expected = {
      "IFC2X3 has no IfcBuildingSystem: written as IfcSystem with ObjectType 'IfcBuildingSystem'",
      "group '" + Text(groups.system) + "': serviced building '" + Text(groups.group) +
          "' is not in the file; left out",
      "relation '" + Text(clashing) + "': its GlobalId is already used; skipped",
  };
  EXPECT_EQ(result.summary.warnings, expected);

  // Without an owner history, which IFC2X3's groups require, none is written.
  const ExportResult without =
      ExportWith(provider, IfcFile("#2=IFCWALL('0000000000000000000002',$,'W',$,$,$,$,$);\n", "IFC2X3"));
  EXPECT_EQ(without.summary.groups, 0u);
  ASSERT_EQ(without.summary.warnings.size(), 4u) << without.text;
  EXPECT_EQ(without.summary.warnings[1], "group '" + Text(groups.system) +
                                             "': IfcSystem requires OwnerHistory, which the file has none of; skipped");
}

}  // namespace
}  // namespace Exporter::Testing
