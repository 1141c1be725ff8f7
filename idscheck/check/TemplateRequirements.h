// The standard sets of a model (Pset_, Qto_) checked against buildingSMART's templates of its schema
// (ifc/psets/TemplateCheck.h), as requirements: one specification per standard set name met, in name
// order, that applies to every object or type object carrying the set and fails those where the
// template is contradicted, each mistake a reason. The reports read them like IDS specifications.
//
//   std::vector<std::string> notes;   // "Qto_ sets are not checked: ..." when the templates lack them
//   for (Ids::SpecificationResult& s : Ids::CheckTemplates(model, notes)) result.specifications.push_back(s);
#pragma once

#include <string>
#include <vector>

#include "idscheck/check/CheckResult.h"
#include "idscheck/check/ModelView.h"

namespace Ids {

// The label that marks these specifications where an IDS document's path stands.
constexpr const char* kTemplatesSource = "standard set templates";

std::vector<SpecificationResult> CheckTemplates(const ModelView& model, std::vector<std::string>& notes);

}  // namespace Ids
