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
TEST(IfcGuid, KnownPairsTheLibraryLayoutAndMalformedIds) {
  const GuidBytes bytes = FromKTGuid(KT::Guid("{E0000000-0000-4000-8000-000000000011}"));
  EXPECT_EQ(bytes[0], 0xE0);  // text order, not the little-endian stored layout
  EXPECT_EQ(bytes[15], 0x11);
  EXPECT_EQ(Encode(bytes), "3W0000001008000000000H");
  EXPECT_EQ(ToKTGuid(*DecodeGlobalId("2m00000010080000000001")).ToString(), "{B0000000-0000-4000-8000-000000000001}");
  GuidBytes ones;
  ones.fill(0xFF);
  EXPECT_EQ(Encode(ones), "3$$$$$$$$$$$$$$$$$$$$$");
  // 129 bits (lengths and letters: the reader's GlobalId test).
  EXPECT_FALSE(DecodeGlobalId("4W0000001008000000000H"));
}

// The reader's codec and the host's public one (API/IfcGlobalId.h, which add-ons use) are two
// implementations of one rule: every GUID round-trips through both, byte order included.
TEST(IfcGuid, EveryGuidRoundTripsAndAgreesWithTheHostsRule) {
  std::mt19937_64 random(42);
  for (int i = 0; i < 20000; ++i) {
    GuidBytes bytes;
    for (std::uint8_t& byte : bytes) {
      byte = static_cast<std::uint8_t>(random());
    }
    const std::string text = Encode(bytes);
    ASSERT_EQ(DecodeGlobalId(text), bytes) << text;
    ASSERT_EQ(FromKTGuid(ToKTGuid(bytes)), bytes);
    ASSERT_EQ(API::GlobalIdFromGuid(ToKTGuid(bytes)), text);
    const auto guid = API::GuidFromGlobalId(text);
    ASSERT_TRUE(guid.has_value()) << text;
    ASSERT_EQ(FromKTGuid(*guid), bytes);
  }
}

}  // namespace
}  // namespace Exporter
