// The MD5 digest and the channel that feeds it (the frames it is fed are checked end to end by the
// group identifier tests).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "IO/MD5Channel.h"
#include "IO/MD5Hasher.h"

namespace {

std::string Digest(const std::string& message) {
  IO::MD5Hasher md5;
  md5.Update(message.data(), message.size());
  return md5.Finish().ToHexString();
}

// Some of the reference suite, then runs of 'a' around the padding boundaries (55 bytes fit one final
// block, 56 need two) and long enough to cross many blocks; each fed whole and through the channel in uneven
// pieces, so that a piece ending inside a block is caught too.
TEST(MD5, GivesTheKnownDigestsWholeAndThroughTheChannelInPieces) {
  const struct {
    std::string message;
    const char* digest;
  } cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
      {std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
      {std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
      {std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
      {std::string(65, 'a'), "c743a45e0d2e6a95cb859adae0248435"},
      {std::string(1000000, 'a'), "7707d6ae4e027c70eea2a935c2296f21"},
  };
  for (const auto& [bytes, expected] : cases) {
    EXPECT_EQ(Digest(bytes), expected) << bytes.size();

    IO::MD5Channel channel;
    std::size_t offset = 0;
    for (std::size_t piece = 1; offset < bytes.size(); piece = piece * 3 % 97 + 1) {
      const std::size_t count = std::min(piece, bytes.size() - offset);
      ASSERT_EQ(channel.Write(bytes.data() + offset, count), KT::ChannelOK);
      offset += count;
    }
    MD5::FingerPrint digest;
    channel.Finish(digest);
    EXPECT_EQ(digest.ToHexString(), expected) << bytes.size();
    // A finished channel takes nothing more, and keeps its position and digest.
    EXPECT_EQ(channel.Write(std::uint32_t{1}), IO::MD5Channel::FinishedStatus);
    EXPECT_EQ(channel.GetPosition(), bytes.size());
    channel.Finish(digest);
    EXPECT_EQ(digest.ToHexString(), expected);
  }
}

}  // namespace
