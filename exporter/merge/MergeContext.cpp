#include "exporter/merge/MergeContext.h"

#include <cassert>
#include <cstdint>

#include "exporter/writer/InstanceText.h"

namespace Exporter {

namespace {

// An unchanged attribute at least this long is written from the input rather than copied.
constexpr std::size_t kKeptInPlace = std::size_t{4} << 10;

}  // namespace

MergeContext::MergeContext(const Ifc::Model& model)
    : model(model),
      schema(model.GetSchema()),
      added(InstanceNumber(model.LargestNumber().Value() + 1)),
      globalIds(model) {
  const Ifc::EntityId ownerHistory = schema.FindEntity("IfcOwnerHistory");
  for (std::uint32_t i = 0; i < Model().InstanceCount() && ownerHistory.Valid(); ++i) {
    if (Model().Entity(InstanceIndex(i)) == ownerHistory) {
      rootFallbacks.emplace_back("OwnerHistory", Reference(Model().Number(InstanceIndex(i))));
      break;
    }
  }
}

void MergeContext::WarnOnce(const std::string& key, std::string text) {
  if (warnedOnce.insert(key).second) {
    Warn(std::move(text));
  }
}

std::string MergeContext::ElementName(InstanceIndex index) const {
  return Reference(Model().Number(index)) + " (" + std::string(schema.Name(Model().Entity(index))) + ")";
}

void MergeContext::Rewrite(InstanceIndex index, const std::vector<std::string>& attributes) {
  assert(attributes.size() == schema.AttributeCount(Model().Entity(index)) && "not all of the entity's attributes");
  replaced.Replace(index, Reference(Model().Number(index)) + "=" +
                              std::string(schema.UpperName(Model().Entity(index))) + "(" + Join(attributes) + ");");
}

void MergeContext::Rewrite(InstanceIndex index, const std::vector<std::string_view>& attributes) {
  const auto input = reinterpret_cast<std::uintptr_t>(model.Data());
  std::string text =
      Reference(Model().Number(index)) + "=" + std::string(schema.UpperName(Model().Entity(index))) + "(";
  std::vector<Replacements::Kept> kept;
  for (std::size_t i = 0; i < attributes.size(); ++i) {
    if (i != 0) {
      text.push_back(',');
    }
    const auto at = reinterpret_cast<std::uintptr_t>(attributes[i].data());
    if (attributes[i].size() >= kKeptInPlace && at >= input && at - input <= model.Size() - attributes[i].size()) {
      kept.push_back({text.size(), attributes[i]});
    } else {
      text += attributes[i];
    }
  }
  text += ");";
  replaced.Replace(index, std::move(text), std::move(kept));
}

}  // namespace Exporter
