#include "exporter/model/StepFile.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ifc/IfcFileText.h"

namespace Exporter {
namespace {

// The reader's findings, strictness and line ends reach the tool's runs (CMakeLists.txt); what the
// file adds is its limit: numbers that new instances could not follow in 32 bits are refused.
TEST(StepFile, RefusesNumbersAbove31Bits) {
  std::string error;
  const std::string largest = IfcFile("#2147483647=IFCDIRECTION((1.,0.));\n");
  EXPECT_TRUE(StepFile().Read(largest.data(), largest.size(), "m.ifc", error)) << error;
  const std::string large = IfcFile("#4000000000=IFCDIRECTION((1.,0.));\n");
  EXPECT_FALSE(StepFile().Read(large.data(), large.size(), "m.ifc", error));
  EXPECT_EQ(error, "m.ifc:8: #4000000000: instance numbers above 2147483647 are not supported by this tool");
}

}  // namespace
}  // namespace Exporter
