// The classification facet: references associated with the occurrence and with its type object, the
// occurrence's replacing the type's within a classification system.
#include <algorithm>
#include <functional>

#include "idscheck/check/FacetMemo.h"
#include "idscheck/check/Facets.h"
#include "idscheck/check/Matching.h"

namespace Ids {

namespace {

// The depth of a chain of references followed; a longer chain (or a cycle) is cut there.
constexpr int kMaximumReferenceDepth = 64;

// The reference and the references above it up to the classification: a reference to EF_25_10_25
// whose source is EF_25_10 is classified as both.
ClassificationReference Describe(const ModelIndex& index, InstanceIndex association) {
  const ModelView& model = index.Model();
  ClassificationReference reference;
  InstanceIndex current = association;
  for (int depth = 0; current.Valid() && depth < kMaximumReferenceDepth; ++depth) {
    if (model.IsSubtypeOf(current, "IFCCLASSIFICATION")) {
      reference.system = index.GetText(current, "Name");
      break;
    }
    if (!model.IsSubtypeOf(current, "IFCCLASSIFICATIONREFERENCE")) {
      break;
    }
    std::string identification = index.GetText(current, "Identification");
    if (identification.empty()) {
      identification = index.GetText(current, "ItemReference");  // IFC2X3
    }
    if (!identification.empty()) {
      reference.identifications.push_back(std::move(identification));
    }
    current = index.GetReference(current, "ReferencedSource");
  }
  return reference;
}

// Whether the reference's code or a code above it meets the facet's value; `holds` judges each outcome.
bool ValueMatches(const Facet& facet, const ClassificationReference& reference,
                  const std::function<bool(const MatchOutcome&)>& holds) {
  if (!facet.value.IsPresent()) {
    return true;
  }
  for (const std::string& identification : reference.identifications) {
    if (holds(MatchesText(facet.value, identification))) {
      return true;
    }
  }
  return false;
}

// "Uniclass 2015 EF_25_10_25 (under EF_25_10, EF_25)".
std::string InWords(const ClassificationReference& reference) {
  std::string text = reference.system.empty() ? "a reference without system" : reference.system;
  const auto& codes = reference.identifications;
  if (!codes.empty()) {
    text += " " + codes.front();
  }
  for (std::size_t i = 1; i < codes.size(); ++i) {
    text += (i == 1 ? " (under " : ", ") + codes[i] + (i + 1 == codes.size() ? ")" : "");
  }
  return text;
}

bool IsClassification(const ModelIndex& index, InstanceIndex association) {
  return index.Model().IsSubtypeOf(association, "IFCCLASSIFICATIONREFERENCE") ||
         index.Model().IsSubtypeOf(association, "IFCCLASSIFICATION");
}

using DescribeReference = std::function<const ClassificationReference&(InstanceIndex association)>;

// The references the instance is classified by (kept in the memo, which outlives the list).
std::vector<const ClassificationReference*> ReferencesOf(const ModelIndex& index, InstanceIndex instance,
                                                         const DescribeReference& describe) {
  std::vector<const ClassificationReference*> own;
  for (const InstanceIndex association : index.ClassificationsOf(instance)) {
    if (IsClassification(index, association)) {
      own.push_back(&describe(association));
    }
  }
  const std::size_t ownCount = own.size();
  const InstanceIndex type = index.TypeOf(instance);
  if (type.Valid()) {
    for (const InstanceIndex association : index.ClassificationsOf(type)) {
      if (!IsClassification(index, association)) {
        continue;
      }
      const ClassificationReference& reference = describe(association);
      const auto sameSystem = [&reference](const ClassificationReference* other) {
        return other->system == reference.system;
      };
      if (std::none_of(own.begin(), own.begin() + static_cast<std::ptrdiff_t>(ownCount), sameSystem)) {
        own.push_back(&reference);
      }
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
    if (added) {
      known->second = Describe(index, association);
    }
    return known->second;
  };
  const std::vector<const ClassificationReference*> references = ReferencesOf(index, instance, describe);
  finding.present = !references.empty();
  const auto required = [&facet] {
    return facet.system.IsPresent() || facet.value.IsPresent() ? DescribeFacet(facet) : "any classification";
  };
  if (references.empty()) {
    finding.reason = "is not classified, required " + required();
    return finding;
  }
  for (const ClassificationReference* reference : references) {
    const bool systemMatches = !facet.system.IsPresent() || Holds(MatchesText(facet.system, reference->system));
    if (systemMatches &&
        ValueMatches(facet, *reference, [this](const MatchOutcome& outcome) { return Holds(outcome); })) {
      finding.pass = true;
      return finding;
    }
  }
  std::string found;
  for (const ClassificationReference* reference : references) {
    found += (found.empty() ? "" : ", ") + InWords(*reference);
  }
  finding.reason = "is classified as " + found + ", required " + required();
  return finding;
}

}  // namespace Ids
