#include "Checker.h"

#include <algorithm>

namespace Ids {

Checker::Checker(const ModelView& model) : model(model), index(model), units(index), facets(index, units) {}

bool Checker::IsApplicable(const Specification& specification, InstanceIndex instance) const {
  for (const Facet& facet : specification.applicability) {
    if (!facets.Evaluate(facet, instance, false).pass)
      return false;
  }
  return true;
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
  const auto& versions = specification.ifcVersions;
  if (std::find(versions.begin(), versions.end(), model.SchemaName()) == versions.end()) {
    result.applies = false;
    result.verdictReason = "not checked: the model is " + std::string(model.SchemaName());
    return result;
  }
  for (InstanceIndex instance = 0; instance < model.InstanceCount(); ++instance) {
    if (!IsApplicable(specification, instance))
      continue;
    ++result.applicable;
    ElementFailure failure = Failure(instance);
    if (cardinality == Cardinality::Prohibited) {
      failure.reasons.push_back("applies to a prohibited specification");
    } else {
      for (const Facet& facet : specification.requirements) {
        FacetOutcome outcome = facets.Evaluate(facet, instance, true);
        if (!outcome.pass)
          failure.reasons.push_back(std::move(outcome.reason));
      }
    }
    if (failure.reasons.empty()) {
      ++result.passed;
    } else {
      ++result.failed;
      result.failures.push_back(std::move(failure));
    }
  }
  result.passes = result.failed == 0;
  if (cardinality == Cardinality::Required && result.applicable == 0) {
    result.passes = false;
    result.verdictReason = "required, but no element applies";
  } else if (cardinality == Cardinality::Prohibited && result.applicable > 0) {
    result.verdictReason = "prohibited, but " + std::to_string(result.applicable) + " elements apply";
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
