#include "SchemaCatalog.h"

#include "SchemaTables.h"

namespace Ids {

EntityPresence SchemaEntityCatalog(std::string_view version, std::string_view upperName) {
  const std::optional<IfcReader::SchemaVersion> found = IfcReader::FindSchemaVersion(version);
  const IfcReader::Schema* schema = found ? IfcReader::Schema::Find(*found) : nullptr;
  if (schema == nullptr)
    return EntityPresence::Unknown;  // this build has no table of that schema
  return schema->FindEntity(upperName).Valid() ? EntityPresence::Known : EntityPresence::Absent;
}

}  // namespace Ids
