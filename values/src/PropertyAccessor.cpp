#include "IFCAPI/PropertyAccessor.h"

#include "foundation/src/LayoutCheck.h"
#include "values/src/ApiObjectChecks.h"

namespace IFCAPI::Impl {

PropertyAccessor::PropertyAccessor(const API_Guid& token, const ObjectID& id) noexcept : ObjectImpl(token), id(id) {}

PropertyAccessor::PropertyAccessor(const PropertyAccessor& other) noexcept : ObjectImpl(other), id(other.id) {}

PropertyAccessor::~PropertyAccessor() = default;

static_assert(IsApiObject<PropertyAccessor>);

IFCAPI_LAYOUT_CHECKS_BEGIN
template <>
struct LayoutCheck<PropertyAccessor> {
  static_assert(offsetof(PropertyAccessor, id) == FirstFieldOffset, "PropertyAccessor: the entity follows the base");
  static_assert(sizeof(PropertyAccessor) == FirstFieldOffset + sizeof(ObjectID), "PropertyAccessor: one field");
};
IFCAPI_LAYOUT_CHECKS_END

}  // namespace IFCAPI::Impl
