#include "MergeContext.h"

#include "InstanceText.h"

namespace Exporter {

std::string MergeContext::ElementName(InstanceIndex index) const {
  return Reference(Model().Number(index)) + " (" + std::string(schema.Name(Model().Entity(index))) + ")";
}

void MergeContext::Rewrite(InstanceIndex index, const std::vector<std::string>& attributes) {
  replaced.Replace(index, Reference(Model().Number(index)) + "=" +
                              std::string(schema.UpperName(Model().Entity(index))) + "(" + Join(attributes) + ");");
}

}  // namespace Exporter
