#include "MergeContext.h"

#include "InstanceText.h"

namespace Exporter {

MergeContext::MergeContext(const StepFile& file)
    : file(file), schema(file.GetSchema()), added(file.LargestNumber() + 1), globalIds(file) {
  const IfcReader::EntityId ownerHistory = schema.FindEntity("IfcOwnerHistory");
  const auto& instances = file.Instances();
  for (std::size_t i = 0; i < instances.size() && ownerHistory.Valid(); ++i) {
    if (instances[i].entity == ownerHistory) {
      rootFallbacks.emplace_back("OwnerHistory", Reference(instances[i].number));
      break;
    }
  }
}

void MergeContext::WarnOnce(const std::string& key, std::string text) {
  if (warnedOnce.insert(key).second) {
    Warn(std::move(text));
  }
}

std::string MergeContext::ElementName(std::uint32_t index) const {
  const InstanceRecord& record = file.Instances()[index];
  return "#" + std::to_string(record.number) + " (" + std::string(schema.Name(record.entity)) + ")";
}

void MergeContext::Rewrite(std::uint32_t index, const std::vector<std::string>& attributes) {
  const InstanceRecord& record = file.Instances()[index];
  replaced.Replace(index, "#" + std::to_string(record.number) + "=" + std::string(schema.UpperName(record.entity)) +
                              "(" + Join(attributes) + ");");
}

}  // namespace Exporter
