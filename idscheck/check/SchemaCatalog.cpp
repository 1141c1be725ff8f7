#include "idscheck/check/SchemaCatalog.h"

#include "idscheck/check/Tables.h"
#include "ifc/schema/Schema.h"

namespace Ids {

EntityPresence SchemaEntityCatalog(std::string_view version, std::string_view upperName) {
  const std::optional<Ifc::SchemaVersion> found = Ifc::FindSchemaVersion(version);
  if (!found) {
    return EntityPresence::Unknown;
  }
  if (Ifc::Schema::Get(*found).FindEntity(upperName).Valid()) {
    return EntityPresence::Known;
  }
  // IFC2X3 names some occurrences only through their type object; IDS uses the IFC4 name for them.
  if (*found == Ifc::SchemaVersion::Ifc2x3 && Tables::FindIfc2x3Mapping(upperName) != nullptr) {
    return EntityPresence::Known;
  }
  return EntityPresence::Absent;
}

}  // namespace Ids
