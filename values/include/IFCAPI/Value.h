// IFCAPI::Impl::Value: one raw value declared as an IFC type, checked against that type.
//
//   auto width = Value::Create(token, "IfcPositiveLengthMeasure", IPL::AnyValue::FromReal(0.3));
//   // Value::Create(token, "IfcLabel", IPL::AnyValue::FromReal(0.3)) fails:
//   //   "Inconsistent value type and value."
//   auto unknown = Value::Create(token, "IfcLabel", IPL::AnyValue(IPL::AnyValue::String));
//   assert(unknown.HasValue() && !unknown.Unwrap().IsValid());   // typed, but empty
#pragma once

#include "IFCAPI/Export.h"
#include "IPL/AnyValue.h"
#include "IPL/Value.h"
#include "KT/UniString.h"
#include "TSAPI/ObjectImpl.h"
#include "TSAPI/Result.h"

namespace IFCAPI::Impl {

class IFCAPI_EXPORT Value : public TSAPI::Impl::ObjectImpl {
 public:
  // Keeps a copy of `value`; checks nothing, so the object may be invalid.
  Value(const API_Guid& token, const IPL::Value& value);

  // Copies the value and keeps the token of `other`.
  Value(const Value& other);

  ~Value() override;

  // `value` declared as the IFC type named `typeName` (exact schema spelling). Fails with
  // ErrorBadParameters when the name is unknown ("Invalid value type."), then when the value type of
  // `value` is not the one the IFC type requires ("Inconsistent value type and value."); a failure
  // carries `token`. A typed but empty `value` is accepted; IsValid reports it.
  static TSAPI::Result<Value, TSAPI::Error> Create(const API_Guid& token, const KT::UniString& typeName,
                                                   const IPL::AnyValue& value);

  // Whether the value has a value type and holds a value.
  bool IsValid() const;

  // The library value held; valid as long as this object.
  const IPL::Value& GetValue() const noexcept { return value; }

 private:
  template <class>
  friend struct LayoutCheck;

  IPL::Value value;
};

}  // namespace IFCAPI::Impl
