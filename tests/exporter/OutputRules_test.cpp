// The writer's file-level rules: the output keeps the input's line ends, and an output that is the
// input under any name is recognised.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "LineEnds.h"
#include "OutputPath.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace Exporter {
namespace {

using IfcReader::NamesOtherThanFile;
using IfcReader::NamesSameFile;

TEST(LineEnds, NewLinesTakeTheInputsLineEnd) {
  EXPECT_EQ(WithLineEnds("#1=A();\n#2=B('x\ny');\n", LineEnd::CrLf), "#1=A();\r\n#2=B('x\r\ny');\r\n");
  // A line that already ends in CR LF is not given a second CR.
  EXPECT_EQ(WithLineEnds("a\r\nb\n", LineEnd::CrLf), "a\r\nb\r\n");
  EXPECT_EQ(WithLineEnds("a\nb\n", LineEnd::Lf), "a\nb\n");
}

#if !defined(_WIN32)
TEST(SameFile, AnotherSpellingAHardLinkAndASymbolicLinkAreTheSameFile) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("same-file-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder / "sub");
  const fs::path input = folder / "model.ifc";
  const fs::path copy = folder / "copy.ifc";
  std::ofstream(input) << "ISO-10303-21;\n";
  std::ofstream(copy) << "ISO-10303-21;\n";
  fs::create_hard_link(input, folder / "hard.ifc");
  fs::create_symlink(input, folder / "soft.ifc");

  EXPECT_TRUE(NamesSameFile(input.string(), input.string()));
  EXPECT_TRUE(NamesSameFile(input.string(), (folder / "sub" / ".." / "." / "model.ifc").string()));
  EXPECT_TRUE(NamesSameFile(input.string(), (folder / "hard.ifc").string()));
  EXPECT_TRUE(NamesSameFile((folder / "soft.ifc").string(), input.string()));
  // Equal content is not the same file, and a file that does not exist is no other file.
  EXPECT_FALSE(NamesSameFile(input.string(), copy.string()));
  EXPECT_FALSE(NamesSameFile(input.string(), (folder / "new.ifc").string()));
  EXPECT_FALSE(NamesSameFile((folder / "new.ifc").string(), (folder / "new.ifc").string()));
  fs::remove_all(folder);
}
#endif

}  // namespace
}  // namespace Exporter
