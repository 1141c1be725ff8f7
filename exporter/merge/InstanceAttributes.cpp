#include "InstanceAttributes.h"

#include "StepText.h"

namespace Exporter {

bool InstanceAttributes::Read(std::uint32_t index) {
  const IfcReader::EntityId entity = file.Instances()[index].entity;
  return SplitStepList(file.Arguments(index), tokens) &&
         tokens.size() == file.Model().GetSchema().AttributeCount(entity);
}

std::vector<std::uint32_t> InstanceAttributes::References(IfcReader::AttributeSlot slot) const {
  std::vector<std::uint32_t> numbers;
  const auto list = StepListItems(tokens[slot.Index()]);
  if (list && SplitStepList(*list, items)) {
    for (const std::string_view item : items) {
      numbers.push_back(ParseStepReference(item));
    }
  }
  return numbers;
}

}  // namespace Exporter
