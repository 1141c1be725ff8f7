// The error a run ends with when the add-on's provider throws out of a hook query: it names the
// query and, for the per-element queries, the element.
//
//   try { exporter.Collect(); }
//   catch (const ProviderFailure& failure) { Report(failure.what()); }
//   // "the add-on failed in GetHookProperties for #20 (IfcWall, GlobalId '3W0000001008000000000H'): ..."
#pragma once

#include <stdexcept>
#include <string>

namespace Exporter {

class ProviderFailure : public std::runtime_error {
 public:
  explicit ProviderFailure(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace Exporter
