#include "idscheck/reports/ReportSummary.h"

namespace Ids {

SpecificationStatus StatusOf(const SpecificationResult& specification) noexcept {
  if (!specification.applies) {
    return SpecificationStatus::NotApplicable;
  }
  return specification.passes ? SpecificationStatus::Passed : SpecificationStatus::Failed;
}

std::string SchemaNote(const SpecificationResult& specification, const std::string& schema) {
  return "its ifcVersion (" + specification.ifcVersions + ") does not list the model's schema " + schema +
         "; checked all the same, as IDS takes ifcVersion for metadata";
}

const char* StatusWord(SpecificationStatus status) noexcept {
  switch (status) {
    case SpecificationStatus::Passed:
      return "passed";
    case SpecificationStatus::Failed:
      return "failed";
    case SpecificationStatus::NotApplicable:
      return "not-applicable";
  }
  return "failed";
}

const char* StatusLabel(SpecificationStatus status) noexcept {
  switch (status) {
    case SpecificationStatus::Passed:
      return "PASSED";
    case SpecificationStatus::Failed:
      return "FAILED";
    case SpecificationStatus::NotApplicable:
      return "NOT APPLICABLE";
  }
  return "FAILED";
}

ReportSummary Summarize(const CheckResult& result) noexcept {
  ReportSummary summary;
  for (const SpecificationResult& specification : result.specifications) {
    ++summary.specifications;
    switch (StatusOf(specification)) {
      case SpecificationStatus::Passed:
        ++summary.passed;
        break;
      case SpecificationStatus::Failed:
        ++summary.failed;
        break;
      case SpecificationStatus::NotApplicable:
        ++summary.notApplicable;
        break;
    }
    summary.applicableElements += specification.applicable;
    summary.failingElements += specification.failed;
  }
  summary.passes = result.Passes();
  return summary;
}

std::string CountsText(const SpecificationResult& specification) {
  return std::to_string(specification.applicable) + " applicable, " + std::to_string(specification.passed) +
         " passed, " + std::to_string(specification.failed) + " failed";
}

std::string JoinedReasons(const ElementFailure& failure) {
  std::string joined;
  for (const std::string& reason : failure.reasons) {
    if (!joined.empty()) {
      joined += "; ";
    }
    joined += reason;
  }
  return joined.empty() ? std::string("the element does not meet the requirements") : joined;
}

}  // namespace Ids
