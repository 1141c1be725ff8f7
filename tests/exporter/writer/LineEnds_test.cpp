// The output keeps the input's line ends. (That an output naming the input under any name is refused
// is the tool's run OutputIsInput.)
#include "exporter/writer/LineEnds.h"

#include <gtest/gtest.h>

namespace Exporter {
namespace {

TEST(LineEnds, NewLinesTakeTheInputsLineEnd) {
  EXPECT_EQ(WithLineEnds("#1=A();\n#2=B('x\ny');\n", LineEnd::CrLf), "#1=A();\r\n#2=B('x\r\ny');\r\n");
  // A line that already ends in CR LF is not given a second CR.
  EXPECT_EQ(WithLineEnds("a\r\nb\n", LineEnd::CrLf), "a\r\nb\r\n");
  EXPECT_EQ(WithLineEnds("a\nb\n", LineEnd::Lf), "a\nb\n");
}

}  // namespace
}  // namespace Exporter
