#include "exporter/merge/AttributeMerge.h"

#include "exporter/merge/InstanceAttributes.h"
#include "exporter/writer/InstanceText.h"

namespace Exporter {

namespace {

// GlobalId, the first attribute of every rooted entity, is the element's identity: never set.
constexpr std::int16_t kGlobalIdSlot = 0;

}  // namespace

bool AttributeMerge::Apply(InstanceIndex index, const IPL::GeneralAttribute& attribute,
                           std::vector<std::string>& written, std::vector<std::string_view>& values) {
  const Ifc::EntityId entity = context.Model().Entity(index);
  const std::string name = attribute.GetName().ToUTF8();
  const Ifc::AttributeSlot at = context.schema.FindAttribute(entity, name);
  const Ifc::AttributeDef* def = at.value > kGlobalIdSlot ? &context.schema.Attribute(entity, at) : nullptr;
  if (def == nullptr || def->aggregate || !context.schema.IsStringType(def->type)) {
    context.Warn(context.ElementName(index) + ": '" + name + "' is no string-valued attribute of " +
                 std::string(context.schema.Name(entity)) + "; skipped");
    return false;
  }
  if (!attribute.HasValue() && !def->optional) {
    context.Warn(context.ElementName(index) + ": '" + name + "' is required and cannot be unset; skipped");
    return false;
  }
  written[at.Index()] = attribute.HasValue() ? StepText(attribute.GetValue()) : std::string("$");
  values[at.Index()] = written[at.Index()];
  return true;
}

void AttributeMerge::Add(InstanceIndex index, const KT::Array<IPL::GeneralAttribute>& attributes) {
  InstanceAttributes element(context.Model());
  if (!element.Read(index)) {
    context.Warn(context.ElementName(index) + ": its attribute list does not match its entity; attributes skipped");
    return;
  }
  // The attributes left as they are stay in the input: an element's long text is not copied.
  std::vector<std::string_view> values = element.Texts();
  std::vector<std::string> written(values.size());
  bool changed = false;
  for (const IPL::GeneralAttribute& attribute : attributes) {
    if (Apply(index, attribute, written, values)) {
      changed = true;
      ++context.summary.attributes;
    }
  }
  if (changed) {
    context.Rewrite(index, values);
  }
}

}  // namespace Exporter
