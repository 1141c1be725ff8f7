#include "IFCAPI/PropertyBuilder.h"

#include "foundation/src/LayoutCheck.h"
#include "values/src/ApiObjectChecks.h"

namespace IFCAPI::Impl {

PropertyBuilder::PropertyBuilder(const API_Guid& token) noexcept : ObjectImpl(token) {}

PropertyBuilder::PropertyBuilder(const PropertyBuilder& other) noexcept : ObjectImpl(other) {}

PropertyBuilder::~PropertyBuilder() = default;

static_assert(IsApiObject<PropertyBuilder>);
static_assert(sizeof(PropertyBuilder) == FirstFieldOffset, "PropertyBuilder: no field of its own");

}  // namespace IFCAPI::Impl
