// IPL::GeneralAttribute: one IFC attribute given by name, with an optional text value, that the
// exporter sets on an element.
//
//   const IPL::GeneralAttribute tag("Tag", KT::EmptyUniString, "W-12", true);
//   assert(tag.GetName() == "Tag" && tag.HasValue() && tag.GetValue() == "W-12");
#pragma once

#include "IPL/Export.h"
#include "KT/UniString.h"

namespace IPL {

class IPL_EXPORT GeneralAttribute {
 public:
  // `name` names the attribute; `description` is free text about it; `value` is its text value,
  // meaningful only when `hasValue` is true (an empty text with `hasValue` true is an empty value).
  GeneralAttribute(const KT::UniString& name, const KT::UniString& description, const KT::UniString& value,
                   bool hasValue);
  GeneralAttribute(const GeneralAttribute&) = default;
  GeneralAttribute& operator=(const GeneralAttribute&) = default;
  ~GeneralAttribute();

  // Also the attribute's key: two attributes of one element with the same name are the same attribute.
  const KT::UniString& GetName() const noexcept { return name; }
  const KT::UniString& GetDescription() const noexcept { return description; }
  const KT::UniString& GetValue() const noexcept { return value; }
  bool HasValue() const noexcept { return hasValue; }

 private:
  KT::UniString name;
  KT::UniString description;
  KT::UniString value;
  bool hasValue;
};

}  // namespace IPL
