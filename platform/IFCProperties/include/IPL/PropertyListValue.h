// IPL::PropertyListValue: a property with an ordered list of values (IfcPropertyListValue).
//
//   IPL::PropertyListValue layers;
//   layers.SetName("LayerThicknesses");
//   layers.SetListValues(KT::Array<IPL::Value>{first, second});
#pragma once

#include "IPL/Export.h"
#include "IPL/Property.h"
#include "IPL/Value.h"
#include "KT/Array.h"

namespace IPL {

class IPL_EXPORT PropertyListValue : public Property {
 public:
  // No name; no values.
  PropertyListValue();
  PropertyListValue(const PropertyListValue&) = default;
  PropertyListValue& operator=(const PropertyListValue&) = default;
  ~PropertyListValue() override;

  // Replaces the list with a copy of `values`.
  void SetListValues(const KT::Array<Value>& values) { listValues = values; }
  const KT::Array<Value>& GetListValues() const noexcept { return listValues; }

  PropertyListValue* Clone() const override;

 private:
  KT::Array<Value> listValues;
};

}  // namespace IPL
