#include "exporter/merge/UnreferencedInstances.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace Exporter {

namespace {

// Calls `found` with every instance number that `text` refers to, outside strings.
template <class Found>
void ForEachReference(std::string_view text, const Found& found) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'' || c == '"') {
      const std::size_t close = text.find(c, i + 1);
      if (close == std::string_view::npos) {
        return;
      }
      i = close;
    } else if (c == '#') {
      std::uint64_t number = 0;
      std::size_t j = i + 1;
      for (; j < text.size() && text[j] >= '0' && text[j] <= '9' && number < (std::uint64_t{1} << 59); ++j) {
        number = number * 10 + static_cast<unsigned>(text[j] - '0');
      }
      if (j > i + 1) {
        found(number);
      }
      i = j - 1;
    }
  }
}

}  // namespace

std::vector<InstanceNumber> Unreferenced(const Ifc::Model& model, const std::vector<InstanceNumber>& candidates,
                                         const std::vector<InstanceIndex>& ignored) {
  if (candidates.empty()) {
    return {};
  }
  std::unordered_set<std::uint64_t> open;
  for (const InstanceNumber number : candidates) {
    open.insert(number.Value());
  }
  std::unordered_set<std::uint32_t> skip;
  for (const InstanceIndex index : ignored) {
    skip.insert(index.Value());
  }
  for (std::uint32_t i = 0; i < model.InstanceCount() && !open.empty(); ++i) {
    const InstanceIndex index(i);
    if (skip.count(i) != 0 || open.count(model.Number(index).Value()) != 0) {
      continue;
    }
    ForEachReference(model.Arguments(index), [&](std::uint64_t number) { open.erase(number); });
  }
  std::vector<InstanceNumber> result;
  for (const InstanceNumber number : candidates) {
    if (open.count(number.Value()) != 0 && std::find(result.begin(), result.end(), number) == result.end()) {
      result.push_back(number);
    }
  }
  return result;
}

}  // namespace Exporter
