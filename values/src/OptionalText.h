// Internal: how an optional text of a factory reaches the property library.
//
// Factories take std::optional texts; the library's setters take KT::Optional. An absent text means
// the setter is not called at all, so the library object keeps its own default; a present text, empty
// or not, is passed as a KT::Optional holding a copy:
//
//   SetIfPresent(classification, &IPL::Classification::SetSource, source);
#pragma once

#include <optional>

#include "KT/Optional.h"
#include "KT/UniString.h"

namespace IFCAPI::Impl {

template <class Object, class Setter>
void SetIfPresent(Object& object, Setter setter, const std::optional<KT::UniString>& text) {
  if (text.has_value()) {
    (object.*setter)(KT::Optional<KT::UniString>(*text));
  }
}

}  // namespace IFCAPI::Impl
