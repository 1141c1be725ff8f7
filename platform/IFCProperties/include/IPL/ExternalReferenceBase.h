// IPL::ExternalReferenceBase: a reference to information kept outside the IFC file (a document, a
// library or a classification entry), given by location, identification and name.
//
//   KT::SharedPtr<IPL::ExternalReferenceBase> copy(reference.Clone());
//   assert(copy->GetKeyText() == reference.GetKeyText());
#pragma once

#include <string>

#include "IPL/Export.h"
#include "KT/Optional.h"
#include "KT/SharedPtr.h"
#include "KT/UniString.h"

namespace IPL {

class IPL_EXPORT ExternalReferenceBase : public KT::SharedObject {
 public:
  // Every text absent.
  ExternalReferenceBase();
  // A copy starts without owners (KT::SharedObject).
  ExternalReferenceBase(const ExternalReferenceBase&) = default;
  ExternalReferenceBase& operator=(const ExternalReferenceBase&) = default;
  ~ExternalReferenceBase() override;

  // Each setter replaces the text; an absent optional makes it absent again.
  void SetLocation(const KT::Optional<KT::UniString>& text) { location = text; }
  void SetIdentification(const KT::Optional<KT::UniString>& text) { identification = text; }
  void SetName(const KT::Optional<KT::UniString>& text) { name = text; }

  const KT::Optional<KT::UniString>& GetLocation() const noexcept { return location; }
  const KT::Optional<KT::UniString>& GetIdentification() const noexcept { return identification; }
  const KT::Optional<KT::UniString>& GetName() const noexcept { return name; }

  // A text that two references share exactly when they would be exported as the same reference.
  // Here: the location, identification and name.
  virtual KT::UniString GetKeyText() const;

  // A new heap copy of the object's own class, without owners; put it under a KT::SharedPtr.
  virtual ExternalReferenceBase* Clone() const;

 protected:
  // Appends `text` to `key` so that no two sequences of optional texts give the same key: an absent
  // text is "-", a present one "+", its length in code units, ":" and the text.
  static void AppendKeyPart(std::u16string& key, const KT::Optional<KT::UniString>& text);

 private:
  KT::Optional<KT::UniString> location;
  KT::Optional<KT::UniString> identification;
  KT::Optional<KT::UniString> name;
};

}  // namespace IPL
