// New instances are numbered on from the first number, and identical ones are shared per pool.
#include "NewInstances.h"

#include <gtest/gtest.h>

namespace Exporter {
namespace {

TEST(NewInstances, IdenticalBodiesAreWrittenOncePerPool) {
  NewInstances added(InstanceNumber(41));
  NewInstances::Pool properties;
  NewInstances::Pool sets;
  const NewInstances::Shared first = added.AddOnce(properties, "IFCX('a')");
  const NewInstances::Shared again = added.AddOnce(properties, "IFCX('a')");
  const NewInstances::Shared otherPool = added.AddOnce(sets, "IFCX('a')");
  EXPECT_EQ(first.number.Value(), 41u);
  EXPECT_TRUE(first.isNew);
  EXPECT_EQ(again.number.Value(), 41u);
  EXPECT_FALSE(again.isNew);
  EXPECT_EQ(otherPool.number.Value(), 42u);
  EXPECT_EQ(added.Add("IFCX('a')").Value(), 43u);  // Add never shares
  EXPECT_EQ(added.Text(), "#41=IFCX('a');\n#42=IFCX('a');\n#43=IFCX('a');\n");
}

}  // namespace
}  // namespace Exporter
