#include "IFCAPI/PropertyValue.h"

#include <cassert>
#include <utility>

#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyEnumeration.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySingleValue.h"
#include "IPL/PropertyTableValue.h"
#include "foundation/src/Failure.h"
#include "foundation/src/LayoutCheck.h"
#include "values/src/ApiObjectChecks.h"

namespace IFCAPI::Impl {

namespace {

using ValueList = KT::Array<IPL::Value>;

}  // namespace

PropertyValue::PropertyValue(const API_Guid& token, const KT::UniString& propertySetName,
                             KT::SharedPtr<IPL::Property> property)
    : ObjectImpl(token), propertySetName(propertySetName), property(std::move(property)) {
  // A null property would reach the hook queries, which read it without a test.
  assert(this->property && "a PropertyValue needs a property");
}

PropertyValue::PropertyValue(const PropertyValue& other)
    : ObjectImpl(other), propertySetName(other.propertySetName), property(other.property) {}

PropertyValue::~PropertyValue() = default;

TSAPI::Result<PropertyValue, TSAPI::Error> PropertyValue::Create(const API_Guid& token,
                                                                 const KT::UniString& propertySetName,
                                                                 const IPL::Property& property) {
  if (property.GetName().IsEmpty()) {
    return Failure<PropertyValue>(Errors::PropertyNameEmpty, token);
  }
  if (propertySetName.IsEmpty()) {
    return Failure<PropertyValue>(Errors::PropertySetNameEmpty, token);
  }
  // The clone has no owner until the shared pointer takes it; nothing between them can throw.
  KT::SharedPtr<IPL::Property> clone(property.Clone());
  return PropertyValue(token, propertySetName, std::move(clone));
}

TSAPI::Result<PropertyValue, TSAPI::Error> PropertyValue::CreateSingleValue(const API_Guid& token,
                                                                            const KT::UniString& propertySetName,
                                                                            const KT::UniString& propertyName,
                                                                            const Value& value) {
  if (!value.IsValid()) {
    return Failure<PropertyValue>(Errors::InvalidValueGiven, token);
  }
  IPL::PropertySingleValue single;
  single.SetName(propertyName);
  single.SetNominalValue(value.GetValue());
  return Create(token, propertySetName, single);
}

TSAPI::Result<PropertyValue, TSAPI::Error> PropertyValue::CreateBoundedValue(
    const API_Guid& token, const KT::UniString& propertySetName, const KT::UniString& propertyName,
    const Value& lowerBound, const Value& upperBound, const Value& setPoint) {
  if (!lowerBound.IsValid() && !upperBound.IsValid() && !setPoint.IsValid()) {
    return Failure<PropertyValue>(Errors::NoBoundSet, token);
  }
  IPL::PropertyBoundedValue bounded;
  bounded.SetName(propertyName);
  // The invalid values are set too: the library decides what an unset bound means.
  bounded.SetLowerBoundValue(lowerBound.GetValue());
  bounded.SetUpperBoundValue(upperBound.GetValue());
  bounded.SetSetPointValue(setPoint.GetValue());
  bounded.SynchronizeTypes();
  return Create(token, propertySetName, bounded);
}

TSAPI::Result<PropertyValue, TSAPI::Error> PropertyValue::CreateListValue(const API_Guid& token,
                                                                          const KT::UniString& propertySetName,
                                                                          const KT::UniString& propertyName,
                                                                          const KT::Array<Value>& values) {
  IPL::PropertyListValue list;
  list.SetName(propertyName);
  const TSAPI::Result<ValueList, TSAPI::Error> converted = ConvertValueList(token, values);
  if (!converted.HasValue()) {
    return PassFailureOn<PropertyValue>(converted, token);
  }
  list.SetListValues(converted.Unwrap());
  return Create(token, propertySetName, list);
}

TSAPI::Result<PropertyValue, TSAPI::Error> PropertyValue::CreateEnumeratedValue(
    const API_Guid& token, const KT::UniString& propertySetName, const KT::UniString& propertyName,
    const KT::Array<Value>& enumerationValues, const KT::Array<Value>& values) {
  IPL::PropertyEnumeratedValue enumerated;
  enumerated.SetName(propertyName);

  const TSAPI::Result<ValueList, TSAPI::Error> allowed = ConvertValueList(token, enumerationValues);
  if (!allowed.HasValue()) {
    return PassFailureOn<PropertyValue>(allowed, token);
  }
  {
    IPL::PropertyEnumeration enumeration;
    enumeration.SetEnumerationValues(allowed.Unwrap());
    enumerated.SetEnumerationReference(enumeration.Clone());
  }

  const TSAPI::Result<ValueList, TSAPI::Error> held = ConvertValueList(token, values);
  if (!held.HasValue()) {
    return PassFailureOn<PropertyValue>(held, token);
  }
  enumerated.SetEnumerationValues(held.Unwrap());

  // Each list is of one IFC type already, so their first elements stand for them.
  const IPL::PropertyEnumeration* reference = enumerated.GetEnumerationReference();
  if (reference != nullptr &&
      reference->GetEnumerationValues()[0].GetIFCType() != enumerated.GetEnumerationValues()[0].GetIFCType()) {
    return Failure<PropertyValue>(Errors::ValueTypesMismatch, token);
  }
  return Create(token, propertySetName, enumerated);
}

TSAPI::Result<PropertyValue, TSAPI::Error> PropertyValue::CreateTableValue(const API_Guid& token,
                                                                           const KT::UniString& propertySetName,
                                                                           const KT::UniString& propertyName,
                                                                           const KT::Array<Value>& definingValues,
                                                                           const KT::Array<Value>& definedValues) {
  if (definingValues.GetSize() != definedValues.GetSize()) {
    return Failure<PropertyValue>(Errors::TableSizesMismatch, token);
  }
  IPL::PropertyTableValue table;
  table.SetName(propertyName);

  const TSAPI::Result<ValueList, TSAPI::Error> defining = ConvertValueList(token, definingValues);
  if (!defining.HasValue()) {
    return PassFailureOn<PropertyValue>(defining, token);
  }
  table.SetDefiningValues(defining.Unwrap());

  const TSAPI::Result<ValueList, TSAPI::Error> defined = ConvertValueList(token, definedValues);
  if (!defined.HasValue()) {
    return PassFailureOn<PropertyValue>(defined, token);
  }
  table.SetDefinedValues(defined.Unwrap());
  return Create(token, propertySetName, table);
}

TSAPI::Result<KT::Array<IPL::Value>, TSAPI::Error> PropertyValue::ConvertValueList(const API_Guid& token,
                                                                                   const KT::Array<Value>& values) {
  if (values.IsEmpty()) {
    return Failure<ValueList>(Errors::ValueListEmpty, token);
  }
  ValueList converted;
  for (const Value& value : values) {
    if (!value.IsValid()) {
      return Failure<ValueList>(Errors::InvalidValueFound, token);
    }
    if (!converted.IsEmpty() && value.GetValue().GetIFCType() != converted[0].GetIFCType()) {
      return Failure<ValueList>(Errors::ValueTypesMismatch, token);
    }
    converted.Push(value.GetValue());
  }
  return converted;
}

static_assert(IsApiObject<PropertyValue>);

IFCAPI_LAYOUT_CHECKS_BEGIN
template <>
struct LayoutCheck<PropertyValue> {
  static_assert(offsetof(PropertyValue, propertySetName) == FirstFieldOffset,
                "PropertyValue: the property set name follows the base");
  static_assert(offsetof(PropertyValue, property) == FirstFieldOffset + sizeof(KT::UniString),
                "PropertyValue: the shared property follows the name");
  static_assert(sizeof(PropertyValue) ==
                    FirstFieldOffset + sizeof(KT::UniString) + sizeof(KT::SharedPtr<IPL::Property>),
                "PropertyValue: two fields");
};
IFCAPI_LAYOUT_CHECKS_END

}  // namespace IFCAPI::Impl
