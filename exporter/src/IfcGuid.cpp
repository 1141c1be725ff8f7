#include "IfcGuid.h"

#include "API/IfcGlobalId.h"

namespace Exporter {

namespace {

// KT::Guid keeps the first three groups little-endian; these are the text-order positions of its bytes.
constexpr int StoredToText[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};

}  // namespace

// The alphabet and bit order are the host's public rule, API/IfcGlobalId.h; this file only moves
// between its GUIDs and the text-order bytes that the reader indexes.
std::optional<GuidBytes> DecodeGlobalId(std::string_view text) noexcept {
  const std::optional<KT::Guid> guid = API::GuidFromGlobalId(text);
  if (!guid) {
    return std::nullopt;
  }
  return FromKTGuid(*guid);
}

void EncodeGlobalId(const GuidBytes& bytes, char* out) noexcept {
  API::WriteGlobalId(ToKTGuid(bytes), out);
}

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
