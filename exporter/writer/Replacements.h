// Input instances a run writes with new text, by instance index: an element with set attributes, a
// property set that grows, a relation that elements leave.
//
//   Replacements replaced;
//   replaced.Replace(index, "#3=IFCWALL(...);");
//   for (const auto& [index, text] : replaced.InFileOrder()) ...
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "exporter/writer/InstanceIds.h"

namespace Exporter {

class Replacements {
 public:
  using Entry = std::pair<InstanceIndex, std::string>;  // the instance, its whole new text

  // `text` replaces the instance's whole text, "#N=ENTITY(...);".
  void Replace(InstanceIndex index, std::string text) { entries.emplace_back(index, std::move(text)); }

  // The replacements sorted by instance index, as the writer meets them.
  const std::vector<Entry>& InFileOrder();

 private:
  std::vector<Entry> entries;
};

}  // namespace Exporter
