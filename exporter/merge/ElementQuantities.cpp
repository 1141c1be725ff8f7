#include "ElementQuantities.h"

#include <algorithm>

#include "InstanceAttributes.h"
#include "StepText.h"

namespace Exporter {

void ElementQuantities::Index() {
  indexed = true;
  const IfcReader::Schema& schema = context.schema;
  if (!schema.ifcElementQuantity.Valid() || !schema.ifcRelDefinesByProperties.Valid()) {
    return;
  }
  const IfcReader::AttributeSlot related = schema.FindAttribute(schema.ifcRelDefinesByProperties, "RelatedObjects");
  const IfcReader::AttributeSlot relating =
      schema.FindAttribute(schema.ifcRelDefinesByProperties, "RelatingPropertyDefinition");
  const IfcReader::AttributeSlot name = schema.FindAttribute(schema.ifcElementQuantity, "Name");
  InstanceAttributes relation(context.file);
  InstanceAttributes quantity(context.file);
  const auto& instances = context.file.Instances();
  for (std::uint32_t i = 0; i < instances.size(); ++i) {
    if (instances[i].entity != schema.ifcRelDefinesByProperties || !relation.Read(i)) {
      continue;
    }
    const std::int32_t target = context.file.FindByNumber(ParseStepReference(relation[relating]));
    if (target < 0 || instances[static_cast<std::size_t>(target)].entity != schema.ifcElementQuantity ||
        !quantity.Read(static_cast<std::uint32_t>(target))) {
      continue;
    }
    const std::u16string quantityName = DecodeStepString(quantity[name]).value_or(std::u16string());
    for (const std::uint32_t element : relation.References(related)) {
      names.emplace_back(element, quantityName);
    }
  }
  std::sort(names.begin(), names.end());
}

bool ElementQuantities::Has(std::uint32_t element, const std::u16string& name) {
  if (!indexed) {
    Index();
  }
  return std::binary_search(names.begin(), names.end(), std::make_pair(element, name));
}

}  // namespace Exporter
