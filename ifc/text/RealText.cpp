#include "ifc/text/RealText.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace Exporter {

namespace {

// Decimal exponents written without "E": from 0.00001 up to (not including) 1E15.
constexpr int kSmallestPlainExponent = -5;
constexpr int kLargestPlainExponent = 14;

}  // namespace

bool AppendRealText(std::string& out, double value) {
  if (!std::isfinite(value)) {
    return false;
  }
  char buffer[64];
  // The shortest digits that read back to the same double, as "d.ddde+XX".
  const std::to_chars_result scientific =
      std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::scientific);
  const std::string_view text(buffer, static_cast<std::size_t>(scientific.ptr - buffer));
  const std::size_t e = text.find('e');
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
  if (value == 0.0 || (exponent >= kSmallestPlainExponent && exponent <= kLargestPlainExponent)) {
    // The same digits in plain form: to_chars picks the shortest plain digits that round-trip.
    const std::to_chars_result plain = std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::fixed);
    const std::string_view digits(buffer, static_cast<std::size_t>(plain.ptr - buffer));
    out.append(digits);
    if (digits.find('.') == std::string_view::npos) {
      out.push_back('.');
    }
    return true;
  }
  const std::string_view mantissa = text.substr(0, e);
  out.append(mantissa);
  if (mantissa.find('.') == std::string_view::npos) {
    out.push_back('.');
  }
  out.push_back('E');
  out += std::to_string(exponent);
  return true;
}

}  // namespace Exporter
