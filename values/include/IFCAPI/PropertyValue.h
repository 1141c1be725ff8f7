// IFCAPI::Impl::PropertyValue: one IFC property, of any of the five kinds, assigned to a named property
// set. Copies share one library property.
//
//   auto width = PropertyValue::CreateSingleValue(token, "Pset_WallCommon", "Width", widthValue);
//   auto range = PropertyValue::CreateBoundedValue(token, "Pset_Custom", "Range", low, high, noValue);
//   if (width.HasValue()) values.push_back(width.Unwrap());
//
// Each factory checks its own arguments first and the two names last, so when several arguments are
// wrong the value checks win: an invalid value with an empty property name reports
// "Invalid value given.".
#pragma once

#include "IFCAPI/Export.h"
#include "IFCAPI/Value.h"
#include "IPL/Property.h"
#include "IPL/Value.h"
#include "KT/Array.h"
#include "KT/SharedPtr.h"
#include "KT/UniString.h"
#include "TSAPI/ObjectImpl.h"
#include "TSAPI/Result.h"

namespace IFCAPI::Impl {

class IFCAPI_EXPORT PropertyValue : public TSAPI::Impl::ObjectImpl {
 public:
  // Shares `property`, as it is; checks nothing. Precondition: `property` is not null (the hook queries
  // read it without a test).
  PropertyValue(const API_Guid& token, const KT::UniString& propertySetName, KT::SharedPtr<IPL::Property> property);

  // Copies the name, shares the property and keeps the token of `other`.
  PropertyValue(const PropertyValue& other);

  ~PropertyValue() override;

  // Every factory fails with ErrorBadParameters and carries `token` in its failure. The property name
  // is checked before the property set name, and both after the factory's own checks.

  // Wraps a clone of `property`; later changes to `property` do not reach the result.
  static TSAPI::Result<PropertyValue, TSAPI::Error> Create(const API_Guid& token, const KT::UniString& propertySetName,
                                                           const IPL::Property& property);

  // A single value property; fails when `value` is not valid.
  static TSAPI::Result<PropertyValue, TSAPI::Error> CreateSingleValue(const API_Guid& token,
                                                                      const KT::UniString& propertySetName,
                                                                      const KT::UniString& propertyName,
                                                                      const Value& value);

  // A bounded value property; fails unless at least one of the three values is valid. The invalid ones
  // are passed on too, and the library treats them as unset.
  static TSAPI::Result<PropertyValue, TSAPI::Error> CreateBoundedValue(const API_Guid& token,
                                                                       const KT::UniString& propertySetName,
                                                                       const KT::UniString& propertyName,
                                                                       const Value& lowerBound, const Value& upperBound,
                                                                       const Value& setPoint);

  // A list value property; fails when `values` is empty, holds an invalid value, or values of more than
  // one IFC type (the first such element decides the message).
  static TSAPI::Result<PropertyValue, TSAPI::Error> CreateListValue(const API_Guid& token,
                                                                    const KT::UniString& propertySetName,
                                                                    const KT::UniString& propertyName,
                                                                    const KT::Array<Value>& values);

  // An enumerated value property: `values` chosen from `enumerationValues`. Checks the allowed values,
  // then the held ones as a list value does, then that both lists have one IFC type. Membership of the
  // held values in the enumeration is not checked.
  static TSAPI::Result<PropertyValue, TSAPI::Error> CreateEnumeratedValue(const API_Guid& token,
                                                                          const KT::UniString& propertySetName,
                                                                          const KT::UniString& propertyName,
                                                                          const KT::Array<Value>& enumerationValues,
                                                                          const KT::Array<Value>& values);

  // A table value property whose columns are paired by index. Checks that the columns are of one
  // length, then each column as a list value does; the two columns may differ in IFC type.
  static TSAPI::Result<PropertyValue, TSAPI::Error> CreateTableValue(const API_Guid& token,
                                                                     const KT::UniString& propertySetName,
                                                                     const KT::UniString& propertyName,
                                                                     const KT::Array<Value>& definingValues,
                                                                     const KT::Array<Value>& definedValues);

  const KT::UniString& GetPropertySetName() const noexcept { return propertySetName; }

  // The property shared by every copy of this object; never null in an object made by a factory.
  const KT::SharedPtr<IPL::Property>& GetProperty() const noexcept { return property; }

 private:
  template <class>
  friend struct LayoutCheck;

  // Copies of the library values of `values`, in order. Fails when `values` is empty, at the first
  // invalid value, or at the first value whose IFC type differs from the first one's.
  static TSAPI::Result<KT::Array<IPL::Value>, TSAPI::Error> ConvertValueList(const API_Guid& token,
                                                                             const KT::Array<Value>& values);

  KT::UniString propertySetName;
  KT::SharedPtr<IPL::Property> property;
};

}  // namespace IFCAPI::Impl
