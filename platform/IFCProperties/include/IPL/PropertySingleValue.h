// IPL::PropertySingleValue: a property with one value (IfcPropertySingleValue).
//
//   IPL::PropertySingleValue width;
//   width.SetName("Width");
//   width.SetNominalValue(IPL::Value(IPL::AnyValue::FromReal(0.3), IPL::IFCType::IfcLengthMeasure));
#pragma once

#include "IPL/Export.h"
#include "IPL/Property.h"
#include "IPL/Value.h"

namespace IPL {

class IPL_EXPORT PropertySingleValue : public Property {
 public:
  // No name; the nominal value never set.
  PropertySingleValue();
  PropertySingleValue(const PropertySingleValue&) = default;
  PropertySingleValue& operator=(const PropertySingleValue&) = default;
  ~PropertySingleValue() override;

  void SetNominalValue(const Value& value) { nominalValue = value; }
  const Value& GetNominalValue() const noexcept { return nominalValue; }

  PropertySingleValue* Clone() const override;

 private:
  Value nominalValue;
};

}  // namespace IPL
