#include "Printer.h"

#include <cinttypes>
#include <string>
#include <vector>

#include "IPL/ClassificationReference.h"
#include "IPL/IFCType.h"
#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySingleValue.h"
#include "IPL/PropertyTableValue.h"
#include "SampleModel.h"

namespace ExampleHost {

namespace {

using IFCAPI::Impl::HookAssignments;
using IFCAPI::Impl::ObjectID;

std::string TypeName(IPL::IFCType type) {
  const std::string_view name = IPL::GetIFCTypeName(type);
  return name.empty() ? "type " + std::to_string(static_cast<std::uint32_t>(type)) : std::string(name);
}

// How every absent value, bound or text is printed.
constexpr const char* NoValue = "(no value)";

// A property's detail lines stand below it, indented by this much; lines are wrapped at Width.
constexpr std::size_t DetailIndent = 10;
constexpr std::size_t Width = 100;

std::string Quoted(const KT::UniString& text) {
  return "\"" + text.ToUTF8() + "\"";
}

std::string Optional(const KT::Optional<KT::UniString>& text) {
  return text.HasValue() ? Quoted(text.Get()) : NoValue;
}

// The raw value alone, as the IFC file would spell it.
std::string Raw(const IPL::Value& value) {
  if (!value.HasValue()) {
    return NoValue;
  }
  switch (value.GetValueType()) {
    case IPL::AnyValue::Boolean:
      return value.GetBoolean() ? "true" : "false";
    case IPL::AnyValue::Logical:
      switch (value.GetLogical()) {
        case IPL::AnyValue::LogicalValue::True:
          return "true";
        case IPL::AnyValue::LogicalValue::False:
          return "false";
        default:
          return "unknown";
      }
    case IPL::AnyValue::Integer:
      return std::to_string(value.GetInteger());
    case IPL::AnyValue::Real: {
      char text[32];
      std::snprintf(text, sizeof text, "%g", value.GetReal());
      return text;
    }
    case IPL::AnyValue::String:
      return Quoted(value.GetString());
    case IPL::AnyValue::Binary:
      return std::to_string(value.GetBinary().size()) + " bytes";
    default:
      return "?";
  }
}

std::string Typed(const IPL::Value& value) {
  return value.GetValueType() == IPL::AnyValue::NoValueType ? NoValue : TypeName(value.GetIFCType()) + " " + Raw(value);
}

// A new detail line below the property.
std::string Detail(const std::string& text) {
  return "\n" + std::string(DetailIndent, ' ') + text;
}

// `head` and the items joined by commas on detail lines no wider than Width.
std::string Wrapped(const std::string& head, const std::vector<std::string>& items) {
  std::string text = head.empty() ? "" : Detail(head);
  std::size_t column = head.empty() ? Width : DetailIndent + head.size();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string item = items[i] + (i + 1 < items.size() ? "," : "");
    if (column + 1 + item.size() > Width) {
      text += Detail(item);
      column = DetailIndent + item.size();
    } else {
      text += " " + item;
      column += 1 + item.size();
    }
  }
  return text;
}

std::vector<std::string> Raws(const KT::Array<IPL::Value>& values) {
  std::vector<std::string> items;
  for (const IPL::Value& value : values) {
    items.push_back(Raw(value));
  }
  return items;
}

// The values' IFC type, then the values on detail lines.
std::string List(const KT::Array<IPL::Value>& values) {
  return (values.IsEmpty() ? std::string("no type") : TypeName(values[0].GetIFCType())) + Wrapped("", Raws(values));
}

std::string Describe(const IPL::Property& property) {
  if (const auto* single = dynamic_cast<const IPL::PropertySingleValue*>(&property)) {
    return Typed(single->GetNominalValue());
  }
  if (const auto* bounded = dynamic_cast<const IPL::PropertyBoundedValue*>(&property)) {
    return "bounded" + Detail("lower: " + Typed(bounded->GetLowerBoundValue())) +
           Detail("upper: " + Typed(bounded->GetUpperBoundValue())) +
           Detail("set point: " + Typed(bounded->GetSetPointValue()));
  }
  if (const auto* list = dynamic_cast<const IPL::PropertyListValue*>(&property)) {
    return "list of " + List(list->GetListValues());
  }
  if (const auto* enumerated = dynamic_cast<const IPL::PropertyEnumeratedValue*>(&property)) {
    std::string text = "enumerated " + List(enumerated->GetEnumerationValues());
    if (const IPL::PropertyEnumeration* allowed = enumerated->GetEnumerationReference()) {
      text += Wrapped("allowed:", Raws(allowed->GetEnumerationValues()));
    }
    return text;
  }
  if (const auto* table = dynamic_cast<const IPL::PropertyTableValue*>(&property)) {
    const auto& defining = table->GetDefiningValues();
    const auto& defined = table->GetDefinedValues();
    if (defining.IsEmpty() || defined.IsEmpty()) {
      return "empty table";
    }
    std::vector<std::string> rows;
    for (std::uint32_t row = 0; row < defining.GetSize() && row < defined.GetSize(); ++row) {
      rows.push_back(Raw(defining[row]) + " -> " + Raw(defined[row]));
    }
    return "table" +
           Wrapped(TypeName(defining[0].GetIFCType()) + " -> " + TypeName(defined[0].GetIFCType()) + ":", rows);
  }
  return "(a property of another kind)";
}

// The element's name when the model has it, a group's name, or the kind of node and its GUID.
std::string NodeName(const HookAssignments& assignments, const ObjectID& id) {
  for (const SampleModel::Element& element : SampleModel::Elements) {
    if (id.GetGUID() == KT::Guid(element.guid)) {
      return std::string(element.name) + " (" + std::string(element.ifcEntity) + ")";
    }
  }
  if (const HookAssignments::GroupInfo* group = assignments.GetGroups().Get(id)) {
    return (group->name ? Quoted(*group->name) : std::string("unnamed group")) + " (" + TypeName(group->type) + ")";
  }
  return id.GetGUID().ToString();
}

}  // namespace

