#include "InstanceAttributes.h"

#include "StepText.h"

namespace Exporter {

bool InstanceAttributes::Read(std::uint32_t index) {
  return SplitStepList(file.Arguments(index), tokens) &&
         tokens.size() == file.GetSchema().AttributeCount(file.Instances()[index].entity);
}

std::vector<std::uint32_t> InstanceAttributes::References(const AttributeAt& at) const {
  std::vector<std::uint32_t> numbers;
  const auto list = StepListItems(tokens[at.Position()]);
  if (list && SplitStepList(*list, items)) {
    for (const std::string_view item : items) {
      numbers.push_back(ParseStepReference(item));
    }
  }
  return numbers;
}

}  // namespace Exporter
