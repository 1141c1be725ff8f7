#include "idscheck/reports/ConsoleReport.h"

#include <algorithm>
#include <string>

#include "idscheck/reports/ReportSummary.h"
#include "idscheck/reports/ReportText.h"

namespace Ids {

namespace {

std::string FailureLine(const ElementFailure& failure) {
  std::string line = "    #" + std::to_string(failure.instance.Value()) + ' ';
  line += failure.globalId.empty() ? std::string("(no GlobalId)") : ConsoleText(failure.globalId);
  line += ' ' + ConsoleText(failure.entity);
  if (!failure.name.empty()) {
    line += " '" + ConsoleText(failure.name) + '\'';
  }
  return line + ": " + ConsoleText(JoinedReasons(failure)) + '\n';
}

std::string SpecificationLines(const SpecificationResult& specification, const std::string& schema) {
  const SpecificationStatus status = StatusOf(specification);
  std::string lines = std::string("[") + StatusLabel(status) + "] " + ConsoleText(specification.name) + " (" +
                      ConsoleText(specification.idsFile) + ')';
  if (status == SpecificationStatus::NotApplicable) {
    return lines + ": not checked\n";
  }
  lines += ": " + CountsText(specification) + '\n';
  if (!specification.schemaListed) {
    lines += "    note: " + ConsoleText(SchemaNote(specification, schema)) + '\n';
  }
  if (!specification.verdictReason.empty()) {
    lines += "    " + ConsoleText(specification.verdictReason) + '\n';
  }
  const std::size_t listed = std::min(specification.failures.size(), kConsoleFailuresPerSpecification);
  for (std::size_t k = 0; k < listed; ++k) {
    lines += FailureLine(specification.failures[k]);
  }
  if (specification.failures.size() > listed) {
    lines += "    ... and " + std::to_string(specification.failures.size() - listed) + " more failing elements\n";
  }
  return lines;
}

std::string TotalLine(const ReportSummary& summary) {
  return "Total: " + std::to_string(summary.specifications) + " specifications, " + std::to_string(summary.passed) +
         " passed, " + std::to_string(summary.failed) + " failed, " + std::to_string(summary.notApplicable) +
         " not applicable; " + std::to_string(summary.failingElements) + " of " +
         std::to_string(summary.applicableElements) + " checked elements failed: " +
         (summary.passes ? "the model meets the requirements\n" : "the model does NOT meet the requirements\n");
}

}  // namespace

void PrintConsoleReport(const CheckResult& result, std::FILE* out) {
  for (const SpecificationResult& specification : result.specifications) {
    std::fputs(SpecificationLines(specification, result.schema).c_str(), out);
  }
  std::fputs(TotalLine(Summarize(result)).c_str(), out);
}

}  // namespace Ids
