// The operating system boundary. The tool's runs (CMakeLists.txt) map missing, folder and regular
// inputs and load add-ons that are missing or no library; what they do not meet is here.
#include "Platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace Exporter {
namespace {

namespace fs = std::filesystem;

// An empty file maps to no bytes at an address that may be read from, not to a failure.
TEST(Platform, AnEmptyFileMapsToNoBytes) {
  const fs::path empty = fs::path(::testing::TempDir()) / "platform-empty.ifc";
  std::ofstream(empty, std::ios::binary).close();
  MappedFile mapped;
  std::string error;
  ASSERT_TRUE(mapped.Open(empty.string(), error)) << error;
  EXPECT_EQ(mapped.Size(), 0u);
  EXPECT_NE(mapped.Data(), nullptr);
}

TEST(Platform, ALibraryThatCannotBeLoadedGivesTheSystemsReasonAndTheToolsFolderEndsWithASeparator) {
  SharedLibrary library;
  std::string error;
  EXPECT_FALSE(library.Open((fs::path(::testing::TempDir()) / "no-such-library.so").string(), error));
  EXPECT_FALSE(error.empty());
  const std::string folder = ExecutableDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(folder.back() == '/' || folder.back() == '\\') << folder;
  EXPECT_TRUE(fs::is_directory(folder));
}

}  // namespace
}  // namespace Exporter
