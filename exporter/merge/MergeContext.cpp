#include "MergeContext.h"

#include "InstanceText.h"

namespace Exporter {

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
