#include "IFCAPI/Attribute.h"

#include "foundation/src/Failure.h"
#include "foundation/src/LayoutCheck.h"
#include "values/src/ApiObjectChecks.h"

namespace IFCAPI::Impl {

Attribute::Attribute(const API_Guid& token, const IPL::GeneralAttribute& attribute)
    : ObjectImpl(token), attribute(attribute) {}

Attribute::Attribute(const Attribute& other) : ObjectImpl(other), attribute(other.attribute) {}

Attribute::~Attribute() = default;

TSAPI::Result<Attribute, TSAPI::Error> Attribute::Create(const API_Guid& token, const KT::UniString& name,
                                                         const std::optional<KT::UniString>& value) {
  if (name.IsEmpty()) {
    return Failure<Attribute>(Errors::AttributeNameEmpty, token);
  }
  // The second text is never filled by this module.
  const IPL::GeneralAttribute attribute(name, KT::EmptyUniString, value.has_value() ? *value : KT::EmptyUniString,
                                        value.has_value());
  return Attribute(token, attribute);
}

static_assert(IsApiObject<Attribute>);

IFCAPI_LAYOUT_CHECKS_BEGIN
template <>
struct LayoutCheck<Attribute> {
  static_assert(offsetof(Attribute, attribute) == FirstFieldOffset, "Attribute: the attribute follows the base");
  static_assert(sizeof(Attribute) == FirstFieldOffset + sizeof(IPL::GeneralAttribute), "Attribute: one field");
};
IFCAPI_LAYOUT_CHECKS_END

}  // namespace IFCAPI::Impl
