#include "exporter/merge/MergeContext.h"

#include <cassert>

#include "exporter/writer/InstanceText.h"

namespace Exporter {

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

}  // namespace Exporter
