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

// How many distinct contributions the check remembers the outcome of; those beyond are checked anew.
constexpr std::size_t kMaxRememberedSets = 1 << 14;

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

// Length first, so that no two different sequences of texts give the same key.
void AppendText(std::string& key, std::string_view text) {
  key += std::to_string(text.size());
  key.push_back(':');
  key.append(text);
}

std::string KeyOf(Ifc::EntityId entity, std::string_view setName, const std::vector<Ifc::GivenProperty>& given) {
  std::string key = std::to_string(entity.Index());
  AppendText(key, setName);
  for (const Ifc::GivenProperty& property : given) {
    AppendText(key, property.name);
    key += std::to_string(static_cast<int>(property.kind));
    for (const auto* texts : {&property.valueTypes, &property.labels}) {
      key += std::to_string(texts->size());
      for (const std::string& text : *texts) {
        AppendText(key, text);
      }
    }
  }
  return key;
}

}  // namespace

const std::vector<Ifc::TemplateMismatch>& StandardSetCheck::MismatchesOf(Ifc::EntityId entity, std::string_view setName,
                                                                         const std::vector<Ifc::GivenProperty>& given) {
  std::string key = KeyOf(entity, setName, given);
  if (const auto known = checked.find(key); known != checked.end()) {
    return known->second;
  }
  if (checked.size() >= kMaxRememberedSets) {
    last = check.Check(entity, setName, given);
    return last;
  }
  return checked.emplace(std::move(key), check.Check(entity, setName, given)).first->second;
}

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
  for (const Ifc::TemplateMismatch& mismatch : MismatchesOf(entity, setName, GivenProperties(set))) {
    ++context.summary.templateMismatches;
    const std::string text = mismatch.Text(schemaName, "the add-on gave");
    context.WarnOnce("template:" + std::string(context.schema.Name(entity)) + ":" + text,
                     context.ElementName(index) + ": " + text + kOnceNote);
  }
}

}  // namespace Exporter
