// IPL::PropertyTableValue: a property given as a table of defining values and the defined values
// paired with them by index (IfcPropertyTableValue).
//
//   IPL::PropertyTableValue curve;
//   curve.SetName("FlowCurve");
//   curve.SetDefiningValues(pressures);
//   curve.SetDefinedValues(flows);
#pragma once

#include "IPL/Export.h"
#include "IPL/Property.h"
#include "IPL/Value.h"
#include "KT/Array.h"

namespace IPL {

class IPL_EXPORT PropertyTableValue : public Property {
 public:
  // No name; both columns empty.
  PropertyTableValue();
  PropertyTableValue(const PropertyTableValue&) = default;
  PropertyTableValue& operator=(const PropertyTableValue&) = default;
  ~PropertyTableValue() override;

  // Each replaces its column with a copy of `values`; the two columns are not compared here.
  void SetDefiningValues(const KT::Array<Value>& values) { definingValues = values; }
  void SetDefinedValues(const KT::Array<Value>& values) { definedValues = values; }

  const KT::Array<Value>& GetDefiningValues() const noexcept { return definingValues; }
  const KT::Array<Value>& GetDefinedValues() const noexcept { return definedValues; }

  PropertyTableValue* Clone() const override;

 private:
  KT::Array<Value> definingValues;
  KT::Array<Value> definedValues;
};

}  // namespace IPL
