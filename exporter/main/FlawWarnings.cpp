#include "exporter/main/FlawWarnings.h"

namespace Exporter {

namespace {

const char* FlawName(Ifc::FlawKind kind, bool one) {
  switch (kind) {
    case Ifc::FlawKind::DuplicateGlobalId:
      return one ? " duplicate GlobalId" : " duplicate GlobalIds";
    case Ifc::FlawKind::MissingReference:
      return one ? " reference to a missing instance" : " references to missing instances";
    case Ifc::FlawKind::TrailingBytes:
      return " run of bytes after END-ISO-10303-21;";
    case Ifc::FlawKind::InvalidUtf8:
      return one ? " string with bytes that are not UTF-8 (read as Latin-1)"
                 : " strings with bytes that are not UTF-8 (read as Latin-1)";
    case Ifc::FlawKind::LowerCaseKeyword:
      return one ? " entity or type name in lower case" : " entity or type names in lower case";
    case Ifc::FlawKind::ReferenceType:
      return one ? " reference to an instance of an entity its attribute does not take"
                 : " references to instances of entities their attributes do not take";
    case Ifc::FlawKind::AttributeCount:
      break;
  }
  return one ? " instance with an attribute count its entity does not have"
             : " instances with attribute counts their entities do not have";
}

// What the tool does with them.
const char* FlawTreatment(Ifc::FlawKind kind) {
  return kind == Ifc::FlawKind::TrailingBytes ? " in the input, left out of the output (--strict refuses them): "
                                              : " in the input, kept (--strict refuses them): ";
}

}  // namespace

std::vector<std::string> FlawWarnings(const Ifc::Flaws& flaws) {
  std::vector<std::string> warnings;
  for (const Ifc::FlawKind kind : Ifc::kAllFlawKinds) {
    const Ifc::FlawReport& report = flaws.Of(kind);
    if (report.count == 0) {
      continue;
    }
    std::string warning = std::to_string(report.count) + FlawName(kind, report.count == 1) + FlawTreatment(kind);
    for (std::size_t i = 0; i < report.examples.size() && i < kNamedFlaws; ++i) {
      warning += (i == 0 ? "" : "; ") + report.examples[i];
    }
    if (report.count > kNamedFlaws) {
      warning += "; ...";
    }
    warnings.push_back(warning);
  }
  return warnings;
}

}  // namespace Exporter
