#include "exporter/writer/PropertyText.h"

#include <string_view>

#include "ifc/text/StepText.h"

namespace Exporter {

namespace {

void AppendUpper(std::string& out, std::string_view name) {
  for (const char c : name) {
    out.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
  }
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

}  // namespace Exporter
