#include "IFCAPI/Classification.h"

#include "foundation/src/LayoutCheck.h"
#include "values/src/ApiObjectChecks.h"
#include "values/src/OptionalText.h"

namespace IFCAPI::Impl {

Classification::Classification(const API_Guid& token, const IPL::Classification& classification)
    : ObjectImpl(token), classification(classification) {}

Classification::Classification(const Classification& other) : ObjectImpl(other), classification(other.classification) {}

Classification::~Classification() = default;

TSAPI::Result<Classification, TSAPI::Error> Classification::Create(const API_Guid& token, const KT::UniString& name,
                                                                   const std::optional<KT::UniString>& source,
                                                                   const std::optional<KT::UniString>& edition,
                                                                   const std::optional<KT::UniString>& editionDate,
                                                                   const std::optional<KT::UniString>& description,
                                                                   const std::optional<KT::UniString>& location) {
  IPL::Classification classification;
  classification.name = name;
  SetIfPresent(classification, &IPL::Classification::SetSource, source);
  SetIfPresent(classification, &IPL::Classification::SetEdition, edition);
  SetIfPresent(classification, &IPL::Classification::SetEditionDate, editionDate);
  SetIfPresent(classification, &IPL::Classification::SetDescription, description);
  SetIfPresent(classification, &IPL::Classification::SetLocation, location);
  return Classification(token, classification);
}

static_assert(IsApiObject<Classification>);

IFCAPI_LAYOUT_CHECKS_BEGIN
template <>
struct LayoutCheck<Classification> {
  static_assert(offsetof(Classification, classification) == FirstFieldOffset,
                "Classification: the classification follows the base");
  static_assert(sizeof(Classification) == FirstFieldOffset + sizeof(IPL::Classification), "Classification: one field");
};
IFCAPI_LAYOUT_CHECKS_END

}  // namespace IFCAPI::Impl
