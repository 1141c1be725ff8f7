// The six IDS facets evaluated against one instance of the model: entity, attribute,
// classification, property, material and part-of, each as an applicability filter or as a
// requirement with its cardinality (required, optional, prohibited).
//
//   Ids::FacetEvaluator facets(index, units);
//   Ids::FacetOutcome outcome = facets.Evaluate(facet, wall, /*asRequirement=*/true);
//   if (!outcome.pass) Report(outcome.reason);  // "Pset_WallCommon.FireRating is missing"
#pragma once

#include <memory>
#include <string>

#include "idscheck/check/Document.h"
#include "idscheck/check/MatchOutcome.h"
#include "idscheck/check/ModelIndex.h"
#include "idscheck/check/Units.h"

namespace Ids {

struct PropertySets;
struct FacetMemo;

struct FacetOutcome {
  bool pass = false;
  std::string reason;  // why it failed, in words; empty on a pass
};

// Keeps the property sets of the instance it last looked at (the specifications ask about one instance
// in turn) and what instances share (see FacetMemo.h), so one evaluator serves one thread.
class FacetEvaluator {
 public:
  FacetEvaluator(const ModelIndex& index, const ModelUnits& units);
  FacetEvaluator(FacetEvaluator&&) noexcept;
  ~FacetEvaluator();

  // As a requirement the facet's cardinality applies; as applicability it must hold. A facet that
  // holds only if a value not checked (see XmlRegex.h) met it fails, with that value's reason.
  FacetOutcome Evaluate(const Facet& facet, InstanceIndex instance, bool asRequirement) const;

  // The facet as "required", and whether the model has anything the facet is about (for optional).
  struct Finding {
    bool present = false;
    bool pass = false;
    std::string reason;
  };
  Finding Entity(const Facet& facet, InstanceIndex instance) const;
  Finding Attribute(const Facet& facet, InstanceIndex instance) const;
  Finding Classification(const Facet& facet, InstanceIndex instance) const;
  Finding Property(const Facet& facet, InstanceIndex instance) const;
  Finding Material(const Facet& facet, InstanceIndex instance) const;
  Finding PartOf(const Facet& facet, InstanceIndex instance) const;

 private:
  // Whether `outcome` matched; keeps the first reason a value was not checked.
  bool Holds(const MatchOutcome& outcome) const;
  bool EntityMatches(const Facet& facet, InstanceIndex instance) const;
  bool NameMatches(const Facet& facet, InstanceIndex instance) const;
  const PropertySets& PropertySetsOf(InstanceIndex instance) const;
  const PropertySets& TypeSetsOf(InstanceIndex type) const;

  const ModelIndex& index;
  const ModelUnits& units;
  mutable bool explaining = true;  // whether failures need their reason in words
  mutable std::string unchecked;   // the first value not checked in this evaluation
  std::unique_ptr<FacetMemo> memo;
};

// A short description of the facet for reasons: "entity IFCWALL", "Pset_WallCommon.FireRating".
std::string DescribeFacet(const Facet& facet);

}  // namespace Ids
