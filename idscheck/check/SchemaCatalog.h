// Which entities each IFC schema defines, for the audit of entity names in IDS documents.
//
//   Ids::EntityPresence presence = Ids::SchemaEntityCatalog("IFC4", "IFCWALL");  // Known
#pragma once

#include <string_view>

#include "idscheck/check/Audit.h"

namespace Ids {

EntityPresence SchemaEntityCatalog(std::string_view version, std::string_view upperName);

}  // namespace Ids
