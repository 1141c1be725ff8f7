// IPL::Classification: a classification system (such as a national building code) with its name,
// source, edition, edition date, description and location.
//
//   IPL::Classification uniclass;
//   uniclass.name = "Uniclass";
//   uniclass.SetEdition(KT::UniString("2015"));
//   assert(uniclass.GetEdition().HasValue() && uniclass.GetSource().IsEmpty());
#pragma once

#include "IPL/Export.h"
#include "KT/Optional.h"
#include "KT/UniString.h"

namespace IPL {

class IPL_EXPORT Classification {
 public:
  // Empty name; every optional text absent.
  Classification();
  Classification(const Classification&) = default;
  Classification& operator=(const Classification&) = default;
  ~Classification();

  // The system's name; any text, the empty one included.
  KT::UniString name;

  // Each setter replaces the text; an absent optional makes it absent again.
  void SetSource(const KT::Optional<KT::UniString>& text) { source = text; }
  void SetEdition(const KT::Optional<KT::UniString>& text) { edition = text; }
  void SetEditionDate(const KT::Optional<KT::UniString>& text) { editionDate = text; }
  void SetDescription(const KT::Optional<KT::UniString>& text) { description = text; }
  void SetLocation(const KT::Optional<KT::UniString>& text) { location = text; }

  const KT::Optional<KT::UniString>& GetSource() const noexcept { return source; }
  const KT::Optional<KT::UniString>& GetEdition() const noexcept { return edition; }
  const KT::Optional<KT::UniString>& GetEditionDate() const noexcept { return editionDate; }
  const KT::Optional<KT::UniString>& GetDescription() const noexcept { return description; }
  const KT::Optional<KT::UniString>& GetLocation() const noexcept { return location; }

 private:
  KT::Optional<KT::UniString> source;
  KT::Optional<KT::UniString> edition;
  KT::Optional<KT::UniString> editionDate;
  KT::Optional<KT::UniString> description;
  KT::Optional<KT::UniString> location;
};

}  // namespace IPL
