#include "ByteSource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "Model.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace IfcReader {
namespace {

std::string TemporaryPath(const std::string& name) {
  return ::testing::TempDir() + "reader-" + name;
}

TEST(ByteSource, MapsRegularFilesAndRefusesEverythingElseAtOnce) {
  const std::string text =
      "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\nFILE_NAME('','',(''),(''),'','','');\n"
      "FILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n#1=IFCCARTESIANPOINT((0.,0.));\nENDSEC;\nEND-ISO-10303-21;\n";
  const std::string path = TemporaryPath("regular.ifc");
  std::ofstream(path, std::ios::binary) << text;
  ByteSource source;
  std::string error;
  ASSERT_TRUE(source.Open(path, error)) << error;
  EXPECT_EQ(source.Bytes(), text);
  Model model;
  ASSERT_TRUE(model.Open(path, error)) << error;
  EXPECT_EQ(model.InstanceCount(), 1u);

  const std::string empty = TemporaryPath("empty.ifc");
  std::ofstream(empty, std::ios::binary).flush();
  ASSERT_TRUE(source.Open(empty, error)) << error;
  EXPECT_EQ(source.Size(), 0u);
  EXPECT_FALSE(model.Open(empty, error));
  EXPECT_EQ(error, empty + ":1: not an ISO 10303-21 file (it does not begin with ISO-10303-21;)");

  EXPECT_FALSE(source.Open(::testing::TempDir(), error));
  EXPECT_EQ(error, ::testing::TempDir() + ": not a regular file");
  const std::string missing = TemporaryPath("missing.ifc");
  EXPECT_FALSE(source.Open(missing, error));
  EXPECT_EQ(error.rfind(missing + ": cannot open: ", 0), 0u) << error;
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
  std::remove(path.c_str());
  std::remove(empty.c_str());
}

}  // namespace
}  // namespace IfcReader
