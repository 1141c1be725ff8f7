#include "Checker.h"

#include <algorithm>
#include <cctype>

#include "Tables.h"

namespace Ids {

namespace {

std::string Upper(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

}  // namespace

Checker::Checker(const ModelView& model) : model(model), index(model), units(index), facets(index, units) {}

bool Checker::IsApplicable(const Specification& specification, InstanceIndex instance) const {
  for (const Facet& facet : specification.applicability) {
    if (!facets.Evaluate(facet, instance, false).pass)
      return false;
  }
  return true;
}

// The instances the applicability can select, in file order: those of the entities its entity facet
// names when it names them outright (with the IFC2X3 occurrences that a type object may turn into
// one), else every instance.
std::vector<InstanceIndex> Checker::Candidates(const Specification& specification) const {
  const Facet* entity = nullptr;
  for (const Facet& facet : specification.applicability) {
    if (facet.kind == FacetKind::Entity)
      entity = &facet;
  }
  std::vector<std::string> names;
  if (entity != nullptr && entity->name.kind == ValueConstraint::Kind::Simple) {
    names.push_back(entity->name.simple);
  } else if (entity != nullptr && entity->name.kind == ValueConstraint::Kind::Restricted &&
             entity->name.restriction.patterns.empty() && !entity->name.restriction.enumerations.empty()) {
    names = entity->name.restriction.enumerations;
  }
  std::vector<InstanceIndex> candidates;
  if (names.empty()) {
    candidates.resize(model.InstanceCount());
    for (InstanceIndex instance = 0; instance < candidates.size(); ++instance)
      candidates[instance] = instance;
    return candidates;
  }
  if (model.SchemaName() == "IFC2X3") {
    for (std::size_t i = 0, count = names.size(); i < count; ++i) {
      if (const Tables::Ifc2x3MappingRow* row = Tables::FindIfc2x3Mapping(names[i]))
        names.push_back(Upper(row->occurrence));
    }
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  for (const std::string& name : names) {
    const std::vector<InstanceIndex> found = model.InstancesOf(name, true);
    candidates.insert(candidates.end(), found.begin(), found.end());
  }
  std::sort(candidates.begin(), candidates.end());
  return candidates;
}

ElementFailure Checker::Failure(InstanceIndex instance) const {
  ElementFailure failure;
  failure.instance = model.Number(instance);
  failure.entity = std::string(model.EntityName(instance));
  failure.globalId = index.GetText(instance, "GlobalId");
  failure.name = index.GetText(instance, "Name");
  return failure;
}

SpecificationResult Checker::CheckSpecification(const Specification& specification, const std::string& idsFile) const {
  SpecificationResult result;
  result.idsFile = idsFile;
  result.name = specification.name;
  result.identifier = specification.identifier;
  result.description = specification.description;
  result.instructions = specification.instructions;
  result.ifcVersions = specification.ifcVersion;
  const Cardinality cardinality = specification.SpecificationCardinality();
  result.cardinality = CardinalityName(cardinality);
  // A specification whose ifcVersion leaves out the model's schema is checked all the same: the
  // conformance cases (e.g. "a specification passes only if all requirements pass 1/2", IFC2X3 against
  // an IFC4 model, expected to fail) take ifcVersion as a statement about the IDS, not as a filter.
  const auto& versions = specification.ifcVersions;
  result.schemaListed = std::find(versions.begin(), versions.end(), model.SchemaName()) != versions.end();
  for (const InstanceIndex instance : Candidates(specification)) {
    if (!IsApplicable(specification, instance))
      continue;
    ++result.applicable;
    std::vector<std::string> reasons;
    if (cardinality == Cardinality::Prohibited) {
      reasons.push_back("applies to a prohibited specification");
    } else {
      for (const Facet& facet : specification.requirements) {
        FacetOutcome outcome = facets.Evaluate(facet, instance, true);
        if (!outcome.pass)
          reasons.push_back(std::move(outcome.reason));
      }
    }
    if (reasons.empty()) {
      ++result.passed;
    } else {
      ++result.failed;
      result.failures.push_back(Failure(instance));
      result.failures.back().reasons = std::move(reasons);
    }
  }
  result.passes = result.failed == 0;
  if (cardinality == Cardinality::Required && result.applicable == 0) {
    result.passes = false;
    result.verdictReason = "required, but no element applies";
  } else if (cardinality == Cardinality::Prohibited && result.applicable > 0) {
    result.verdictReason = "prohibited, but " + std::to_string(result.applicable) + " elements apply";
  }
  if (!result.schemaListed) {
    result.verdictReason += std::string(result.verdictReason.empty() ? "" : "; ") + "the model is " +
                            std::string(model.SchemaName()) + ", which ifcVersion does not list";
  }
  return result;
}

CheckResult Checker::Run(const std::string& modelFile, const std::vector<Document>& documents) const {
  CheckResult result;
  result.modelFile = modelFile;
  result.schema = std::string(model.SchemaName());
  for (const Document& document : documents) {
    for (const Specification& specification : document.specifications)
      result.specifications.push_back(CheckSpecification(specification, document.path));
  }
  return result;
}

}  // namespace Ids
