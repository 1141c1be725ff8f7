#include "IFCAPI/ClassificationReference.h"

#include "foundation/src/Failure.h"
#include "foundation/src/LayoutCheck.h"
#include "values/src/ApiObjectChecks.h"
#include "values/src/OptionalText.h"

namespace IFCAPI::Impl {

ClassificationReference::ClassificationReference(const API_Guid& token, const IPL::ClassificationReference& reference)
    : ObjectImpl(token), reference(reference) {}

ClassificationReference::ClassificationReference(const ClassificationReference& other)
    : ObjectImpl(other), reference(other.reference) {}

ClassificationReference::~ClassificationReference() = default;

TSAPI::Result<ClassificationReference, TSAPI::Error> ClassificationReference::Create(
    const API_Guid& token, const std::optional<KT::UniString>& location,
    const std::optional<KT::UniString>& identification, const std::optional<KT::UniString>& name,
    const Classification& referencedSource, const KT::UniString& relAssociatesClassificationName) {
  if (relAssociatesClassificationName.IsEmpty()) {
    return Failure<ClassificationReference>(Errors::RelAssociatesClassificationNameEmpty, token);
  }
  IPL::ClassificationReference reference;
  SetIfPresent(reference, &IPL::ExternalReferenceBase::SetLocation, location);
  SetIfPresent(reference, &IPL::ExternalReferenceBase::SetIdentification, identification);
  SetIfPresent(reference, &IPL::ExternalReferenceBase::SetName, name);
  reference.SetReferencedSource(referencedSource.GetClassification());
  reference.relAssociatesClassificationName = relAssociatesClassificationName;
  return ClassificationReference(token, reference);
}

static_assert(IsApiObject<ClassificationReference>);

IFCAPI_LAYOUT_CHECKS_BEGIN
template <>
struct LayoutCheck<ClassificationReference> {
  static_assert(offsetof(ClassificationReference, reference) == FirstFieldOffset,
                "ClassificationReference: the reference follows the base");
  static_assert(sizeof(ClassificationReference) == FirstFieldOffset + sizeof(IPL::ClassificationReference),
                "ClassificationReference: one field");
};
IFCAPI_LAYOUT_CHECKS_END

}  // namespace IFCAPI::Impl
