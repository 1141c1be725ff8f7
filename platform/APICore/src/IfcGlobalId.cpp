#include "API/IfcGlobalId.h"

#include "ifc/guid/GlobalId.h"
#include "ifc/guid/GuidByteOrder.h"

namespace API {

// The rule is the IFC layer's GlobalId codec, on the GUID's bytes in text order.

void WriteGlobalId(const KT::Guid& guid, char* out) noexcept {
  Ifc::EncodeGlobalId(Ifc::StoredToTextOrder(guid.GetBytes()), out);
}

std::string GlobalIdFromGuid(const KT::Guid& guid) {
  std::string text(GlobalIdLength, '0');
  WriteGlobalId(guid, text.data());
  return text;
}

std::optional<KT::Guid> GuidFromGlobalId(std::string_view globalId) noexcept {
  const std::optional<Ifc::GuidBytes> bytes = Ifc::DecodeGlobalId(globalId);
  if (!bytes) {
    return std::nullopt;
  }
  return KT::Guid(Ifc::TextToStoredOrder(*bytes));
}

}  // namespace API
