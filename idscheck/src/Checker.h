// The requirements check: runs the specifications of IDS documents over an opened IFC model and
// fills a CheckResult (see CheckResult.h).
//
//   Ids::Checker checker(model);                     // indexes the model's relations once
//   Ids::CheckResult result = checker.Run("model.ifc", documents);
//   return result.Passes() ? 0 : 1;
#pragma once

#include <string>
#include <vector>

#include "CheckResult.h"
#include "Document.h"
#include "Facets.h"
#include "ModelIndex.h"
#include "ModelView.h"
#include "Units.h"

namespace Ids {

class Checker {
 public:
  explicit Checker(const ModelView& model);

  CheckResult Run(const std::string& modelFile, const std::vector<Document>& documents) const;
  SpecificationResult CheckSpecification(const Specification& specification, const std::string& idsFile) const;

 private:
  bool IsApplicable(const Specification& specification, InstanceIndex instance) const;
  std::vector<InstanceIndex> Candidates(const Specification& specification) const;
  ElementFailure Failure(InstanceIndex instance) const;

  const ModelView& model;
  ModelIndex index;
  ModelUnits units;
  FacetEvaluator facets;
};

}  // namespace Ids
