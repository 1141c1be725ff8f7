#include "exporter/writer/InstanceText.h"

#include "ifc/text/StepText.h"

namespace Exporter {

std::string StepText(const KT::UniString& text) {
  std::string out;
  AppendStepString(out, text.GetCodeUnits());
  return out;
}

std::string OptionalText(const KT::Optional<KT::UniString>& text) {
  return text.HasValue() ? StepText(text.Get()) : std::string("$");
}

std::string Reference(InstanceNumber number) {
  return "#" + std::to_string(number.Value());
}

std::string ReferenceList(const std::vector<InstanceNumber>& numbers) {
  std::string out = "(";
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i != 0) {
      out.push_back(',');
    }
    out += Reference(numbers[i]);
  }
  out.push_back(')');
  return out;
}

std::string Join(const std::vector<std::string>& items) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i != 0) {
      out.push_back(',');
    }
    out += items[i];
  }
  return out;
}

std::string GuidText(const GuidBytes& guid) {
  char text[22];
  EncodeGlobalId(guid, text);
  return std::string(text, 22);
}

}  // namespace Exporter
