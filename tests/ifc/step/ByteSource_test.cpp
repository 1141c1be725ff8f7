#include "ifc/step/ByteSource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "StatusAssertions.h"
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
  Model model;
  const std::string empty = TemporaryPath("empty.ifc");
  std::ofstream(empty, std::ios::binary).flush();
  ASSERT_TRUE(Succeeded(source.Open(empty)));
  EXPECT_EQ(source.Size(), 0u);
  EXPECT_EQ(FailureText(model.Open(empty)),
            empty + ":1: not an ISO 10303-21 file (it does not begin with ISO-10303-21;)");

#if !defined(_WIN32)
  // A FIFO without a writer would block an ordinary open for ever.
  const std::string fifo = TemporaryPath("fifo.ifc");
  std::remove(fifo.c_str());
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(FailureText(source.Open(fifo)), fifo + ": not a regular file");
  struct stat device {};
  if (stat("/dev/null", &device) == 0 && S_ISCHR(device.st_mode)) {  // a sandbox may have replaced it
    EXPECT_EQ(FailureText(source.Open("/dev/null")), "/dev/null: not a regular file");
  }
  std::remove(fifo.c_str());
#endif
  std::remove(empty.c_str());
}

}  // namespace
}  // namespace Ifc
