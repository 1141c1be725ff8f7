#include "IPL/ExternalReferenceBase.h"

#include <string>
#include <utility>

namespace IPL {

ExternalReferenceBase::ExternalReferenceBase() = default;

ExternalReferenceBase::~ExternalReferenceBase() = default;

KT::UniString ExternalReferenceBase::GetKeyText() const {
  std::u16string key;
  AppendKeyPart(key, location);
  AppendKeyPart(key, identification);
  AppendKeyPart(key, name);
  return KT::UniString(std::move(key));
}

ExternalReferenceBase* ExternalReferenceBase::Clone() const {
  return new ExternalReferenceBase(*this);
}

void ExternalReferenceBase::AppendKeyPart(std::u16string& key, const KT::Optional<KT::UniString>& text) {
  if (text.IsEmpty()) {
    key += u'-';
    return;
  }
  // The length tells where the text ends, so the text may hold any character, the separators included.
  key += u'+';
  for (const char digit : std::to_string(text.Get().GetLength())) {
    key += static_cast<char16_t>(digit);
  }
  key += u':';
  key += text.Get().GetCodeUnits();
}

}  // namespace IPL
