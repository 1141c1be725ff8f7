// IPL::PropertySet: a named set of properties of one element (IfcPropertySet); it shares its
// properties with whoever else holds them.
//
//   IPL::PropertySet set;
//   set.SetName("Pset_WallCommon");
//   set.AddProperty(propertyValue.GetProperty());
//   for (const KT::SharedPtr<IPL::Property>& property : set.GetProperties()) Write(*property);
#pragma once

#include <utility>

#include "IPL/Export.h"
#include "IPL/Property.h"
#include "KT/Array.h"
#include "KT/SharedPtr.h"
#include "KT/UniString.h"

namespace IPL {

class IPL_EXPORT PropertySet {
 public:
  // No name; no properties.
  PropertySet();
  // A copy shares the properties of the original.
  PropertySet(const PropertySet&) = default;
  PropertySet& operator=(const PropertySet&) = default;
  ~PropertySet();

  void SetName(const KT::UniString& text) { name = text; }
  const KT::UniString& GetName() const noexcept { return name; }

  // Appends `property` as it is, null and repeated names included; the set becomes one more owner.
  void AddProperty(KT::SharedPtr<Property> property) { properties.Push(std::move(property)); }

  // In the order added.
  const KT::Array<KT::SharedPtr<Property>>& GetProperties() const noexcept { return properties; }

 private:
  KT::UniString name;
  KT::Array<KT::SharedPtr<Property>> properties;
};

}  // namespace IPL
