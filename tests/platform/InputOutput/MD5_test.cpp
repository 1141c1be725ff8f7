// The MD5 digest and the channel that feeds it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "IO/MD5Channel.h"
#include "IO/MD5Hasher.h"
#include "KT/OutputFrame.h"

namespace {

std::string Digest(const std::string& message) {
  IO::MD5Hasher md5;
  md5.Update(message.data(), message.size());
  return md5.Finish().ToHexString();
}

TEST(MD5, GivesTheDigestsOfTheReferenceTestSuite) {
  EXPECT_EQ(Digest(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(Digest("abc"), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(Digest("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
  EXPECT_EQ(Digest("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
            "57edf4a22be3c955ac49da2e2107b67a");
}

// Bytes that vary with their position and cover every byte value.
std::string Pattern(std::size_t length) {
  std::string bytes(length, '\0');
  std::uint32_t x = 0x12345678u;
  for (char& c : bytes) {
    x = x * 1664525u + 1013904223u;
    c = static_cast<char>(x >> 24);
  }
  return bytes;
}

// What the system's md5sum prints for `bytes`.
std::string SystemDigest(const std::string& bytes) {
  char path[] = "/tmp/md5_test_XXXXXX";
  const int descriptor = mkstemp(path);
  if (descriptor < 0) {
    ADD_FAILURE() << "cannot make a temporary file";
    return {};
  }
  const bool written = write(descriptor, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  close(descriptor);
  std::string output;
  if (written) {
    FILE* pipe = popen((std::string("md5sum ") + path).c_str(), "r");
    if (pipe != nullptr) {
      char line[128];
      while (std::fgets(line, sizeof line, pipe) != nullptr)
        output += line;
      pclose(pipe);
    }
  }
  unlink(path);
  return output.substr(0, 32);
}

// Lengths around the padding boundaries (55/56 bytes fit one final block or need two) and longer
// inputs, fed whole and through the channel in uneven pieces.
TEST(MD5, AgreesWithTheSystemMd5sumAcrossBlockBoundariesAndPieces) {
  for (const std::size_t length : {55u, 56u, 63u, 64u, 65u, 119u, 120u, 1000u, 100003u}) {
    const std::string bytes = Pattern(length);
    const std::string expected = SystemDigest(bytes);
    ASSERT_EQ(expected.size(), 32u) << "md5sum gave no digest";
    EXPECT_EQ(Digest(bytes), expected) << length;

    IO::MD5Channel channel;
    std::size_t offset = 0;
    for (std::size_t piece = 1; offset < bytes.size(); piece = piece * 3 % 97 + 1) {
      const std::size_t count = std::min(piece, bytes.size() - offset);
      ASSERT_EQ(channel.Write(bytes.data() + offset, count), KT::ChannelOK);
      offset += count;
    }
    MD5::FingerPrint digest;
    channel.Finish(digest);
    EXPECT_EQ(digest.ToHexString(), expected) << length;
  }
}

// The frame's bytes are checked end to end by the group identifier tests; here, only the channel's
// own rules: positions count what was taken, and a finished channel takes nothing more.
TEST(MD5Channel, AFinishedChannelRefusesWritesAndKeepsItsDigest) {
  IO::MD5Channel channel;
  {
    KT::OutputFrame frame(channel, KT::ArrayPrivate::classInfo);
    EXPECT_EQ(channel.Write(KT::NULLGuid), KT::ChannelOK);
    EXPECT_EQ(frame.Close(), KT::ChannelOK);
  }
  EXPECT_EQ(channel.GetPosition(), KT::OutputFrame::HeaderSize + 16 + KT::OutputFrame::TrailerSize);
  MD5::FingerPrint digest;
  channel.Finish(digest);

  EXPECT_EQ(channel.Write(std::uint32_t{1}), IO::MD5Channel::FinishedStatus);
  EXPECT_EQ(channel.GetPosition(), KT::OutputFrame::HeaderSize + 16 + KT::OutputFrame::TrailerSize);
  MD5::FingerPrint again;
  channel.Finish(again);
  EXPECT_EQ(again, digest);
  EXPECT_NE(digest, MD5::FingerPrint());
}

}  // namespace