void PrintPropertySets(std::FILE* out, const KT::Array<IPL::PropertySet>& sets) {
  std::fprintf(out, "    property sets: %u\n", sets.GetSize());
  for (const IPL::PropertySet& set : sets) {
    std::fprintf(out, "      %s\n", set.GetName().ToUTF8().c_str());
    for (const KT::SharedPtr<IPL::Property>& property : set.GetProperties()) {
      std::fprintf(out, "        %s: %s\n", property->GetName().ToUTF8().c_str(), Describe(*property).c_str());
    }
  }
}

void PrintAttributes(std::FILE* out, const KT::Array<IPL::GeneralAttribute>& attributes) {
  std::fprintf(out, "    attributes: %u\n", attributes.GetSize());
  for (const IPL::GeneralAttribute& attribute : attributes) {
    std::fprintf(out, "      %s = %s\n", attribute.GetName().ToUTF8().c_str(),
                 attribute.HasValue() ? Quoted(attribute.GetValue()).c_str() : NoValue);
  }
}

void PrintReferences(std::FILE* out, const KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>& references) {
  std::fprintf(out, "    classification references: %u\n", references.GetSize());
  for (const KT::SharedPtr<IPL::ExternalReferenceBase>& base : references) {
    std::fprintf(out, "      %s %s\n", Optional(base->GetIdentification()).c_str(), Optional(base->GetName()).c_str());
    if (const auto* reference = dynamic_cast<const IPL::ClassificationReference*>(base.Get())) {
      if (reference->GetReferencedSource().HasValue()) {
        const IPL::Classification& source = reference->GetReferencedSource().Get();
        std::fprintf(out, "        in %s, edition %s\n", Quoted(source.name).c_str(),
                     Optional(source.GetEdition()).c_str());
      }
      std::fprintf(out, "        associated through %s\n", Quoted(reference->relAssociatesClassificationName).c_str());
    }
    std::fprintf(out, "        at %s\n", Optional(base->GetLocation()).c_str());
  }
}

void PrintAssignments(std::FILE* out, const HookAssignments& assignments) {
  std::fprintf(out, "  groups: %u, relations: %u, roots: %u\n", assignments.GetGroups().GetCount(),
               assignments.GetRelations().GetCount(), assignments.GetRoots().GetCount());
  for (const auto& group : assignments.GetGroups()) {
    std::fprintf(out, "  %s%s\n    id %s\n", NodeName(assignments, group.key).c_str(),
                 assignments.GetRoots().Contains(group.key) ? ", a root" : "", group.key.GetGUID().ToString().c_str());
    const auto* relations = assignments.GetChildren().Get(group.key);
    if (relations == nullptr) {
      continue;
    }
    for (const ObjectID& relation : *relations) {
      const HookAssignments::RelationInfo* info = assignments.GetRelations().Get(relation);
      if (info == nullptr) {
        continue;
      }
      std::fprintf(out, "    %s %s\n", TypeName(info->type).c_str(), relation.GetGUID().ToString().c_str());
      if (const auto* members = assignments.GetChildren().Get(relation)) {
        for (const ObjectID& member : *members) {
          std::fprintf(out, "      %s\n", NodeName(assignments, member).c_str());
        }
      }
    }
  }
}

}  // namespace ExampleHost
