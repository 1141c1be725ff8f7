// The foundation-library stand-in: only what the library relies on.
#include <gtest/gtest.h>

#include "KT/Guid.h"
#include "KT/HashCapacity.h"
#include "KT/UniString.h"
#include "TSAPI/APIGuid.h"

namespace {

TEST(Guid, ParsesBracedAndBareTextInEitherCaseIntoTheWindowsLayoutAndNothingMalformed) {
  const KT::Guid braced("{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}");
  EXPECT_EQ(braced, KT::Guid("3a9c1e52-6b0d-4f87-9e21-c45d7a0b8f36"));
  const KT::Guid::Bytes expected = {0x52, 0x1E, 0x9C, 0x3A, 0x0D, 0x6B, 0x87, 0x4F,
                                    0x9E, 0x21, 0xC4, 0x5D, 0x7A, 0x0B, 0x8F, 0x36};
  EXPECT_EQ(braced.GetBytes(), expected);
  EXPECT_EQ(braced.ToString(), "{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}");
  EXPECT_FALSE(braced.IsNull());
  EXPECT_EQ(ToKTGuid(ToAPIGuid(braced)), braced);
  EXPECT_EQ(ToKTGuid(NullToken), KT::NULLGuid);
  // Malformed text gives the null GUID.
  for (const char* text : {"", "{}", "3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F3", "{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36",
                           "3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F3G", "3A9C1E52+6B0D-4F87-9E21-C45D7A0B8F36"}) {
    EXPECT_EQ(KT::Guid(text), KT::NULLGuid) << text;
  }
  EXPECT_TRUE(KT::NULLGuid.IsNull());
}

TEST(UniString, RoundTripsUTF8ReplacesIllFormedSequencesAndCountsLetterCase) {
  const std::string text = "W\xC3\xA4nde \xE2\x82\xAC \xF0\x9F\x8F\xA0";  // "Wände € 🏠"
  const KT::UniString unicode(text);
  EXPECT_EQ(unicode.GetLength(), 10u);  // the house is a surrogate pair
  EXPECT_EQ(unicode.ToUTF8(), text);

  EXPECT_EQ(KT::UniString("a\xC0\xAFz").ToUTF8(), "a\xEF\xBF\xBDz");  // an overlong '/'
  EXPECT_EQ(KT::UniString("\xED\xA0\x80").ToUTF8(), "\xEF\xBF\xBD");  // a surrogate
  EXPECT_EQ(KT::UniString("\xE2\x82").ToUTF8(), "\xEF\xBF\xBD");      // cut short

  // Letter case counts in equality and hash.
  EXPECT_NE(KT::UniString("Name"), KT::UniString("name"));
  EXPECT_NE(KT::UniString("Name").GenerateHashValue(), KT::UniString("name").GenerateHashValue());
}

TEST(HashCapacity, IsStrictlyGreaterAndPrime) {
  std::uint32_t previous = 0;
  for (std::uint32_t n = KT::GetNextHashCapacity(0); n != 0xFFFFFFFFu; n = KT::GetNextHashCapacity(n)) {
    EXPECT_GT(n, previous);
    for (std::uint32_t d = 2; static_cast<std::uint64_t>(d) * d <= n; ++d) {
      ASSERT_NE(n % d, 0u) << n;
    }
    EXPECT_GT(KT::GetNextHashCapacity(n - 1), n - 1);
    EXPECT_EQ(KT::GetNextHashCapacity(n - 1), n);
    previous = n;
  }
  EXPECT_EQ(KT::GetNextHashCapacity(0xFFFFFFFEu), 0xFFFFFFFFu);
}

}  // namespace
