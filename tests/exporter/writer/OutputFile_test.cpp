// The output is written aside and renamed into place; every failure leaves neither file behind.
#include "exporter/writer/OutputFile.h"

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

// A fresh, empty folder for each test, and the output's path in it.
class OutputFileTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(folder);
    fs::create_directories(folder);
  }

  const fs::path folder = fs::path(::testing::TempDir()) /
                          ("output-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  const fs::path path = folder / "out.ifc";
  std::string error;
};

TEST_F(OutputFileTest, TheTextAppearsUnderItsNameOnlyWhenCommitted) {
  {
    OutputFile abandoned(path.string());
    ASSERT_TRUE(abandoned.Open(error)) << error;
    EXPECT_TRUE(abandoned.Write("half"));
    EXPECT_TRUE(fs::exists(abandoned.PartialPath()));
  }
  EXPECT_TRUE(fs::is_empty(folder));  // left uncommitted: removed
  {
    OutputFile out(path.string());
    ASSERT_TRUE(out.Open(error)) << error;
    EXPECT_TRUE(out.Write("ISO-") && out.Write("") && out.Write("10303-21;\n"));
    EXPECT_FALSE(fs::exists(path));
    ASSERT_TRUE(out.Commit(error)) << error;
  }
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), "ISO-10303-21;\n");
  EXPECT_FALSE(fs::exists(path.string() + ".partial"));
}

TEST_F(OutputFileTest, AFailedRenameRemovesThePartialFile) {
  // The output's name is taken by a folder that is not empty, which no file can replace.
  fs::create_directories(path / "inside");
  OutputFile out(path.string());
  ASSERT_TRUE(out.Open(error)) << error;
  EXPECT_TRUE(out.Write("text"));
  EXPECT_FALSE(out.Commit(error));
  EXPECT_EQ(error.rfind(path.string() + ": cannot replace with " + path.string() + ".partial: ", 0), 0u) << error;
  EXPECT_FALSE(fs::exists(out.PartialPath()));
  EXPECT_TRUE(fs::is_directory(path / "inside"));
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

TEST_F(OutputFileTest, AWriteThatFailsRemovesThePartialFile) {
  OutputFile out(path.string());
  ASSERT_TRUE(out.Open(error)) << error;
  {
    const FileSizeLimit limit(4096);
    const std::string big(std::size_t{2} << 20, 'x');  // beyond the write buffer: written at once
    EXPECT_FALSE(out.Write(big));
    EXPECT_FALSE(out.Write("more"));  // once failed, always failed
    EXPECT_FALSE(out.Commit(error));
  }
  EXPECT_EQ(error.rfind(path.string() + ".partial: cannot write: ", 0), 0u) << error;
  EXPECT_TRUE(fs::is_empty(folder));
}
#endif

}  // namespace
}  // namespace Exporter
