// The classification facet: references associated with the occurrence and with its type object, the
// occurrence's replacing the type's within a classification system.
#include <functional>
#include <set>

#include "idscheck/check/FacetMemo.h"
#include "idscheck/check/Facets.h"
#include "idscheck/check/Matching.h"

namespace Ids {

namespace {

ClassificationReference Describe(const ModelIndex& index, InstanceIndex association) {
  const ModelView& model = index.Model();
  ClassificationReference reference;
  InstanceIndex current = association;
  if (model.IsSubtypeOf(current, "IFCCLASSIFICATIONREFERENCE")) {
    reference.identification = index.GetText(current, "Identification");
    if (reference.identification.empty())
      reference.identification = index.GetText(current, "ItemReference");  // IFC2X3
  }
  for (int depth = 0; current != NoInstance && depth < 64; ++depth) {
    if (model.IsSubtypeOf(current, "IFCCLASSIFICATION")) {
      reference.system = index.GetText(current, "Name");
      break;
    }
    current = index.GetReference(current, "ReferencedSource");
  }
  return reference;
}

bool IsClassification(const ModelIndex& index, InstanceIndex association) {
  return index.Model().IsSubtypeOf(association, "IFCCLASSIFICATIONREFERENCE") ||
         index.Model().IsSubtypeOf(association, "IFCCLASSIFICATION");
}

using DescribeReference = std::function<const ClassificationReference&(InstanceIndex association)>;

std::vector<ClassificationReference> ReferencesOf(const ModelIndex& index, InstanceIndex instance,
                                                  const DescribeReference& describe) {
  std::vector<ClassificationReference> own;
  for (const InstanceIndex association : index.ClassificationsOf(instance)) {
    if (IsClassification(index, association))
      own.push_back(describe(association));
  }
  std::set<std::string> ownSystems;
  for (const ClassificationReference& reference : own)
    ownSystems.insert(reference.system);
  const InstanceIndex type = index.TypeOf(instance);
  if (type != NoInstance) {
    for (const InstanceIndex association : index.ClassificationsOf(type)) {
      if (!IsClassification(index, association))
        continue;
      const ClassificationReference& reference = describe(association);
      if (ownSystems.count(reference.system) == 0)
        own.push_back(reference);
    }
  }
  return own;
}

}  // namespace

FacetEvaluator::Finding FacetEvaluator::Classification(const Facet& facet, InstanceIndex instance) const {
  Finding finding;
  // References are shared by many instances: each is described once.
  const auto describe = [this](InstanceIndex association) -> const ClassificationReference& {
    const auto [known, added] = memo->references.try_emplace(association);
    if (added)
      known->second = Describe(index, association);
    return known->second;
  };
  const std::vector<ClassificationReference> references = ReferencesOf(index, instance, describe);
  finding.present = !references.empty();
  if (references.empty()) {
    finding.reason = "is not classified";
    return finding;
  }
  for (const ClassificationReference& reference : references) {
    const bool systemMatches = !facet.system.IsPresent() || Holds(MatchesText(facet.system, reference.system));
    const bool valueMatches = !facet.value.IsPresent() || (!reference.identification.empty() &&
                                                           Holds(MatchesText(facet.value, reference.identification)));
    if (systemMatches && valueMatches) {
      finding.pass = true;
      return finding;
    }
  }
  std::string found;
  for (const ClassificationReference& reference : references)
    found += (found.empty() ? "" : ", ") + reference.system + " " + reference.identification;
  finding.reason = "is classified as " + found + ", required " + DescribeFacet(facet);
  return finding;
}

}  // namespace Ids
