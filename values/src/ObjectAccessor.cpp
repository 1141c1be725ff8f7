#include "IFCAPI/ObjectAccessor.h"

#include "foundation/src/LayoutCheck.h"
#include "values/src/ApiObjectChecks.h"

namespace IFCAPI::Impl {

ObjectAccessor::ObjectAccessor(const API_Guid& token) noexcept : ObjectImpl(token) {}

ObjectAccessor::ObjectAccessor(const ObjectAccessor& other) noexcept : ObjectImpl(other) {}

ObjectAccessor::~ObjectAccessor() = default;

static_assert(IsApiObject<ObjectAccessor>);
static_assert(sizeof(ObjectAccessor) == FirstFieldOffset, "ObjectAccessor: no field of its own");

}  // namespace IFCAPI::Impl
