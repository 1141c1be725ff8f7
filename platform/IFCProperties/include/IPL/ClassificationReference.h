// IPL::ClassificationReference: one entry of a classification system (such as "Ss_25_10_30" of
// Uniclass), with the system it belongs to and the name of the relationship that associates it with
// the classified elements.
//
//   IPL::ClassificationReference reference;
//   reference.SetIdentification(KT::UniString("Ss_25_10_30"));
//   reference.SetReferencedSource(uniclass);
//   reference.relAssociatesClassificationName = "Uniclass classification";
#pragma once

#include "IPL/Classification.h"
#include "IPL/Export.h"
#include "IPL/ExternalReferenceBase.h"
#include "KT/Optional.h"
#include "KT/UniString.h"

namespace IPL {

class IPL_EXPORT ClassificationReference : public ExternalReferenceBase {
 public:
  // Every text absent, no referenced source, empty relationship name.
  ClassificationReference();
  ClassificationReference(const ClassificationReference&) = default;
  ClassificationReference& operator=(const ClassificationReference&) = default;
  ~ClassificationReference() override;

  // Keeps a copy of `source`; later changes to `source` do not reach the reference.
  void SetReferencedSource(const Classification& source) { referencedSource = source; }

  // The copy kept; absent until SetReferencedSource.
  const KT::Optional<Classification>& GetReferencedSource() const noexcept { return referencedSource; }

  // The name of the relationship that associates the reference with the classified elements.
  KT::UniString relAssociatesClassificationName;

  // The location, identification and name, then the referenced source's name (absent without a
  // source). Two references share a key exactly when they would be exported as the same reference;
  // every part is length-prefixed, so different combinations never give the same key. The
  // relationship name is not part of it: it names the association, not the reference.
  KT::UniString GetKeyText() const override;

  ClassificationReference* Clone() const override;

 private:
  KT::Optional<Classification> referencedSource;
};

}  // namespace IPL
