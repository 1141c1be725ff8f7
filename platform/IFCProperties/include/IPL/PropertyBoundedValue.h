// IPL::PropertyBoundedValue: a property given by a lower bound, an upper bound and a set point, any of
// which may be unset (IfcPropertyBoundedValue).
//
//   IPL::PropertyBoundedValue range;
//   range.SetName("OperatingTemperature");
//   range.SetLowerBoundValue(low);
//   range.SetUpperBoundValue(high);
//   range.SetSetPointValue(IPL::Value());   // no set point
//   range.SynchronizeTypes();
#pragma once

#include "IPL/Export.h"
#include "IPL/Property.h"
#include "IPL/Value.h"

namespace IPL {

class IPL_EXPORT PropertyBoundedValue : public Property {
 public:
  // No name; all three values never set.
  PropertyBoundedValue();
  PropertyBoundedValue(const PropertyBoundedValue&) = default;
  PropertyBoundedValue& operator=(const PropertyBoundedValue&) = default;
  ~PropertyBoundedValue() override;

  // Each setter keeps a copy, usable or not; SynchronizeTypes decides what an unusable one means.
  void SetLowerBoundValue(const Value& value) { lowerBound = value; }
  void SetUpperBoundValue(const Value& value) { upperBound = value; }
  void SetSetPointValue(const Value& value) { setPoint = value; }

  const Value& GetLowerBoundValue() const noexcept { return lowerBound; }
  const Value& GetUpperBoundValue() const noexcept { return upperBound; }
  const Value& GetSetPointValue() const noexcept { return setPoint; }

  // Call after the setters. A value that is not usable (no value type, or a value type but no value)
  // means "unset": it is reset to the never-set Value(), whatever IFC type it was declared as, so that
  // an unset bound carries no type that could disagree with the set ones and is written as absent.
  // Usable values are kept exactly as they are, even if their IFC types differ from one another.
  void SynchronizeTypes();

  PropertyBoundedValue* Clone() const override;

 private:
  Value lowerBound;
  Value upperBound;
  Value setPoint;
};

}  // namespace IPL
