// Derived GlobalIds: the same key gives the same id in every run, and no id the file or the run
// already uses is given out.
#include "exporter/writer/NewGlobalIds.h"

#include <gtest/gtest.h>

#include "StatusAssertions.h"
#include "tests/ifc/IfcFileText.h"

namespace Exporter {
namespace {

TEST(NewGlobalIds, DerivedIdsAreStableAndNeverRepeatOneInUse) {
  const std::string text = IfcFile("#1=IFCWALL('3W0000001008000000000H',$,'A',$,$,$,$,$,$);\n");
  Ifc::Model file;
  ASSERT_TRUE(Succeeded(file.Read(text.data(), text.size(), "in.ifc")));
  NewGlobalIds ids(file);
  const std::string first = ids.Derive("set one");
  ASSERT_TRUE(DecodeGlobalId(first).has_value()) << first;
  EXPECT_EQ(NewGlobalIds(file).Derive("set one"), first);  // the same in another run
  EXPECT_NE(ids.Derive("set one"), first);                 // never twice in one run
  EXPECT_FALSE(ids.Claim(*DecodeGlobalId(first)));
  EXPECT_FALSE(ids.Claim(*DecodeGlobalId("3W0000001008000000000H")));  // the file's
  const GuidBytes fresh = *DecodeGlobalId("1W0000001008000000000H");
  EXPECT_TRUE(ids.Claim(fresh));
  EXPECT_FALSE(ids.Claim(fresh));
  // Version 8 (made by the tool's own rule), RFC 4122 variant.
  const GuidBytes bytes = *DecodeGlobalId(first);
  EXPECT_EQ(bytes[6] >> 4, 8);
  EXPECT_EQ(bytes[8] >> 6, 2);

  // A file that already holds the id the key would give gets the next one.
  const std::string taken = IfcFile("#1=IFCWALL('" + first + "',$,'A',$,$,$,$,$,$);\n");
  Ifc::Model other;
  ASSERT_TRUE(Succeeded(other.Read(taken.data(), taken.size(), "in.ifc")));
  const std::string next = NewGlobalIds(other).Derive("set one");
  EXPECT_NE(next, first);
  EXPECT_TRUE(DecodeGlobalId(next).has_value());
}

}  // namespace
}  // namespace Exporter
