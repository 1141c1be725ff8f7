// The IFC GlobalId as the tool uses it: the reader's 22-character form and its bytes, and the
// conversion of those bytes to and from the library's stored layout.
//
//   const auto bytes = DecodeGlobalId("2XQ$n5SLP5MBLyL442paFx");   // empty optional if malformed
//   const KT::Guid guid = ToKTGuid(*bytes);                          // the library's stored layout
#pragma once

#include "KT/Guid.h"
#include "ifc/guid/GlobalId.h"

namespace Exporter {

using Ifc::DecodeGlobalId;
using Ifc::EncodeGlobalId;
using Ifc::GuidBytes;

// Between text order and KT::Guid's stored (Windows) layout.
KT::Guid ToKTGuid(const GuidBytes& bytes) noexcept;
GuidBytes FromKTGuid(const KT::Guid& guid) noexcept;

}  // namespace Exporter
