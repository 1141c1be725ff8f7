// The operating system boundary: mapped input files and loaded libraries, with their failures named.
#include "Platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace Exporter {
namespace {

namespace fs = std::filesystem;

TEST(Platform, MapsRegularFilesAndRefusesTheRest) {
  const fs::path folder = fs::path(::testing::TempDir()) / "platform-mapped";
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::ofstream(folder / "text.ifc", std::ios::binary) << "ISO-10303-21;";
  std::ofstream(folder / "empty.ifc", std::ios::binary).close();
  std::string error;

  MappedFile text;
  ASSERT_TRUE(text.Open((folder / "text.ifc").string(), error)) << error;
  EXPECT_EQ(std::string(text.Data(), text.Size()), "ISO-10303-21;");

  MappedFile empty;
  ASSERT_TRUE(empty.Open((folder / "empty.ifc").string(), error)) << error;
  EXPECT_EQ(empty.Size(), 0u);
  EXPECT_NE(empty.Data(), nullptr);

  MappedFile missing;
  EXPECT_FALSE(missing.Open((folder / "missing.ifc").string(), error));
  EXPECT_EQ(error.rfind((folder / "missing.ifc").string() + ": cannot open", 0), 0u) << error;

  MappedFile directory;
  EXPECT_FALSE(directory.Open(folder.string(), error));
  EXPECT_EQ(error.rfind(folder.string() + ": ", 0), 0u) << error;  // not a regular file, or cannot open
}

TEST(Platform, ALibraryThatCannotBeLoadedGivesTheSystemsReason) {
  SharedLibrary library;
  std::string error;
  EXPECT_FALSE(library.Open((fs::path(::testing::TempDir()) / "no-such-library.so").string(), error));
  EXPECT_FALSE(error.empty());
}

TEST(Platform, TheToolsFolderEndsWithASeparator) {
  const std::string folder = ExecutableDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(folder.back() == '/' || folder.back() == '\\') << folder;
  EXPECT_TRUE(fs::is_directory(folder));
}

}  // namespace
}  // namespace Exporter
