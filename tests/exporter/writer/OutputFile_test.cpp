// The output is written aside and renamed into place; every failure leaves neither file behind.
#include "OutputFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#if !defined(_WIN32)
#include <sys/resource.h>

#include <csignal>
#endif

namespace Exporter {
namespace {

namespace fs = std::filesystem;

// A fresh, empty folder for one test.
fs::path Folder(const char* name) {
  const fs::path folder = fs::path(::testing::TempDir()) / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(OutputFile, TheTextAppearsUnderItsNameOnlyWhenCommitted) {
  const fs::path path = Folder("output-commit") / "out.ifc";
  fs::path partial;
  {
    OutputFile out(path.string());
    std::string error;
    ASSERT_TRUE(out.Open(error)) << error;
    partial = out.PartialPath();
    EXPECT_EQ(partial, path.string() + ".partial");
    EXPECT_TRUE(out.Write("ISO-"));
    EXPECT_TRUE(out.Write(""));
    EXPECT_TRUE(out.Write("10303-21;\n"));
    EXPECT_FALSE(fs::exists(path));
    ASSERT_TRUE(out.Commit(error)) << error;
  }
  EXPECT_EQ(Read(path), "ISO-10303-21;\n");
  EXPECT_FALSE(fs::exists(partial));
}

TEST(OutputFile, AFolderThatIsMissingIsReportedAndNothingIsCreated) {
  const fs::path path = Folder("output-missing") / "no-such-folder" / "out.ifc";
  OutputFile out(path.string());
  std::string error;
  EXPECT_FALSE(out.Open(error));
  EXPECT_EQ(error.rfind(path.string() + ".partial: cannot create: ", 0), 0u) << error;
  EXPECT_FALSE(fs::exists(path.parent_path()));
}

TEST(OutputFile, AFailedRenameRemovesThePartialFile) {
  // The output's name is taken by a folder that is not empty, which no file can replace.
  const fs::path path = Folder("output-rename") / "out.ifc";
  fs::create_directories(path / "inside");
  OutputFile out(path.string());
  std::string error;
  ASSERT_TRUE(out.Open(error)) << error;
  EXPECT_TRUE(out.Write("text"));
  EXPECT_FALSE(out.Commit(error));
  EXPECT_EQ(error.rfind(path.string() + ": cannot replace with " + path.string() + ".partial: ", 0), 0u) << error;
  EXPECT_FALSE(fs::exists(out.PartialPath()));
  EXPECT_TRUE(fs::is_directory(path / "inside"));
}

TEST(OutputFile, AFileLeftUncommittedIsRemoved) {
  const fs::path path = Folder("output-abandoned") / "out.ifc";
  {
    OutputFile out(path.string());
    std::string error;
    ASSERT_TRUE(out.Open(error)) << error;
    EXPECT_TRUE(out.Write("half"));
    EXPECT_TRUE(fs::exists(out.PartialPath()));
  }
  EXPECT_TRUE(fs::is_empty(path.parent_path()));
}

#if !defined(_WIN32)
// Files of this process may not grow beyond `bytes` while the object lives; a write past it fails
// (with the signal the limit raises ignored).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved);
    previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
  }

 private:
  rlimit saved{};
  void (*previous)(int) = nullptr;
};

TEST(OutputFile, AWriteThatFailsRemovesThePartialFile) {
  const fs::path path = Folder("output-full") / "out.ifc";
  OutputFile out(path.string());
  std::string error;
  ASSERT_TRUE(out.Open(error)) << error;
  {
    const FileSizeLimit limit(4096);
    const std::string big(std::size_t{2} << 20, 'x');  // beyond the write buffer: written at once
    EXPECT_FALSE(out.Write(big));
    EXPECT_FALSE(out.Write("more"));  // once failed, always failed
    EXPECT_FALSE(out.Commit(error));
  }
  EXPECT_EQ(error.rfind(path.string() + ".partial: cannot write: ", 0), 0u) << error;
  EXPECT_TRUE(fs::is_empty(path.parent_path()));
}
#endif

}  // namespace
}  // namespace Exporter
