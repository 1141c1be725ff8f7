// Fuzz target: KT::UniString's UTF-8 and UTF-16 conversions and KT::Guid's text parser, from arbitrary
// bytes. Decoding never fails: ill-formed input becomes U+FFFD, so what comes out is well-formed and
// decodes to the same text again. A GUID text either parses and prints back to the same GUID, or gives
// the null GUID.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "KT/Guid.h"
#include "KT/UniString.h"

namespace {

using IFCAPI::Fuzzing::Check;

const auto IsHigh = [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
const auto IsLow = [](char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };

// Whether `units` is well-formed UTF-16: every surrogate is part of a high-low pair.
bool IsWellFormed(const std::u16string& units) {
  for (std::size_t i = 0; i < units.size(); i += IsHigh(units[i]) ? 2 : 1) {
    if (IsLow(units[i]) || (IsHigh(units[i]) && (i + 1 == units.size() || !IsLow(units[i + 1])))) {
      return false;
    }
  }
  return true;
}

void FuzzUtf8(std::string_view bytes) {
  const KT::UniString decoded(bytes);
  Check(IsWellFormed(decoded.GetCodeUnits()), "decoded UTF-8 is well-formed UTF-16");
  const std::string encoded = decoded.ToUTF8();
  const KT::UniString again(encoded);
  Check(again == decoded, "re-decoding the encoded text gives the same text");
  Check(decoded.GetLength() <= bytes.size(), "each byte gives at most one code unit");
}

void FuzzUtf16(std::string_view bytes) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    units.push_back(
        static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8));
  }
  const KT::UniString text{std::u16string(units)};
  Check(text.GetCodeUnits() == units, "code units are kept as they are");
  const KT::UniString decoded(text.ToUTF8());
  Check(IsWellFormed(decoded.GetCodeUnits()), "an unpaired surrogate is replaced");
  Check(decoded.GetLength() == units.size(), "each unpaired surrogate becomes one replacement");
  if (IsWellFormed(units)) {
    Check(decoded == text, "well-formed UTF-16 survives a round trip through UTF-8");
  }
}

void FuzzGuid(std::string_view bytes) {
  const KT::Guid parsed(bytes);
  if (parsed.IsNull()) {
    return;
  }
  const std::string printed = parsed.ToString();
  Check(KT::Guid(printed) == parsed, "the printed form parses back");
  const std::string_view core = bytes.front() == '{' ? bytes.substr(1, 36) : bytes;
  Check(core.size() == 36, "only the 36-character form parses");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  void (*const targets[])(std::string_view) = {FuzzUtf8, FuzzUtf16, FuzzGuid};
  targets[data[0] % 3](bytes);
  return 0;
}
