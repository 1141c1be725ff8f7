#include "FlawWarnings.h"

namespace Exporter {

std::vector<std::string> FlawWarnings(const IfcReader::Flaws& flaws) {
  std::vector<std::string> warnings;
  for (const IfcReader::FlawKind kind : IfcReader::AllFlawKinds) {
    const IfcReader::FlawReport& report = flaws.Of(kind);
    if (report.count == 0) {
      continue;
    }
    const bool one = report.count == 1;
    std::string warning = std::to_string(report.count) +
                          (kind == IfcReader::FlawKind::DuplicateGlobalId
                               ? (one ? " duplicate GlobalId" : " duplicate GlobalIds")
                               : (one ? " reference to a missing instance" : " references to missing instances")) +
                          " in the input, kept (--strict refuses them): ";
    for (std::size_t i = 0; i < report.examples.size() && i < NamedFlaws; ++i) {
      warning += (i == 0 ? "" : "; ") + report.examples[i];
    }
    if (report.count > NamedFlaws) {
      warning += "; ...";
    }
    warnings.push_back(warning);
  }
  return warnings;
}

}  // namespace Exporter
