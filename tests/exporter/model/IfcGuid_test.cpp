#include "exporter/model/IfcGuid.h"

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

// 129 bits; lengths and letters are the reader's GlobalId test.
TEST(IfcGuid, AGlobalIdBeyond128BitsIsRefused) {
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
