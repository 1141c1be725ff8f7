#include "exporter/merge/InstanceAttributes.h"

#include "ifc/text/StepText.h"

namespace Exporter {

bool InstanceAttributes::Read(InstanceIndex index) {
  return SplitStepList(model.Arguments(index), tokens) &&
         tokens.size() == model.GetSchema().AttributeCount(model.Entity(index));
}

std::vector<InstanceNumber> InstanceAttributes::References(Ifc::AttributeSlot slot) const {
  std::vector<InstanceNumber> numbers;
  const auto list = StepListItems((*this)[slot]);
  if (list && SplitStepList(*list, items)) {
    for (const std::string_view item : items) {
      numbers.push_back(InstanceNumber(ParseStepReference(item)));
    }
  }
  return numbers;
}

}  // namespace Exporter
