#include "ifc/text/RealText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

namespace Exporter {
namespace {

std::string Real(double value) {
  std::string out;
  EXPECT_TRUE(AppendRealText(out, value));
  return out;
}

TEST(RealText, LargeAndTinyMagnitudesTakeAnExponentInsteadOfPaddingZeros) {
  EXPECT_EQ(Real(1e21), "1.E21");
  EXPECT_EQ(Real(2.5e-7), "2.5E-7");
  EXPECT_EQ(Real(std::numeric_limits<double>::max()), "1.7976931348623157E308");
  EXPECT_EQ(Real(5e-324), "5.E-324");
  // Ordinary magnitudes stay plain, with the point even for whole numbers.
  EXPECT_EQ(Real(24000.0), "24000.");
  EXPECT_EQ(Real(-0.0), "-0.");
  EXPECT_EQ(Real(0.00001), "0.00001");
  EXPECT_EQ(Real(123456789012345.0), "123456789012345.");
  EXPECT_EQ(Real(1e15), "1.E15");
  std::string out;
  EXPECT_FALSE(AppendRealText(out, std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(AppendRealText(out, -std::numeric_limits<double>::infinity()));
  EXPECT_TRUE(out.empty());
}

TEST(RealText, EveryFiniteDoubleReadsBackAsStepRealSyntax) {
  std::mt19937_64 random(11);
  for (int i = 0; i < 20000; ++i) {
    double value;
    const std::uint64_t bits = random();
    std::memcpy(&value, &bits, sizeof(value));
    if (!std::isfinite(value)) {
      continue;
    }
    const std::string text = Real(value);
    // Sign, digits, a point, digits, and an exponent "E" with an optional minus and digits.
    std::size_t at = text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    ASSERT_NE(point, std::string::npos) << text;
    ASSERT_GT(point, at) << text;
    for (; at < text.size() && text[at] != 'E'; ++at) {
      ASSERT_TRUE(at == point || std::isdigit(static_cast<unsigned char>(text[at]))) << text;
    }
    if (at < text.size()) {
      const std::string exponent = text.substr(at + 1);
      ASSERT_FALSE(exponent.empty() || exponent[0] == '+') << text;
      // At most 17 significant digits: the exponent form never pads.
      ASSERT_LE(point - (text[0] == '-' ? 1 : 0) + (at - point - 1), 17u) << text;
    }
    ASSERT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
    ASSERT_EQ(std::signbit(std::strtod(text.c_str(), nullptr)), std::signbit(value)) << text;
  }
}

}  // namespace
}  // namespace Exporter
