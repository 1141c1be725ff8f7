#include "exporter/model/IfcGuid.h"

namespace Exporter {

namespace {

// KT::Guid keeps the first three groups little-endian; these are the text-order positions of its bytes.
constexpr int StoredToText[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};

}  // namespace

KT::Guid ToKTGuid(const GuidBytes& bytes) noexcept {
  KT::Guid::Bytes stored{};
  for (int i = 0; i < 16; ++i) {
    stored[i] = bytes[StoredToText[i]];
  }
  return KT::Guid(stored);
}

GuidBytes FromKTGuid(const KT::Guid& guid) noexcept {
  GuidBytes bytes{};
  for (int i = 0; i < 16; ++i) {
    bytes[StoredToText[i]] = guid.GetBytes()[i];
  }
  return bytes;
}

}  // namespace Exporter
