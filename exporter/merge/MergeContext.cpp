#include "exporter/merge/MergeContext.h"

#include <cstdint>

#include "exporter/writer/InstanceText.h"

namespace Exporter {

namespace {

// An unchanged attribute at least this long is written from the input rather than copied.
constexpr std::size_t kKeptInPlace = std::size_t{4} << 10;

}  // namespace

MergeContext::MergeContext(const StepFile& file)
    : file(file), schema(file.Model().GetSchema()), added(InstanceNumber(file.LargestNumber() + 1)), globalIds(file) {
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
  replaced.Replace(index, Reference(Model().Number(index)) + "=" +
                              std::string(schema.UpperName(Model().Entity(index))) + "(" + Join(attributes) + ");");
}

void MergeContext::Rewrite(InstanceIndex index, const std::vector<std::string_view>& attributes) {
  const auto input = reinterpret_cast<std::uintptr_t>(file.Data());
  std::string text =
      Reference(Model().Number(index)) + "=" + std::string(schema.UpperName(Model().Entity(index))) + "(";
  std::vector<Replacements::Kept> kept;
  for (std::size_t i = 0; i < attributes.size(); ++i) {
    if (i != 0) {
      text.push_back(',');
    }
    const auto at = reinterpret_cast<std::uintptr_t>(attributes[i].data());
    if (attributes[i].size() >= kKeptInPlace && at >= input && at - input <= file.Size() - attributes[i].size()) {
      kept.push_back({text.size(), attributes[i]});
    } else {
      text += attributes[i];
    }
  }
  text += ");";
  replaced.Replace(index, std::move(text), std::move(kept));
}

}  // namespace Exporter
