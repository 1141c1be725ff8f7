// IPL::Value: a raw value declared as one IFC type, the form in which values go into properties.
//
//   const IPL::Value width(IPL::AnyValue::FromReal(0.3), IPL::IFCType::IfcPositiveLengthMeasure);
//   assert(IPL::Value::ConvertIFCType(width.GetIFCType()) == width.GetValueType());
#pragma once

#include "IPL/AnyValue.h"
#include "IPL/Export.h"
#include "IPL/IFCType.h"

namespace IPL {

class IPL_EXPORT Value : public AnyValue {
 public:
  // No value type, no value, NullIFCType: the state of a value that was never set.
  Value() noexcept = default;

  // Copies `value` and declares it as `type`. Nothing is checked: the raw value may not fit the type.
  Value(const AnyValue& value, IFCType type);

  Value(const Value&) = default;
  Value& operator=(const Value&) = default;
  ~Value() override;

  IFCType GetIFCType() const noexcept { return ifcType; }

  // The raw value kind that `type` requires; NoValueType for entities and for NullIFCType. Types
  // whose underlying type is NUMBER take Real.
  static AnyValue::ValueType ConvertIFCType(const IFCType& type) noexcept;

  friend bool operator==(const Value& a, const Value& b) {
    return a.ifcType == b.ifcType && static_cast<const AnyValue&>(a) == static_cast<const AnyValue&>(b);
  }
  friend bool operator!=(const Value& a, const Value& b) { return !(a == b); }

 private:
  IFCType ifcType = IFCType::NullIFCType;
};

}  // namespace IPL
