#include "exporter/writer/Replacements.h"

#include <algorithm>

namespace Exporter {

const std::vector<Replacements::Entry>& Replacements::InFileOrder() {
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.index < b.index; });
  return entries;
}

}  // namespace Exporter
