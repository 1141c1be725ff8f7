// An IDS document as the checker holds it after reading and validating it: its specifications, each
// with the facets of its applicability and requirements.
//
//   Ids::Document document;
//   Ids::DocumentError error;
//   if (!Ids::ReadDocument("walls.ids", document, error)) Fail(error.Message());
//   for (const Ids::Specification& specification : document.specifications) Check(specification);
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "idscheck/check/XmlRegex.h"

namespace Ids {

enum class Cardinality { Required, Optional, Prohibited };

// The restriction of an xs:restriction element: every facet given must hold; several enumerations
// or several patterns are alternatives.
struct Restriction {
  std::string base;  // "xs:string", "xs:double", ... as written; empty when absent
  std::vector<std::string> enumerations;
  std::vector<XmlRegex> patterns;
  std::optional<double> minInclusive, minExclusive, maxInclusive, maxExclusive;
  std::optional<std::size_t> length, minLength, maxLength;
};

// A facet parameter: absent, a simple value, or a restriction.
struct ValueConstraint {
  enum class Kind { Absent, Simple, Restricted };
  Kind kind = Kind::Absent;
  std::string simple;
  Restriction restriction;
  int line = 0;

  bool IsPresent() const noexcept { return kind != Kind::Absent; }
  // For messages: "'Waldo'", "one of 'A', 'B'", "matching 'DT.*'", "a value >= 3".
  std::string Describe() const;
};

enum class FacetKind { Entity, Attribute, Classification, Property, Material, PartOf };

struct Facet {
  FacetKind kind = FacetKind::Entity;
  Cardinality cardinality = Cardinality::Required;
  std::string instructions;
  int line = 0;

  // Entity (and the entity of PartOf): name, predefinedType.
  // Attribute: name, value. Classification: system, value. Property: propertySet, baseName, value.
  // Material: value.
  ValueConstraint name, predefinedType, value, system, propertySet, baseName;
  std::string dataType;  // Property: upper-case, empty when absent
  std::string uri;       // Classification, Property, Material: empty when absent
  std::string relation;  // PartOf: "IFCRELAGGREGATES", ..., empty for any
};

struct Specification {
  std::string name, identifier, description, instructions;
  std::string ifcVersion;                // as written: "IFC2X3 IFC4"
  std::vector<std::string> ifcVersions;  // split
  std::size_t minOccurs = 1;
  std::optional<std::size_t> maxOccurs;  // empty: unbounded
  std::vector<Facet> applicability;
  std::vector<Facet> requirements;
  int line = 0;

  Cardinality SpecificationCardinality() const noexcept {
    if (maxOccurs && *maxOccurs == 0) {
      return Cardinality::Prohibited;
    }
    return minOccurs == 0 ? Cardinality::Optional : Cardinality::Required;
  }
};

struct Document {
  std::string path;
  std::string title;
  std::vector<Specification> specifications;
};

const char* CardinalityName(Cardinality cardinality) noexcept;

}  // namespace Ids
