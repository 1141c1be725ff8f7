#include "PropertyText.h"

#include <string_view>

#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySingleValue.h"
#include "IPL/PropertyTableValue.h"
#include "StepText.h"

namespace Exporter {

namespace {

void AppendUpper(std::string& out, std::string_view name) {
  for (const char c : name) {
    out.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
  }
}

void AppendName(std::string& out, const KT::UniString& name) {
  AppendStepString(out, name.GetCodeUnits());
}

// "(v1,v2,...)" of the values that hold something, or "$" for none: the lists are optional but may
// not be empty.
void AppendValueList(std::string& out, const KT::Array<IPL::Value>& values, std::string& warning) {
  if (!HoldsAnyValue(values)) {
    out.push_back('$');
    return;
  }
  bool any = false;
  for (const IPL::Value& value : values) {
    if (!value.HasValue()) {
      continue;
    }
    out.push_back(any ? ',' : '(');
    AppendTypedValue(out, value, warning);
    any = true;
  }
  out.push_back(')');
}

}  // namespace

bool HoldsAnyValue(const KT::Array<IPL::Value>& values) noexcept {
  for (const IPL::Value& value : values) {
    if (value.HasValue()) {
      return true;
    }
  }
  return false;
}

void AppendTypedValue(std::string& out, const IPL::Value& value, std::string& warning) {
  const std::string_view type = IPL::GetIFCTypeName(value.GetIFCType());
  if (!value.HasValue() || type.empty()) {
    if (value.HasValue()) {
      warning = "a value without IFC type was left out";
    }
    out.push_back('$');
    return;
  }
  const std::size_t start = out.size();
  AppendUpper(out, type);
  out.push_back('(');
  switch (value.GetValueType()) {
    case IPL::AnyValue::Boolean:
      out += value.GetBoolean() ? ".T." : ".F.";
      break;
    case IPL::AnyValue::Logical: {
      const IPL::AnyValue::LogicalValue logical = value.GetLogical();
      out += logical == IPL::AnyValue::LogicalValue::True    ? ".T."
             : logical == IPL::AnyValue::LogicalValue::False ? ".F."
                                                             : ".U.";
      break;
    }
    case IPL::AnyValue::Integer:
      out += std::to_string(value.GetInteger());
      break;
    case IPL::AnyValue::Real:
      if (!AppendStepReal(out, value.GetReal())) {
        out.resize(start);
        out.push_back('$');
        warning = "a real that is not finite was left out";
        return;
      }
      break;
    case IPL::AnyValue::String:
      AppendStepString(out, value.GetString().GetCodeUnits());
      break;
    case IPL::AnyValue::Binary:
      AppendStepBinary(out, value.GetBinary());
      break;
    default:
      out.resize(start);
      out.push_back('$');
      warning = "a value of unknown kind was left out";
      return;
  }
  out.push_back(')');
}

std::string EnumerationBody(const IPL::PropertyEnumeration& enumeration, std::string& warning) {
  std::string body = "IFCPROPERTYENUMERATION(";
  AppendName(body, enumeration.GetName());
  body.push_back(',');
  AppendValueList(body, enumeration.GetEnumerationValues(), warning);
  body += ",$)";
  return body;
}

std::string PropertyBody(const IPL::Property& property, std::uint32_t enumeration, std::string& warning) {
  std::string body;
  if (const auto* single = dynamic_cast<const IPL::PropertySingleValue*>(&property)) {
    body = "IFCPROPERTYSINGLEVALUE(";
    AppendName(body, property.GetName());
    body += ",$,";
    AppendTypedValue(body, single->GetNominalValue(), warning);
    body += ",$)";
  } else if (const auto* bounded = dynamic_cast<const IPL::PropertyBoundedValue*>(&property)) {
    body = "IFCPROPERTYBOUNDEDVALUE(";
    AppendName(body, property.GetName());
    body += ",$,";
    AppendTypedValue(body, bounded->GetUpperBoundValue(), warning);
    body.push_back(',');
    AppendTypedValue(body, bounded->GetLowerBoundValue(), warning);
    body += ",$,";
    AppendTypedValue(body, bounded->GetSetPointValue(), warning);
    body.push_back(')');
  } else if (const auto* list = dynamic_cast<const IPL::PropertyListValue*>(&property)) {
    body = "IFCPROPERTYLISTVALUE(";
    AppendName(body, property.GetName());
    body += ",$,";
    AppendValueList(body, list->GetListValues(), warning);
    body += ",$)";
  } else if (const auto* enumerated = dynamic_cast<const IPL::PropertyEnumeratedValue*>(&property)) {
    body = "IFCPROPERTYENUMERATEDVALUE(";
    AppendName(body, property.GetName());
    body += ",$,";
    AppendValueList(body, enumerated->GetEnumerationValues(), warning);
    body += enumeration != 0 ? ",#" + std::to_string(enumeration) + ")" : ",$)";
  } else if (const auto* table = dynamic_cast<const IPL::PropertyTableValue*>(&property)) {
    body = "IFCPROPERTYTABLEVALUE(";
    AppendName(body, property.GetName());
    body += ",$,";
    AppendValueList(body, table->GetDefiningValues(), warning);
    body.push_back(',');
    AppendValueList(body, table->GetDefinedValues(), warning);
    body += ",$,$,$,$)";
  }
  return body;
}

}  // namespace Exporter
