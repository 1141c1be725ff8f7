#include "idscheck/check/Audit.h"

#include "idscheck/check/Matching.h"
#include "idscheck/check/Tables.h"

namespace Ids {

namespace {

unsigned char VersionBit(std::string_view version) noexcept {
  if (version == "IFC2X3") {
    return Tables::Ifc2x3;
  }
  if (version == "IFC4") {
    return Tables::Ifc4;
  }
  if (version == "IFC4X3_ADD2") {
    return Tables::Ifc4x3;
  }
  return 0;
}

bool IsUpperName(std::string_view name) noexcept {
  if (name.empty()) {
    return false;
  }
  for (const char c : name) {
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) {
      return false;
    }
  }
  return true;
}

class Auditor {
 public:
  Auditor(const Document& document, const EntityCatalog& catalog, DocumentError& error)
      : document(document), catalog(catalog), error(error) {}

  bool Run() {
    for (const Specification& specification : document.specifications) {
      if (!AuditSpecification(specification)) {
        return false;
      }
    }
    return true;
  }

 private:
  bool Fail(int line, std::string reason) {
    error.file = document.path;
    error.line = line;
    error.reason = std::move(reason);
    return false;
  }

  bool AuditEntityName(const Specification& specification, const std::string& name, int line) {
    if (!IsUpperName(name)) {
      return Fail(line, "the entity name '" + name + "' is not an upper-case IFC entity name");
    }
    for (const std::string& version : specification.ifcVersions) {
      if (catalog && catalog(version, name) == EntityPresence::Absent) {
        return Fail(line, version + " has no entity " + name);
      }
    }
    return true;
  }

  bool AuditEntity(const Specification& specification, const Facet& facet) {
    if (facet.name.kind == ValueConstraint::Kind::Simple) {
      return AuditEntityName(specification, facet.name.simple, facet.name.line);
    }
    for (const std::string& option : facet.name.restriction.enumerations) {
      if (!AuditEntityName(specification, option, facet.name.line)) {
        return false;
      }
    }
    return true;
  }

  bool AuditLexical(const ValueConstraint& value, const std::string& dataType, const char* base) {
    const auto check = [&](const std::string& text) {
      return IsLexicallyValid(base, text) ||
             Fail(value.line, "'" + text + "' is not a value of " + dataType + " (" + base + ")");
    };
    if (value.kind == ValueConstraint::Kind::Simple) {
      return check(value.simple);
    }
    for (const std::string& option : value.restriction.enumerations) {
      if (!check(option)) {
        return false;
      }
    }
    return true;
  }

  bool AuditProperty(const Specification& specification, const Facet& facet) {
    if (facet.dataType.empty()) {
      return true;
    }
    const Tables::DataTypeRow* row = Tables::FindDataType(facet.dataType);
    if (row == nullptr) {
      return Fail(facet.line, "unknown data type " + facet.dataType);
    }
    for (const std::string& version : specification.ifcVersions) {
      if ((row->versions & VersionBit(version)) == 0) {
        return Fail(facet.line, version + " has no data type " + facet.dataType);
      }
    }
    return AuditLexical(facet.value, facet.dataType, row->base);
  }

  bool AuditFacet(const Specification& specification, const Facet& facet) {
    switch (facet.kind) {
      case FacetKind::Entity:
      case FacetKind::PartOf:
        return AuditEntity(specification, facet);
      case FacetKind::Property:
        return AuditProperty(specification, facet);
      default:
        return true;
    }
  }

  bool AuditSpecification(const Specification& specification) {
    if (specification.maxOccurs && *specification.maxOccurs < specification.minOccurs) {
      return Fail(specification.line, "specification '" + specification.name + "': maxOccurs is below minOccurs");
    }
    // A prohibited specification's requirements would never be checked.
    if (specification.SpecificationCardinality() == Cardinality::Prohibited && !specification.requirements.empty()) {
      return Fail(specification.line,
                  "specification '" + specification.name + "' is prohibited (maxOccurs 0) but has requirements");
    }
    for (const std::vector<Facet>* facets : {&specification.applicability, &specification.requirements}) {
      for (const Facet& facet : *facets) {
        if (!AuditFacet(specification, facet)) {
          return false;
        }
      }
    }
    return true;
  }

  const Document& document;
  const EntityCatalog& catalog;
  DocumentError& error;
};

}  // namespace

bool AuditDocument(const Document& document, const EntityCatalog& catalog, DocumentError& error) {
  return Auditor(document, catalog, error).Run();
}

}  // namespace Ids
