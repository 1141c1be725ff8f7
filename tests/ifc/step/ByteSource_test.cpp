#include "ifc/step/ByteSource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "ifc/step/Model.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Ifc {
namespace {

std::string TemporaryPath(const std::string& name) {
  return ::testing::TempDir() + "reader-" + name;
}

// Regular files are what every tool run and the look-up's tests open; folders and missing files are
// the tool's runs InputIsAFolder and MissingInput.
TEST(ByteSource, MapsAnEmptyFileAndRefusesWhatIsNoRegularFileAtOnce) {
  ByteSource source;
  std::string error;
  Model model;
  const std::string empty = TemporaryPath("empty.ifc");
  std::ofstream(empty, std::ios::binary).flush();
  ASSERT_TRUE(source.Open(empty, error)) << error;
  EXPECT_EQ(source.Size(), 0u);
  EXPECT_FALSE(model.Open(empty, error));
  EXPECT_EQ(error, empty + ":1: not an ISO 10303-21 file (it does not begin with ISO-10303-21;)");

#if !defined(_WIN32)
  // A FIFO without a writer would block an ordinary open for ever.
  const std::string fifo = TemporaryPath("fifo.ifc");
  std::remove(fifo.c_str());
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(source.Open(fifo, error));
  EXPECT_EQ(error, fifo + ": not a regular file");
  struct stat device {};
  if (stat("/dev/null", &device) == 0 && S_ISCHR(device.st_mode)) {  // a sandbox may have replaced it
    EXPECT_FALSE(source.Open("/dev/null", error));
    EXPECT_EQ(error, "/dev/null: not a regular file");
  }
  std::remove(fifo.c_str());
#endif
  std::remove(empty.c_str());
}

}  // namespace
}  // namespace Ifc
