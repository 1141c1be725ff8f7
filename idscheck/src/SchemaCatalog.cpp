#include "SchemaCatalog.h"

#include "Schema.h"

namespace Ids {

EntityPresence SchemaEntityCatalog(std::string_view version, std::string_view upperName) {
  if (version != "IFC4")
    return EntityPresence::Unknown;
  return Exporter::SchemaIndex::Get().FindEntity(upperName) >= 0 ? EntityPresence::Known : EntityPresence::Absent;
}

}  // namespace Ids
