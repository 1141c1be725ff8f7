#include "exporter/merge/StandardSetCheck.h"

#include <string>

#include "IPL/IFCType.h"
#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySingleValue.h"

namespace Exporter {

namespace {

constexpr char kOnceNote[] = " (said once for every element of this entity given it)";

void AddValue(Ifc::GivenProperty& given, const IPL::Value& value) {
  const std::string_view type = IPL::GetIFCTypeName(value.GetIFCType());
  if (type.empty() || value.GetValueType() == IPL::AnyValue::NoValueType) {
    return;  // unset: nothing to check
  }
  given.valueTypes.emplace_back(type);
  if (value.GetIFCType() == IPL::IFCType::IfcLabel && value.GetValueType() == IPL::AnyValue::String) {
    given.labels.push_back(value.GetString().ToUTF8());
  }
}

void AddValues(Ifc::GivenProperty& given, const KT::Array<IPL::Value>& values) {
  for (const IPL::Value& value : values) {
    AddValue(given, value);
  }
}

Ifc::GivenProperty Given(const IPL::Property& property) {
  Ifc::GivenProperty given;
  given.name = property.GetName().ToUTF8();
  if (const auto* single = dynamic_cast<const IPL::PropertySingleValue*>(&property)) {
    AddValue(given, single->GetNominalValue());
  } else if (const auto* enumerated = dynamic_cast<const IPL::PropertyEnumeratedValue*>(&property)) {
    given.kind = Ifc::GivenKind::Enumerated;
    AddValues(given, enumerated->GetEnumerationValues());
  } else if (const auto* bounded = dynamic_cast<const IPL::PropertyBoundedValue*>(&property)) {
    given.kind = Ifc::GivenKind::Bounded;
    AddValue(given, bounded->GetLowerBoundValue());
    AddValue(given, bounded->GetUpperBoundValue());
    AddValue(given, bounded->GetSetPointValue());
  } else if (const auto* list = dynamic_cast<const IPL::PropertyListValue*>(&property)) {
    given.kind = Ifc::GivenKind::List;
    AddValues(given, list->GetListValues());
  } else {
    given.kind = Ifc::GivenKind::Other;
  }
  return given;
}

}  // namespace

std::vector<Ifc::GivenProperty> GivenProperties(const IPL::PropertySet& set) {
  std::vector<Ifc::GivenProperty> given;
  for (const KT::SharedPtr<IPL::Property>& property : set.GetProperties()) {
    if (property.Get() != nullptr) {
      given.push_back(Given(*property));
    }
  }
  return given;
}

StandardSetCheck::StandardSetCheck(MergeContext& context) : context(context), check(context.schema) {}

void StandardSetCheck::Check(InstanceIndex index, const IPL::PropertySet& set) {
  const std::string setName = set.GetName().ToUTF8();
  if (!Ifc::IsStandardSetName(setName)) {
    return;
  }
  const std::string schemaName(Ifc::SchemaName(context.schema.Version()));
  if (!check.Checks(setName)) {
    context.WarnOnce("template:Qto_", "Qto_ sets are not checked: the " + schemaName +
                                          " templates the tool carries have no quantity sets");
    return;
  }
  const Ifc::EntityId entity = context.Model().Entity(index);
  for (const Ifc::TemplateMismatch& mismatch : check.Check(entity, setName, GivenProperties(set))) {
    ++context.summary.templateMismatches;
    const std::string text = mismatch.Text(schemaName, "the add-on gave");
    context.WarnOnce("template:" + std::string(context.schema.Name(entity)) + ":" + text,
                     context.ElementName(index) + ": " + text + kOnceNote);
  }
}

}  // namespace Exporter
