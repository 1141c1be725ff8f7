#include "lookup/RelationLinks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IfcFileText.h"
#include "StepFile.h"

namespace Exporter {
namespace {

using IfcReader::InstanceNumber;

// A wall with two property relations (the second listing it twice), a type, two containers (the
// first in file order counts), a relation that also has the wall on its relating side, one with
// nothing on its relating side, and a slab related to nothing.
const std::string Input = IfcFile(
    "#1=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n"
    "#2=IFCSLAB('3W0000001008000000000S',$,$,$,$,$,$,$,$);\n"
    "#3=IFCBUILDINGSTOREY('300000001008000000000I',$,'Ground floor',$,$,$,$,$,.ELEMENT.,0.);\n"
    "#4=IFCBUILDINGSTOREY('300000001008000000000J',$,'First floor',$,$,$,$,$,.ELEMENT.,3.);\n"
    "#5=IFCPROPERTYSET('3m00000010080000000001',$,'A',$,(#9));\n"
    "#6=IFCPROPERTYSET('3m00000010080000000002',$,'B',$,(#9));\n"
    "#7=IFCWALLTYPE('2W0000001008000000000T',$,'WT',$,$,$,$,$,$,.SOLIDWALL.);\n"
    "#9=IFCPROPERTYSINGLEVALUE('P',$,IFCLABEL('x'),$);\n"
    "#10=IFCRELCONTAINEDINSPATIALSTRUCTURE('2W000000100800000000R1',$,$,$,(#1),#4);\n"
    "#11=IFCRELDEFINESBYPROPERTIES('3m00000010080000000011',$,$,$,(#1),#5);\n"
    "#12=IFCRELAGGREGATES('2W000000100800000000R2',$,$,$,#1,(#1));\n"
    "#13=IFCRELDEFINESBYTYPE('2W000000100800000000R3',$,$,$,(#1),$);\n"
    "#14=IFCRELDEFINESBYPROPERTIES('3m00000010080000000014',$,$,$,(#1,#1),#6);\n"
    "#15=IFCRELCONTAINEDINSPATIALSTRUCTURE('2W000000100800000000R4',$,$,$,(#1),#3);\n"
    "#16=IFCRELDEFINESBYTYPE('2W000000100800000000R5',$,$,$,(#1),#7);\n");

struct Seen {
  RelationLinks::Kind kind;
  std::vector<InstanceNumber> relating;
  bool operator==(const Seen& other) const { return kind == other.kind && relating == other.relating; }
};

std::vector<Seen> Seeing(const RelationLinks& links, IfcReader::InstanceIndex object) {
  std::vector<Seen> seen;
  for (const RelationLinks::Link& link : links.Of(object)) {
    seen.push_back(Seen{link.kind, std::vector<InstanceNumber>(link.relating, link.relating + link.relatingCount)});
  }
  return seen;
}

TEST(RelationLinksTest, ListsEachRelationOfAnObjectOnceInFileOrder) {
  StepFile file;
  std::string error;
  ASSERT_TRUE(file.Read(Input.data(), Input.size(), "in.ifc", error)) << error;
  const IfcReader::Model& model = file.Model();
  const RelationLinks links(model);
  using Kind = RelationLinks::Kind;
  const std::vector<Seen> expected = {
      {Kind::Container, {InstanceNumber(4)}},  {Kind::Properties, {InstanceNumber(5)}},
      {Kind::Properties, {InstanceNumber(6)}}, {Kind::Container, {InstanceNumber(3)}},
      {Kind::Type, {InstanceNumber(7)}},
  };
  EXPECT_EQ(Seeing(links, model.Find(InstanceNumber(1))), expected);
  EXPECT_TRUE(links.Of(model.Find(InstanceNumber(2))).empty());
  EXPECT_TRUE(links.Of(model.Find(InstanceNumber(3))).empty());  // only on relating sides
}

}  // namespace
}  // namespace Exporter
