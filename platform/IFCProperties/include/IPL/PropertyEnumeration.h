// IPL::PropertyEnumeration: the values that an enumerated property may take (IfcPropertyEnumeration).
//
//   IPL::PropertyEnumeration colours;
//   colours.SetEnumerationValues(KT::Array<IPL::Value>{red, green, blue});
//   enumerated.SetEnumerationReference(colours.Clone());   // the property owns the clone
#pragma once

#include "IPL/Export.h"
#include "IPL/Value.h"
#include "KT/Array.h"
#include "KT/SharedPtr.h"
#include "KT/UniString.h"

namespace IPL {

class IPL_EXPORT PropertyEnumeration : public KT::SharedObject {
 public:
  // No name; no values.
  PropertyEnumeration();
  // A copy starts without owners (KT::SharedObject).
  PropertyEnumeration(const PropertyEnumeration&) = default;
  PropertyEnumeration& operator=(const PropertyEnumeration&) = default;
  ~PropertyEnumeration() override;

  void SetName(const KT::UniString& text) { name = text; }
  const KT::UniString& GetName() const noexcept { return name; }

  // Replaces the allowed values with a copy of `values`.
  void SetEnumerationValues(const KT::Array<Value>& values) { enumerationValues = values; }
  const KT::Array<Value>& GetEnumerationValues() const noexcept { return enumerationValues; }

  // A new heap copy without owners; hand it to an owner (SetEnumerationReference or a KT::SharedPtr).
  virtual PropertyEnumeration* Clone() const;

 private:
  KT::UniString name;
  KT::Array<Value> enumerationValues;
};

}  // namespace IPL
