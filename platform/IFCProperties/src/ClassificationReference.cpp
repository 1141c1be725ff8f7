#include "IPL/ClassificationReference.h"

#include <string>
#include <utility>

namespace IPL {

ClassificationReference::ClassificationReference() = default;

ClassificationReference::~ClassificationReference() = default;

KT::UniString ClassificationReference::GetKeyText() const {
  std::u16string key = ExternalReferenceBase::GetKeyText().GetCodeUnits();
  AppendKeyPart(key, referencedSource.HasValue() ? KT::Optional<KT::UniString>(referencedSource.Get().name)
                                                 : KT::Optional<KT::UniString>());
  return KT::UniString(std::move(key));
}

ClassificationReference* ClassificationReference::Clone() const {
  return new ClassificationReference(*this);
}

}  // namespace IPL
