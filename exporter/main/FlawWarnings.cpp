#include "exporter/main/FlawWarnings.h"

namespace Exporter {

namespace {

const char* FlawName(Ifc::FlawKind kind, bool one) {
  switch (kind) {
    case Ifc::FlawKind::DuplicateGlobalId:
      return one ? " duplicate GlobalId" : " duplicate GlobalIds";
    case Ifc::FlawKind::MissingReference:
      return one ? " reference to a missing instance" : " references to missing instances";
    case Ifc::FlawKind::AttributeCount:
      break;
  }
  return one ? " instance with an attribute count its entity does not have"
             : " instances with attribute counts their entities do not have";
}

}  // namespace

std::vector<std::string> FlawWarnings(const Ifc::Flaws& flaws) {
  std::vector<std::string> warnings;
  for (const Ifc::FlawKind kind : Ifc::AllFlawKinds) {
    const Ifc::FlawReport& report = flaws.Of(kind);
    if (report.count == 0) {
      continue;
    }
    std::string warning = std::to_string(report.count) + FlawName(kind, report.count == 1) +
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
