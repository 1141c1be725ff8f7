#include "exporter/merge/ElementQuantities.h"

#include <algorithm>

#include "exporter/merge/InstanceAttributes.h"
#include "ifc/text/StepText.h"

namespace Exporter {

void ElementQuantities::Index() {
  indexed = true;
  const Ifc::Schema& schema = context.schema;
  if (!schema.ifcElementQuantity.Valid() || !schema.ifcRelDefinesByProperties.Valid()) {
    return;
  }
  const Ifc::AttributeSlot related = schema.FindAttribute(schema.ifcRelDefinesByProperties, "RelatedObjects");
  const Ifc::AttributeSlot relating =
      schema.FindAttribute(schema.ifcRelDefinesByProperties, "RelatingPropertyDefinition");
  const Ifc::AttributeSlot name = schema.FindAttribute(schema.ifcElementQuantity, "Name");
  InstanceAttributes relation(context.Model());
  InstanceAttributes quantity(context.Model());
  for (const InstanceIndex index : context.Model().InstancesOf(schema.ifcRelDefinesByProperties)) {
    if (!relation.Read(index)) {
      continue;
    }
    const InstanceIndex target = context.Model().Find(InstanceNumber(ParseStepReference(relation[relating])));
    if (!target.Valid() || context.Model().Entity(target) != schema.ifcElementQuantity || !quantity.Read(target)) {
      continue;
    }
    const std::u16string quantityName = DecodeStepString(quantity[name]).value_or(std::u16string());
    for (const InstanceNumber element : relation.References(related)) {
      names.emplace_back(element, quantityName);
    }
  }
  std::sort(names.begin(), names.end());
}

bool ElementQuantities::Has(InstanceNumber element, const std::u16string& name) {
  if (!indexed) {
    Index();
  }
  return std::binary_search(names.begin(), names.end(), std::make_pair(element, name));
}

}  // namespace Exporter
