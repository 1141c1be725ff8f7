#include "exporter/merge/PropertyKey.h"

#include <cstdint>
#include <cstring>

#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySingleValue.h"
#include "IPL/PropertyTableValue.h"

namespace Exporter {

namespace {

template <class T>
void AppendBytes(std::string& key, const T& value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  key.append(bytes, sizeof(T));
}

// Length first, so that no two different sequences of texts give the same bytes.
void AppendUnits(std::string& key, const std::u16string& units) {
  AppendBytes(key, static_cast<std::uint64_t>(units.size()));
  key.append(reinterpret_cast<const char*>(units.data()), units.size() * sizeof(char16_t));
}

void AppendValue(std::string& key, const IPL::Value& value) {
  AppendBytes(key, static_cast<std::int32_t>(value.GetIFCType()));
  const bool held = value.HasValue();
  AppendBytes(key, held);
  if (!held) {
    return;
  }
  AppendBytes(key, static_cast<std::int32_t>(value.GetValueType()));
  switch (value.GetValueType()) {
    case IPL::AnyValue::Boolean:
      AppendBytes(key, value.GetBoolean());
      break;
    case IPL::AnyValue::Logical:
      AppendBytes(key, static_cast<std::int32_t>(value.GetLogical()));
      break;
    case IPL::AnyValue::Integer:
      AppendBytes(key, value.GetInteger());
      break;
    case IPL::AnyValue::Real:
      AppendBytes(key, value.GetReal());  // bit for bit: -0.0 and 0.0 are written differently
      break;
    case IPL::AnyValue::String:
      AppendUnits(key, value.GetString().GetCodeUnits());
      break;
    case IPL::AnyValue::Binary: {
      const std::vector<std::uint8_t>& bytes = value.GetBinary();
      AppendBytes(key, static_cast<std::uint64_t>(bytes.size()));
      key.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
      break;
    }
    default:
      break;
  }
}

void AppendValues(std::string& key, const KT::Array<IPL::Value>& values) {
  AppendBytes(key, static_cast<std::uint64_t>(values.GetSize()));
  for (const IPL::Value& value : values) {
    AppendValue(key, value);
  }
}

}  // namespace

std::string PropertyKey(const IPL::Property& property) {
  std::string key;
  if (const auto* single = dynamic_cast<const IPL::PropertySingleValue*>(&property)) {
    key.push_back('S');
    AppendValue(key, single->GetNominalValue());
  } else if (const auto* bounded = dynamic_cast<const IPL::PropertyBoundedValue*>(&property)) {
    key.push_back('B');
    AppendValue(key, bounded->GetUpperBoundValue());
    AppendValue(key, bounded->GetLowerBoundValue());
    AppendValue(key, bounded->GetSetPointValue());
  } else if (const auto* list = dynamic_cast<const IPL::PropertyListValue*>(&property)) {
    key.push_back('L');
    AppendValues(key, list->GetListValues());
  } else if (const auto* table = dynamic_cast<const IPL::PropertyTableValue*>(&property)) {
    key.push_back('T');
    AppendValues(key, table->GetDefiningValues());
    AppendValues(key, table->GetDefinedValues());
  } else {
    return std::string();
  }
  AppendUnits(key, property.GetName().GetCodeUnits());
  return key;
}

}  // namespace Exporter
