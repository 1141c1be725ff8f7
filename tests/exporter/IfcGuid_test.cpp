#include "IfcGuid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "API/IfcGlobalId.h"

namespace Exporter {
namespace {

std::string Encode(const GuidBytes& bytes) {
  char text[22];
  EncodeGlobalId(bytes, text);
  return std::string(text, 22);
}

// Known pairs, computed independently: the GUID's hex digits in text order, and its GlobalId.
TEST(IfcGuid, KnownPairsAndTheLibraryLayout) {
  const KT::Guid wall("{E0000000-0000-4000-8000-000000000011}");
  const GuidBytes bytes = FromKTGuid(wall);
  EXPECT_EQ(bytes[0], 0xE0);  // text order, not the little-endian stored layout
  EXPECT_EQ(bytes[15], 0x11);
  EXPECT_EQ(Encode(bytes), "3W0000001008000000000H");
  EXPECT_EQ(ToKTGuid(*DecodeGlobalId("2m00000010080000000001")).ToString(), "{B0000000-0000-4000-8000-000000000001}");

  GuidBytes zero{};
  EXPECT_EQ(Encode(zero), "0000000000000000000000");
  GuidBytes ones;
  ones.fill(0xFF);
  EXPECT_EQ(Encode(ones), "3$$$$$$$$$$$$$$$$$$$$$");
}

TEST(IfcGuid, EveryGuidRoundTrips) {
  std::mt19937_64 random(42);
  for (int i = 0; i < 20000; ++i) {
    GuidBytes bytes;
    for (std::uint8_t& byte : bytes) {
      byte = static_cast<std::uint8_t>(random());
    }
    const std::string text = Encode(bytes);
    const auto back = DecodeGlobalId(text);
    ASSERT_TRUE(back.has_value()) << text;
    ASSERT_EQ(*back, bytes) << text;
    ASSERT_EQ(FromKTGuid(ToKTGuid(bytes)), bytes);
  }
}

TEST(IfcGuid, MalformedGlobalIdsAreRefused) {
  EXPECT_FALSE(DecodeGlobalId("3W0000001008000000000"));    // 21 letters
  EXPECT_FALSE(DecodeGlobalId("3W0000001008000000000HH"));  // 23 letters
  EXPECT_FALSE(DecodeGlobalId("3W00000010080000000-0H"));   // '-' is outside the alphabet
  EXPECT_FALSE(DecodeGlobalId("4W0000001008000000000H"));   // needs 129 bits
  EXPECT_TRUE(DecodeGlobalId("3$$$$$$$$$$$$$$$$$$$$$"));
}

}  // namespace
// The reader's codec and the host's public one (API/IfcGlobalId.h, which add-ons use) are two
// implementations of one rule: they must agree on every GUID, byte order included.
TEST(IfcGuid, AgreesWithTheHostsGlobalIdRule) {
  std::uint32_t state = 12345;
  for (int round = 0; round < 2000; ++round) {
    GuidBytes bytes{};
    for (std::uint8_t& byte : bytes) {
      state = state * 1664525U + 1013904223U;
      byte = static_cast<std::uint8_t>(state >> 24);
    }
    char text[22];
    EncodeGlobalId(bytes, text);
    const std::string globalId(text, sizeof(text));
    ASSERT_EQ(API::GlobalIdFromGuid(ToKTGuid(bytes)), globalId);
    const auto guid = API::GuidFromGlobalId(globalId);
    ASSERT_TRUE(guid.has_value());
    ASSERT_EQ(FromKTGuid(*guid), bytes);
  }
}

}  // namespace Exporter
