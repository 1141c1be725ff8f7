// The rules of a valid IDS document that ids.xsd cannot state: entity names that the named IFC
// schemas define, spelt in upper case; property data types that those schemas know; values in the
// lexical form of the data type's XML base type; and cardinalities that can be met.
//
//   Ids::DocumentError error;
//   if (!Ids::AuditDocument(document, catalog, error)) Fail(error.Message());
#pragma once

#include <functional>
#include <string_view>

#include "idscheck/check/Document.h"
#include "idscheck/check/DocumentReader.h"

namespace Ids {

enum class EntityPresence { Known, Absent, Unknown };
// Whether the IFC schema `version` ("IFC4") defines the entity `upperName`; Unknown when the
// version's table is not at hand.
using EntityCatalog = std::function<EntityPresence(std::string_view version, std::string_view upperName)>;

bool AuditDocument(const Document& document, const EntityCatalog& catalog, DocumentError& error);

}  // namespace Ids
