// The classification facet: references associated with the occurrence and with its type object, the
// occurrence's replacing the type's within a classification system.
#include <set>

#include "Facets.h"
#include "Matching.h"

namespace Ids {

namespace {

struct Reference {
  std::string identification;  // empty for a classification associated directly
  std::string system;          // the Name of the IfcClassification at the top, empty when none
};

Reference Describe(const ModelIndex& index, InstanceIndex association) {
  const ModelView& model = index.Model();
  Reference reference;
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

std::vector<Reference> ReferencesOf(const ModelIndex& index, InstanceIndex instance) {
  std::vector<Reference> own;
  for (const InstanceIndex association : index.ClassificationsOf(instance)) {
    if (IsClassification(index, association))
      own.push_back(Describe(index, association));
  }
  std::set<std::string> ownSystems;
  for (const Reference& reference : own)
    ownSystems.insert(reference.system);
  const InstanceIndex type = index.TypeOf(instance);
  if (type != NoInstance) {
    for (const InstanceIndex association : index.ClassificationsOf(type)) {
      if (!IsClassification(index, association))
        continue;
      Reference reference = Describe(index, association);
      if (ownSystems.count(reference.system) == 0)
        own.push_back(std::move(reference));
    }
  }
  return own;
}

}  // namespace

FacetEvaluator::Finding FacetEvaluator::Classification(const Facet& facet, InstanceIndex instance) const {
  Finding finding;
  const std::vector<Reference> references = ReferencesOf(index, instance);
  finding.present = !references.empty();
  if (references.empty()) {
    finding.reason = "is not classified";
    return finding;
  }
  for (const Reference& reference : references) {
    const bool systemMatches = !facet.system.IsPresent() || MatchesText(facet.system, reference.system);
    const bool valueMatches = !facet.value.IsPresent() ||
                              (!reference.identification.empty() && MatchesText(facet.value, reference.identification));
    if (systemMatches && valueMatches) {
      finding.pass = true;
      return finding;
    }
  }
  std::string found;
  for (const Reference& reference : references)
    found += (found.empty() ? "" : ", ") + reference.system + " " + reference.identification;
  finding.reason = "is classified as " + found + ", required " + DescribeFacet(facet);
  return finding;
}

}  // namespace Ids
