// IFCAPI::Impl::Attribute: one IFC attribute (a name with an optional text value) that a hook data
// provider hands to the IFC export.
//
//   auto tag = Attribute::Create(token, "Tag", KT::UniString("W-12"));
//   if (tag.HasValue()) attributes.push_back(tag.Unwrap());
//   // Attribute::Create(token, "", std::nullopt) fails: "Attribute name cannot be empty."
#pragma once

#include <optional>

#include "IFCAPI/Export.h"
#include "IPL/GeneralAttribute.h"
#include "KT/UniString.h"
#include "TSAPI/ObjectImpl.h"
#include "TSAPI/Result.h"

namespace IFCAPI::Impl {

class IFCAPI_EXPORT Attribute : public TSAPI::Impl::ObjectImpl {
 public:
  // Keeps a copy of `attribute`; checks nothing.
  Attribute(const API_Guid& token, const IPL::GeneralAttribute& attribute);

  // Copies the attribute and keeps the token of `other`.
  Attribute(const Attribute& other);

  ~Attribute() override;

  // An attribute named `name` whose value is `value`: an absent value gives an empty text flagged as
  // absent, a present one (empty or not) is flagged as present. Fails with ErrorBadParameters when
  // `name` is empty; a failure carries `token`.
  static TSAPI::Result<Attribute, TSAPI::Error> Create(const API_Guid& token, const KT::UniString& name,
                                                       const std::optional<KT::UniString>& value);

  // The library attribute held; valid as long as this object.
  const IPL::GeneralAttribute& GetAttribute() const noexcept { return attribute; }

 private:
  template <class>
  friend struct LayoutCheck;

  IPL::GeneralAttribute attribute;
};

}  // namespace IFCAPI::Impl
