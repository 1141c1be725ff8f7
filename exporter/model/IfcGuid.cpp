#include "exporter/model/IfcGuid.h"

#include "ifc/guid/GuidByteOrder.h"

namespace Exporter {

KT::Guid ToKTGuid(const GuidBytes& bytes) noexcept {
  return KT::Guid(Ifc::TextToStoredOrder(bytes));
}

GuidBytes FromKTGuid(const KT::Guid& guid) noexcept {
  return Ifc::StoredToTextOrder(guid.GetBytes());
}

}  // namespace Exporter
