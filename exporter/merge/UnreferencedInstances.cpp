#include "exporter/merge/UnreferencedInstances.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "ifc/step/Lexer.h"

namespace Exporter {

namespace {

// Calls `found` with every instance number that `text` (arguments the reader checked) refers to.
template <class Found>
void ForEachReference(std::string_view text, const Found& found) {
  Ifc::Lexer lexer(text);
  for (Ifc::Token token = lexer.Next(); token.kind != Ifc::TokenKind::End && token.kind != Ifc::TokenKind::Error;
       token = lexer.Next()) {
    if (token.kind == Ifc::TokenKind::InstanceName) {
      found(Ifc::InstanceNumberOf(token).Value());
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
