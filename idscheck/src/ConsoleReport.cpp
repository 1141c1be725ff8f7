#include "ConsoleReport.h"

#include <algorithm>
#include <string>

#include "ReportSummary.h"
#include "ReportText.h"

namespace Ids {

namespace {

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

void PrintFailure(const ElementFailure& failure, std::FILE* out) {
  std::fprintf(out, "    #%llu %s %s", static_cast<unsigned long long>(failure.instance),
               failure.globalId.empty() ? "(no GlobalId)" : ConsoleText(failure.globalId).c_str(),
               ConsoleText(failure.entity).c_str());
  if (!failure.name.empty()) {
    std::fprintf(out, " '%s'", ConsoleText(failure.name).c_str());
  }
  std::fprintf(out, ": %s\n", ConsoleText(JoinedReasons(failure)).c_str());
}

void PrintSpecification(const SpecificationResult& specification, const std::string& schema, std::FILE* out) {
  const SpecificationStatus status = StatusOf(specification);
  std::fprintf(out, "[%s] %s (%s)", StatusLabel(status), ConsoleText(specification.name).c_str(),
               ConsoleText(specification.idsFile).c_str());
  if (status == SpecificationStatus::NotApplicable) {
    std::fprintf(out, ": not checked, %s is not among its IFC versions (%s)\n", ConsoleText(schema).c_str(),
                 ConsoleText(specification.ifcVersions).c_str());
    return;
  }
  std::fprintf(out, ": %zu applicable, %zu passed, %zu failed\n", specification.applicable, specification.passed,
               specification.failed);
  if (!specification.verdictReason.empty()) {
    std::fprintf(out, "    %s\n", ConsoleText(specification.verdictReason).c_str());
  }
  const std::size_t listed = std::min(specification.failures.size(), kConsoleFailuresPerSpecification);
  for (std::size_t k = 0; k < listed; ++k) {
    PrintFailure(specification.failures[k], out);
  }
  if (specification.failures.size() > listed) {
    std::fprintf(out, "    ... and %zu more failing elements\n", specification.failures.size() - listed);
  }
}

}  // namespace

void PrintConsoleReport(const CheckResult& result, std::FILE* out) {
  for (const SpecificationResult& specification : result.specifications) {
    PrintSpecification(specification, result.schema, out);
  }
  const ReportSummary summary = Summarize(result);
  std::fprintf(out,
               "Total: %zu specifications, %zu passed, %zu failed, %zu not applicable; %zu of %zu checked "
               "elements failed: %s\n",
               summary.specifications, summary.passed, summary.failed, summary.notApplicable, summary.failingElements,
               summary.applicableElements,
               summary.passes ? "the model meets the requirements" : "the model does NOT meet the requirements");
}

}  // namespace Ids
