// IFCAPI::Impl::ClassificationReference: one entry of a classification system, with the system it
// belongs to and the name of the relationship that associates it with the classified elements.
//
//   auto reference = ClassificationReference::Create(token, std::nullopt, KT::UniString("Ss_25_10_30"),
//                                                    KT::UniString("Wall systems"), uniclass,
//                                                    "Uniclass classification");
//   // The reference keeps its own copy of uniclass's library classification.
#pragma once

#include <optional>

#include "IFCAPI/Classification.h"
#include "IFCAPI/Export.h"
#include "IPL/ClassificationReference.h"
#include "KT/UniString.h"
#include "TSAPI/ObjectImpl.h"
#include "TSAPI/Result.h"

namespace IFCAPI::Impl {

class IFCAPI_EXPORT ClassificationReference : public TSAPI::Impl::ObjectImpl {
 public:
  // Keeps a copy of `reference`; checks nothing.
  ClassificationReference(const API_Guid& token, const IPL::ClassificationReference& reference);

  // Copies the reference and keeps the token of `other`.
  ClassificationReference(const ClassificationReference& other);

  ~ClassificationReference() override;

  // A reference with the present optional texts set (an absent one stays absent), a copy of the
  // library classification of `referencedSource` (so the reference outlives it) and the relationship
  // name. Fails with ErrorBadParameters when `relAssociatesClassificationName` is empty; a failure
  // carries `token`.
  static TSAPI::Result<ClassificationReference, TSAPI::Error> Create(
      const API_Guid& token, const std::optional<KT::UniString>& location,
      const std::optional<KT::UniString>& identification, const std::optional<KT::UniString>& name,
      const Classification& referencedSource, const KT::UniString& relAssociatesClassificationName);

  // The library reference held; valid as long as this object.
  const IPL::ClassificationReference& GetReference() const noexcept { return reference; }

 private:
  template <class>
  friend struct LayoutCheck;

  IPL::ClassificationReference reference;
};

}  // namespace IFCAPI::Impl
