#include "UnreferencedInstances.h"

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
      for (; j < text.size() && text[j] >= '0' && text[j] <= '9' && number <= 0xFFFFFFFFull; ++j) {
        number = number * 10 + static_cast<unsigned>(text[j] - '0');
      }
      if (j > i + 1 && number <= 0xFFFFFFFFull) {
        found(static_cast<std::uint32_t>(number));
      }
      i = j - 1;
    }
  }
}

}  // namespace

std::vector<std::uint32_t> Unreferenced(const StepFile& file, const std::vector<std::uint32_t>& candidates,
                                        const std::vector<std::uint32_t>& ignored) {
  if (candidates.empty()) {
    return {};
  }
  std::unordered_set<std::uint32_t> open(candidates.begin(), candidates.end());
  const std::unordered_set<std::uint32_t> skip(ignored.begin(), ignored.end());
  const auto& instances = file.Instances();
  for (std::uint32_t i = 0; i < instances.size() && !open.empty(); ++i) {
    if (skip.count(i) != 0 || open.count(instances[i].number) != 0) {
      continue;
    }
    ForEachReference(file.Arguments(i), [&](std::uint32_t number) { open.erase(number); });
  }
  std::vector<std::uint32_t> result;
  for (const std::uint32_t number : candidates) {
    if (open.count(number) != 0 && std::find(result.begin(), result.end(), number) == result.end()) {
      result.push_back(number);
    }
  }
  return result;
}

}  // namespace Exporter
