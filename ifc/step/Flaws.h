// Faults of a file that real files show and that a reader can live with: duplicate GlobalIds (the
// first instance keeps the GlobalId's index entry), references to instances that do not exist (read
// as references to nothing) and instances with more or fewer attributes than their entity has (read
// by position as far as they go; an attribute past the written ones reads as absent), bytes after
// END-ISO-10303-21; other than blanks (not part of the model: a writer copying the file leaves them
// out), string bytes that are no UTF-8 (read as Latin-1), keywords in lower case (read as upper case)
// and references to an instance of an entity the attribute does not take (read as written). Read by
// default and counted here, so that a caller can warn once a kind; ReadOptions::strict refuses them
// instead.
//
//   for (const FlawKind kind : AllFlawKinds) {
//     const FlawReport& report = model.GetFlaws().Of(kind);
//     if (report.count != 0) Warn(report.count, report.examples.front());  // "m.ifc:9: #2: duplicate ..."
//   }
#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include "ifc/step/InstanceId.h"

namespace Ifc {

enum class FlawKind : std::uint8_t {
  DuplicateGlobalId,
  MissingReference,
  AttributeCount,
  TrailingBytes,
  InvalidUtf8,
  LowerCaseKeyword,
  ReferenceType
};
constexpr FlawKind kAllFlawKinds[] = {
    FlawKind::DuplicateGlobalId, FlawKind::MissingReference, FlawKind::AttributeCount, FlawKind::TrailingBytes,
    FlawKind::InvalidUtf8,       FlawKind::LowerCaseKeyword, FlawKind::ReferenceType};

// How many flaws of a kind keep their instance and message.
constexpr std::size_t kKeptFlaws = 8;

struct FlawReport {
  std::size_t count = 0;
  std::vector<InstanceIndex> instances;  // the first KeptFlaws, in file order of detection (invalid for
                                         // trailing bytes, which belong to no instance)
  std::vector<std::string> examples;     // their messages, "FILE:LINE: #N: what"
};

class Flaws {
 public:
  const FlawReport& Of(FlawKind kind) const noexcept { return reports[static_cast<std::size_t>(kind)]; }
  bool Empty() const noexcept {
    for (const FlawReport& report : reports) {
      if (report.count != 0) {
        return false;
      }
    }
    return true;
  }

  void Add(FlawKind kind, InstanceIndex instance, std::string message) {
    FlawReport& report = reports[static_cast<std::size_t>(kind)];
    if (report.count++ < kKeptFlaws) {
      report.instances.push_back(instance);
      report.examples.push_back(std::move(message));
    }
  }

 private:
  std::array<FlawReport, std::size(kAllFlawKinds)> reports;
};

}  // namespace Ifc
