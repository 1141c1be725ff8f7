// The verdicts that every report shows: each specification's status, and the totals of a check.
//
//   const Ids::ReportSummary summary = Ids::Summarize(result);
//   std::printf("%zu of %zu specifications failed\n", summary.failed, summary.specifications);
//   std::puts(Ids::StatusWord(Ids::StatusOf(result.specifications[0])));  // "passed"
#pragma once

#include <cstddef>
#include <string>

#include "idscheck/check/CheckResult.h"

namespace Ids {

enum class SpecificationStatus {
  Passed,
  Failed,
  NotApplicable,  // not checked; the checker checks every IDS 1.0 specification, so never given today
};

SpecificationStatus StatusOf(const SpecificationResult& specification) noexcept;

// "passed", "failed" or "not-applicable": the word of the JSON report, and the HTML report's class.
const char* StatusWord(SpecificationStatus status) noexcept;

// For a specification whose ifcVersion leaves out the model's schema: "its ifcVersion (IFC2X3) does
// not list the model's schema IFC4; checked all the same, as IDS takes ifcVersion for metadata".
std::string SchemaNote(const SpecificationResult& specification, const std::string& schema);

// "PASSED", "FAILED" or "NOT APPLICABLE": the word a reader sees.
const char* StatusLabel(SpecificationStatus status) noexcept;

struct ReportSummary {
  std::size_t specifications = 0;
  std::size_t passed = 0;              // specifications
  std::size_t failed = 0;              // specifications
  std::size_t notApplicable = 0;       // specifications
  std::size_t applicableElements = 0;  // summed over the specifications: an element counts once per specification
  std::size_t failingElements = 0;     // likewise
  bool passes = true;
};

ReportSummary Summarize(const CheckResult& result) noexcept;

// The counts in words: "120 applicable, 118 passed, 2 failed".
std::string CountsText(const SpecificationResult& specification);

// Why an element failed: its reasons joined by "; " ("Pset_WallCommon.FireRating is missing").
std::string JoinedReasons(const ElementFailure& failure);

}  // namespace Ids
