// Which candidates nothing refers to: references in nested lists count, text in strings does not, and
// the instances the run rewrites are left out of the search.
#include "UnreferencedInstances.h"

#include <gtest/gtest.h>

#include <string>

#include "IfcFileText.h"
#include "StepFile.h"

namespace Exporter {
namespace {

TEST(UnreferencedInstances, OnlyRealReferencesKeepAnInstance) {
  const std::string text = IfcFile(
      "#1=IFCPROPERTYSINGLEVALUE('a',$,IFCLABEL('see #2 and #3'),$);\n"
      "#2=IFCPROPERTYSET('0000000000000000000002',$,'S2',$,(#1));\n"
      "#3=IFCPROPERTYSET('0000000000000000000003',$,'S3',$,(#1));\n"
      "#4=IFCPROPERTYSET('0000000000000000000004',$,'S4',$,(#1));\n"
      "#5=IFCWALLTYPE('0000000000000000000005',$,'T',$,$,(#4),$,$,$,.STANDARD.);\n"
      "#6=IFCRELDEFINESBYPROPERTIES('0000000000000000000006',$,$,$,(#5),#3);\n");
  StepFile file;
  std::string error;
  ASSERT_TRUE(file.Read(text.data(), text.size(), "m.ifc", error)) << error;
  // #2 is named only inside a string; #3 by a relation the run rewrites (index 5); #4 by a type.
  const IfcReader::Model& model = file.Model();
  const std::vector<InstanceNumber> sets{InstanceNumber(2), InstanceNumber(3), InstanceNumber(4)};
  EXPECT_EQ(Unreferenced(model, sets, {InstanceIndex(5)}),
            (std::vector<InstanceNumber>{InstanceNumber(2), InstanceNumber(3)}));
  EXPECT_EQ(Unreferenced(model, sets, {}), std::vector<InstanceNumber>{InstanceNumber(2)});
  EXPECT_TRUE(Unreferenced(model, {InstanceNumber(1)}, {}).empty());  // the sets refer to it
  EXPECT_TRUE(Unreferenced(model, {}, {InstanceIndex(5)}).empty());
}

}  // namespace
}  // namespace Exporter
