// The requirements check: runs the specifications of IDS documents over an opened IFC model and
// fills a CheckResult (see CheckResult.h). A large model is checked in parts on several threads; the
// result is the same as that of one.
//
//   Ids::Checker checker(model);                     // indexes the model's relations once
//   Ids::CheckResult result = checker.Run("model.ifc", documents);
//   return result.Passes() ? 0 : 1;
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "idscheck/check/CheckResult.h"
#include "idscheck/check/Document.h"
#include "idscheck/check/Facets.h"
#include "idscheck/check/ModelIndex.h"
#include "idscheck/check/ModelView.h"
#include "idscheck/check/Units.h"

namespace Ids {

class Checker {
 public:
  explicit Checker(const ModelView& model);

  CheckResult Run(const std::string& modelFile, const std::vector<Document>& documents) const;
  // Checks on `count` threads, in four parts a thread that they take in turn; 0 (the default) lets
  // the model's size and the machine's cores decide.
  void UseThreads(std::size_t count) noexcept { threads = count; }

 private:
  SpecificationResult Begin(const Specification& specification, const Document& document) const;
  struct Walk;
  void CheckPart(const std::vector<Walk>& walks, std::size_t first, std::size_t end, const FacetEvaluator& facets,
                 std::vector<SpecificationResult>& results) const;
  void CheckInstance(const FacetEvaluator& facets, const Specification& specification, InstanceIndex instance,
                     SpecificationResult& result) const;
  void Finish(const Specification& specification, SpecificationResult& result) const;
  bool IsApplicable(const FacetEvaluator& facets, const Specification& specification, InstanceIndex instance) const;
  std::optional<std::vector<std::string>> CandidateEntities(const Specification& specification) const;
  std::vector<InstanceIndex> Candidates(const std::vector<std::string>& entities) const;
  ElementFailure Failure(InstanceIndex instance) const;

  const ModelView& model;
  ModelIndex index;
  ModelUnits units;
  std::size_t threads = 0;
};

}  // namespace Ids
