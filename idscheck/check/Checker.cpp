#include "idscheck/check/Checker.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <functional>
#include <optional>
#include <thread>

#include "idscheck/check/Matching.h"
#include "idscheck/check/Tables.h"
#include "idscheck/check/UpperCase.h"

namespace Ids {

Checker::Checker(const ModelView& model) : model(model), index(model), units(index) {}

bool Checker::IsApplicable(const FacetEvaluator& facets, const Specification& specification,
                           InstanceIndex instance) const {
  for (const Facet& facet : specification.applicability) {
    if (!facets.Evaluate(facet, instance, false).pass) {
      return false;
    }
  }
  return true;
}

// The entities whose instances the applicability can select, when its entity facet names them
// outright (with the IFC2X3 occurrences that a type object may turn into one) or, outside IFC2X3, by a
// pattern; empty when it can select any instance.
std::optional<std::vector<std::string>> Checker::CandidateEntities(const Specification& specification) const {
  const Facet* entity = nullptr;
  for (const Facet& facet : specification.applicability) {
    if (facet.kind == FacetKind::Entity) {
      entity = &facet;
    }
  }
  std::vector<std::string> names;
  if (entity != nullptr && entity->name.kind == ValueConstraint::Kind::Simple) {
    names.push_back(entity->name.simple);
  } else if (entity != nullptr && entity->name.kind == ValueConstraint::Kind::Restricted &&
             entity->name.restriction.patterns.empty() && !entity->name.restriction.enumerations.empty()) {
    names = entity->name.restriction.enumerations;
  } else if (entity != nullptr && entity->name.kind == ValueConstraint::Kind::Restricted &&
             model.SchemaName() != "IFC2X3") {
    // Outside IFC2X3 an entity facet's name depends on the entity alone (see FacetEvaluator).
    for (const std::string_view name : model.EntityNames()) {
      const MatchOutcome outcome = MatchesText(entity->name, name);
      if (outcome.Matched() || !outcome.Checked()) {
        names.emplace_back(name);  // a name not checked is left to the facet, which says why
      }
    }
    return names;
  }
  if (names.empty()) {
    return std::nullopt;
  }
  if (model.SchemaName() == "IFC2X3") {
    for (std::size_t i = 0, count = names.size(); i < count; ++i) {
      if (const Tables::Ifc2x3MappingRow* row = Tables::FindIfc2x3Mapping(names[i])) {
        names.push_back(Upper(row->occurrence));
      }
    }
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

// The instances of `entities` (none of them subtypes), in file order.
std::vector<InstanceIndex> Checker::Candidates(const std::vector<std::string>& entities) const {
  // Each entity's instances are in file order: those of a few entities are merged, of many sorted.
  constexpr std::size_t kMergedEntities = 8;
  std::vector<InstanceIndex> candidates;
  for (const std::string& name : entities) {
    const std::vector<InstanceIndex> found = model.InstancesOf(name, true);
    const auto before = static_cast<std::ptrdiff_t>(candidates.size());
    candidates.insert(candidates.end(), found.begin(), found.end());
    if (entities.size() <= kMergedEntities) {
      std::inplace_merge(candidates.begin(), candidates.begin() + before, candidates.end());
    }
  }
  if (entities.size() > kMergedEntities) {
    std::sort(candidates.begin(), candidates.end());
  }
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

SpecificationResult Checker::Begin(const Specification& specification, const Document& document) const {
  SpecificationResult result;
  result.idsFile = document.path;
  result.idsTitle = document.title;
  result.name = specification.name;
  result.identifier = specification.identifier;
  result.description = specification.description;
  result.instructions = specification.instructions;
  result.ifcVersions = specification.ifcVersion;
  result.cardinality = CardinalityName(specification.SpecificationCardinality());
  // A specification whose ifcVersion leaves out the model's schema is checked all the same, its
  // verdict the requirements' alone: IDS takes ifcVersion as metadata (the conformance case
  // "specification version is purely metadata and does not impact pass or fail result").
  const auto& versions = specification.ifcVersions;
  result.schemaListed = std::find(versions.begin(), versions.end(), model.SchemaName()) != versions.end();
  return result;
}

void Checker::CheckInstance(const FacetEvaluator& facets, const Specification& specification, InstanceIndex instance,
                            SpecificationResult& result) const {
  if (!IsApplicable(facets, specification, instance)) {
    return;
  }
  ++result.applicable;
  std::vector<std::string> reasons;
  if (specification.SpecificationCardinality() == Cardinality::Prohibited) {
    reasons.push_back("applies to a prohibited specification");
  } else {
    for (const Facet& facet : specification.requirements) {
      FacetOutcome outcome = facets.Evaluate(facet, instance, true);
      if (!outcome.pass) {
        reasons.push_back(std::move(outcome.reason));
      }
    }
  }
  if (reasons.empty()) {
    ++result.passed;
    return;
  }
  ++result.failed;
  result.failures.push_back(Failure(instance));
  result.failures.back().reasons = std::move(reasons);
}

void Checker::Finish(const Specification& specification, SpecificationResult& result) const {
  const Cardinality cardinality = specification.SpecificationCardinality();
  result.passes = result.failed == 0;
  if (cardinality == Cardinality::Required && result.applicable == 0) {
    result.passes = false;
    result.verdictReason = "required, but no element applies";
  } else if (cardinality == Cardinality::Prohibited && result.applicable > 0) {
    result.verdictReason = "prohibited, but " + std::to_string(result.applicable) + " elements apply";
  }
}

// One specification's candidates: `candidates` in file order, or every instance when `every`.
struct Checker::Walk {
  const Specification* specification = nullptr;
  std::vector<InstanceIndex> candidates;
  bool every = false;

  // How many candidates lie before the instance at file position `bound` (up to the instance count).
  std::size_t Before(std::size_t bound) const noexcept {
    return every ? bound
                 : static_cast<std::size_t>(
                       std::partition_point(candidates.begin(), candidates.end(),
                                            [bound](InstanceIndex candidate) { return candidate.Value() < bound; }) -
                       candidates.begin());
  }
  // The candidate at `position` if it lies before file position `end`; invalid otherwise (invalid
  // indices order after all others).
  InstanceIndex At(std::size_t position, std::size_t end) const noexcept {
    const InstanceIndex instance = every ? InstanceIndex(static_cast<std::uint32_t>(position))
                                         : (position < candidates.size() ? candidates[position] : InstanceIndex());
    return instance.Valid() && instance.Value() < end ? instance : InstanceIndex();
  }
};

// The specifications take the candidates in [first, end) in one common pass in file order: an instance
// is looked at by every specification that selects it in turn, so what the evaluator keeps of it (its
// property sets) serves them all. Each specification still sees its own candidates in file order.
void Checker::CheckPart(const std::vector<Walk>& walks, std::size_t first, std::size_t end,
                        const FacetEvaluator& facets, std::vector<SpecificationResult>& results) const {
  std::vector<std::size_t> next;         // by walk: the position of its next candidate
  std::vector<InstanceIndex> candidate;  // by walk: that candidate, invalid past the part's end
  for (const Walk& walk : walks) {
    next.push_back(walk.Before(first));
    candidate.push_back(walk.At(next.back(), end));
  }
  for (;;) {
    const InstanceIndex instance = *std::min_element(candidate.begin(), candidate.end());
    if (!instance.Valid()) {
      break;
    }
    for (std::size_t k = 0; k < walks.size(); ++k) {
      if (candidate[k] != instance) {
        continue;
      }
      CheckInstance(facets, *walks[k].specification, instance, results[k]);
      candidate[k] = walks[k].At(++next[k], end);
    }
  }
}

namespace {

// Where to cut the instances into `parts` parts of about as many candidates each: parts + 1 file
// positions, the first 0, the last the instance count.
std::vector<std::size_t> Bounds(std::size_t parts, std::size_t count,
                                const std::function<std::size_t(std::size_t)>& candidatesBefore) {
  std::vector<std::size_t> bounds{0};
  const std::size_t total = candidatesBefore(count);
  for (std::size_t part = 1; part < parts; ++part) {
    std::size_t low = bounds.back(), high = count;  // the first bound with enough candidates before it
    while (low < high) {
      const std::size_t middle = low + (high - low) / 2;
      if (candidatesBefore(middle) * parts < total * part) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    bounds.push_back(low);
  }
  bounds.push_back(count);
  return bounds;
}

// Adds what a part found to the whole: counts, and failures after those of the parts before.
void Merge(std::vector<SpecificationResult>& part, std::vector<SpecificationResult>& whole) {
  for (std::size_t k = 0; k < whole.size(); ++k) {
    whole[k].applicable += part[k].applicable;
    whole[k].passed += part[k].passed;
    whole[k].failed += part[k].failed;
    for (ElementFailure& failure : part[k].failures) {
      whole[k].failures.push_back(std::move(failure));
    }
  }
}

// Large models are checked on as many threads as the machine has cores, up to four.
std::size_t ThreadsFor(std::size_t instanceCount) {
  constexpr std::size_t kInstancesWorthAThread = 20000;
  const std::size_t cores = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
  return std::max<std::size_t>(1, std::min(cores, instanceCount / kInstancesWorthAThread));
}

}  // namespace

CheckResult Checker::Run(const std::string& modelFile, const std::vector<Document>& documents) const {
  CheckResult result;
  result.modelFile = modelFile;
  result.schema = std::string(model.SchemaName());
  result.timeStamp = model.TimeStamp();
  const std::vector<InstanceIndex> projects = model.InstancesOf("IFCPROJECT", false);
  if (!projects.empty()) {
    result.projectGlobalId = index.GetText(projects.front(), "GlobalId");
  }
  std::vector<Walk> walks;
  for (const Document& document : documents) {
    for (const Specification& specification : document.specifications) {
      result.specifications.push_back(Begin(specification, document));
      const std::optional<std::vector<std::string>> entities = CandidateEntities(specification);
      walks.push_back(Walk{&specification, entities ? Candidates(*entities) : std::vector<InstanceIndex>(), !entities});
    }
  }
  // Several parts a thread, taken in turn as threads get free: a part that asks more of the facets,
  // or a core that another process holds, does not keep the other threads waiting.
  const std::size_t threadCount = threads > 0 ? threads : ThreadsFor(model.InstanceCount());
  const std::vector<std::size_t> bounds =
      Bounds(threadCount > 1 ? threadCount * 4 : 1, model.InstanceCount(), [&walks](std::size_t bound) {
        std::size_t before = 0;
        for (const Walk& walk : walks) {
          before += walk.Before(bound);
        }
        return before;
      });
  // Each thread has its own evaluator (it keeps what it read of the last instance), each part its
  // results.
  const std::size_t parts = bounds.size() - 1;
  std::vector<FacetEvaluator> evaluators;
  for (std::size_t thread = 0; thread < threadCount; ++thread) {
    evaluators.emplace_back(index, units);
  }
  std::vector<std::vector<SpecificationResult>> found(parts, std::vector<SpecificationResult>(walks.size()));
  std::atomic<std::size_t> nextPart{0};
  const auto work = [&](std::size_t thread) {
    for (std::size_t part = nextPart++; part < parts; part = nextPart++) {
      CheckPart(walks, bounds[part], bounds[part + 1], evaluators[thread], found[part]);
    }
  };
  std::vector<std::thread> helpers;
  for (std::size_t thread = 1; thread < threadCount; ++thread) {
    helpers.emplace_back(work, thread);
  }
  work(0);
  for (std::thread& helper : helpers) {
    helper.join();
  }
  for (std::vector<SpecificationResult>& part : found) {
    Merge(part, result.specifications);
  }
  for (std::size_t k = 0; k < walks.size(); ++k) {
    Finish(*walks[k].specification, result.specifications[k]);
  }
  return result;
}

}  // namespace Ids
