// IPL::PropertyEnumeratedValue: a property holding values chosen from an enumeration
// (IfcPropertyEnumeratedValue).
//
//   IPL::PropertyEnumeratedValue colour;
//   colour.SetName("Colour");
//   colour.SetEnumerationReference(colours.Clone());   // takes ownership
//   colour.SetEnumerationValues(KT::Array<IPL::Value>{red});
#pragma once

#include "IPL/Export.h"
#include "IPL/Property.h"
#include "IPL/PropertyEnumeration.h"
#include "IPL/Value.h"
#include "KT/Array.h"
#include "KT/SharedPtr.h"

namespace IPL {

class IPL_EXPORT PropertyEnumeratedValue : public Property {
 public:
  // No name; no values; no enumeration.
  PropertyEnumeratedValue();
  // Copies the values and gives the copy its own clone of the enumeration, so that no two properties
  // ever share one.
  PropertyEnumeratedValue(const PropertyEnumeratedValue& other);
  PropertyEnumeratedValue& operator=(const PropertyEnumeratedValue& other);
  ~PropertyEnumeratedValue() override;

  // Replaces the held values with a copy of `values`; they are not checked against the enumeration.
  void SetEnumerationValues(const KT::Array<Value>& values) { enumerationValues = values; }
  const KT::Array<Value>& GetEnumerationValues() const noexcept { return enumerationValues; }

  // Takes ownership of `enumeration`, a heap object without other owners (null: none), and frees the
  // one held before.
  void SetEnumerationReference(PropertyEnumeration* enumeration) noexcept;

  // The enumeration owned, or null. Valid until the next SetEnumerationReference or the destruction.
  const PropertyEnumeration* GetEnumerationReference() const noexcept { return enumerationReference.Get(); }

  PropertyEnumeratedValue* Clone() const override;

 private:
  KT::Array<Value> enumerationValues;
  KT::SharedPtr<PropertyEnumeration> enumerationReference;
};

}  // namespace IPL
