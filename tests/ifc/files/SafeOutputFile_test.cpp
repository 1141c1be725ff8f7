// The output appears whole or not at all, never through a link planted beside it, and no temporary
// outlives a failure or a signal from the user.
#include "ifc/files/SafeOutputFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "ifc/files/OutputPath.h"

#if !defined(_WIN32)
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace Ifc {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::set<std::string> Entries(const fs::path& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// Names from a fixed list, then the system's.
SafeOutputFile::NameSource Sequence(std::vector<std::uint64_t> numbers) {
  return [numbers, next = std::size_t{0}]() mutable { return next < numbers.size() ? numbers[next++] : 0xFFFF; };
}

// A fresh, empty folder for each test, and the output's path in it.
class SafeOutputFileTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  const fs::path folder = fs::path(testing::TempDir()) /
                          ("safe-output-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  const std::string path = (folder / "out.ifc").string();
};

TEST_F(SafeOutputFileTest, TheTextAppearsWholeAndOnlyWhenCommitted) {
  std::ofstream(path) << "an older, longer file that must not survive in part";
  {
    SafeOutputFile abandoned;
    ASSERT_TRUE(abandoned.Open(path));
    abandoned.Write("half");
    EXPECT_TRUE(fs::exists(abandoned.TemporaryPath()));
  }
  EXPECT_EQ(Entries(folder), std::set<std::string>{"out.ifc"});
  SafeOutputFile out;
  ASSERT_TRUE(out.Open(path));
  const std::string big(std::size_t{3} << 20, 'x');  // past the buffer: written at once
  out.Write("ISO-");
  out.Write("");
  out.Write(big);
  out.Write("10303-21;\n");
  EXPECT_EQ(ReadFile(path).substr(0, 9), "an older,");
  const Status committed = out.Commit();
  ASSERT_TRUE(committed) << committed.Error().Message();
  EXPECT_EQ(ReadFile(path), "ISO-" + big + "10303-21;\n");
  EXPECT_EQ(Entries(folder), std::set<std::string>{"out.ifc"});
}

TEST_F(SafeOutputFileTest, TemporaryNamesAreDrawnAtRandom) {
  SafeOutputFile first;
  SafeOutputFile second;
  ASSERT_TRUE(first.Open(path) && second.Open(path));
  EXPECT_NE(first.TemporaryPath(), second.TemporaryPath());
  EXPECT_EQ(first.TemporaryPath().rfind(path + ".", 0), 0u);
  EXPECT_EQ(SafeOutputFile::TemporaryPathFor("a.ifc", 0x0123456789abcdef), "a.ifc.0123456789abcdef.partial");
}

#if !defined(_WIN32)
TEST_F(SafeOutputFileTest, APlantedLinkIsNeverFollowed) {
  // Links at the fixed name older versions wrote to, and at the first two names drawn: one to a file
  // the writer must not touch, one to a file that would be made through it.
  const fs::path victim = folder / "victim";
  std::ofstream(victim) << "V";
  const std::string guessed = SafeOutputFile::TemporaryPathFor(path, 7);
  fs::create_symlink(victim, path + ".partial");
  fs::create_symlink(victim, guessed);
  fs::create_symlink(folder / "made-through-link", SafeOutputFile::TemporaryPathFor(path, 8));
  SafeOutputFile out(Sequence({7, 8, 9}));
  ASSERT_TRUE(out.Open(path));
  EXPECT_EQ(out.TemporaryPath(), SafeOutputFile::TemporaryPathFor(path, 9));
  out.Write("new");
  ASSERT_TRUE(out.Commit());
  EXPECT_EQ(ReadFile(victim), "V");
  EXPECT_FALSE(fs::exists(folder / "made-through-link"));
  EXPECT_FALSE(fs::is_symlink(path));
  EXPECT_EQ(ReadFile(path), "new");
  EXPECT_EQ(Entries(folder).size(), 5u);  // victim, the three links, the output
}

TEST_F(SafeOutputFileTest, TheFileTakesTheModeTheUmaskLeaves) {
  const mode_t saved = umask(027);
  SafeOutputFile out;
  const bool opened = static_cast<bool>(out.Open(path));
  umask(saved);
  ASSERT_TRUE(opened && out.Commit());
  struct stat status {};
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
}
#endif

TEST_F(SafeOutputFileTest, FailuresNameTheOutputAndLeaveNothing) {
  struct Case {
    const char* name;
    std::string path;
    SafeOutputFile::NameSource names;
    std::string message;
  };
  const std::string missing = (folder / "missing" / "out.ifc").string();
  const std::vector<Case> cases{
      {"missing folder", missing, Sequence({1}), missing + ": cannot create: "},
      {"every name taken", path, Sequence(std::vector<std::uint64_t>(64, 5)),
       path + ": cannot create: every temporary name tried beside it is taken"},
      {"a folder", folder.string(), Sequence({1}), folder.string() + ": not a regular file"},
  };
  std::ofstream(SafeOutputFile::TemporaryPathFor(path, 5)) << "taken";
  for (const Case& test : cases) {
    SafeOutputFile out(test.names);
    const Status opened = out.Open(test.path);
    ASSERT_FALSE(opened) << test.name;
    EXPECT_EQ(opened.Error().Message().rfind(test.message, 0), 0u) << test.name << ": " << opened.Error().Message();
    EXPECT_EQ(Entries(folder),
              std::set<std::string>{fs::path(SafeOutputFile::TemporaryPathFor(path, 5)).filename().string()});
  }
}

TEST_F(SafeOutputFileTest, AFolderMadeAtThePathWhileWritingIsNotReplaced) {
  SafeOutputFile out;
  ASSERT_TRUE(out.Open(path));
  out.Write("text");
  fs::create_directories(fs::path(path) / "inside");
  const Status committed = out.Commit();
  ASSERT_FALSE(committed);
  EXPECT_EQ(committed.Error().Message(), path + ": not a regular file: the output was not written");
  EXPECT_EQ(Entries(folder), std::set<std::string>{"out.ifc"});
  EXPECT_TRUE(fs::is_directory(fs::path(path) / "inside"));
}

#if !defined(_WIN32)
// Runs `body` in a child process and returns its wait status; the body's exit code tells which of its
// checks failed.
template <class Body>
int InChild(Body body) {
  const pid_t child = fork();
  if (child == 0) {
    _exit(body());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

TEST_F(SafeOutputFileTest, AWritePastTheFileSizeLimitFailsAndLeavesNothing) {
  // With SIGXFSZ at its default action the write would end the process; the writer ignores it.
  const int status = InChild([&] {
    std::signal(SIGXFSZ, SIG_DFL);
    SafeOutputFile out;
    if (!out.Open(path)) {
      return 10;
    }
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limit);
    out.Write(std::string(std::size_t{2} << 20, 'x'));
    out.Write("more");
    const Status committed = out.Commit();
    return committed ? 11 : committed.Error().Message() == path + ": cannot write: File too large" ? 0 : 12;
  });
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(SafeOutputFileTest, TheSignalsAUserSendsRemoveTheTemporary) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
      // A write in progress: opened, partly written, then waiting for more.
      for (const int reset : {SIGTERM, SIGINT, SIGHUP}) {
        std::signal(reset, SIG_DFL);
      }
      SafeOutputFile out;
      if (!out.Open(path)) {
        _exit(1);
      }
      out.Write(std::string(std::size_t{2} << 20, 'x'));
      const char byte = 1;
      if (write(ready[1], &byte, 1) != 1) {
        _exit(1);
      }
      for (;;) {
        pause();
      }
    }
    close(ready[1]);
    char byte = 0;
    const bool writing = read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    EXPECT_TRUE(writing) << signal;
    EXPECT_EQ(Entries(folder).size(), writing ? 1u : 0u);
    kill(child, writing ? signal : SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_TRUE(fs::is_empty(folder)) << signal;
  }
}
#endif

TEST(OutputPath, PathsThatNameOneFile) {
  const fs::path folder = fs::path(testing::TempDir()) / "output-path-names";
  fs::remove_all(folder);
  fs::create_directories(folder / "sub");
  std::ofstream(folder / "in.ifc") << "x";
  const std::string base = folder.string();
  struct Case {
    std::string first;
    std::string second;
    bool same;
  };
  const std::vector<Case> cases{
      {base + "/in.ifc", base + "/sub/../in.ifc", true},      // one file, two spellings
      {base + "/new.json", base + "/sub/../new.json", true},  // neither there: one name in one folder
      {base + "/new.json", base + "/sub/new.json", false},   {base + "/new.json", base + "/new.html", false},
      {base + "/in.ifc", base + "/sub/in.ifc", false},  // only one there
  };
  for (const Case& test : cases) {
    EXPECT_EQ(NamesSameFile(test.first, test.second), test.same) << test.first << " " << test.second;
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace Ifc
