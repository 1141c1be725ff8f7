// IPL::Property: the base of the five kinds of IFC property; a named, reference-counted object that
// property sets share.
//
//   KT::SharedPtr<IPL::Property> shared(single.Clone());   // a new heap copy, one owner
//   assert(shared->GetName() == single.GetName());
#pragma once

#include "IPL/Export.h"
#include "KT/SharedPtr.h"
#include "KT/UniString.h"

namespace IPL {

class IPL_EXPORT Property : public KT::SharedObject {
 public:
  Property();
  // A copy starts without owners (KT::SharedObject).
  Property(const Property&) = default;
  Property& operator=(const Property&) = default;
  ~Property() override;

  void SetName(const KT::UniString& text) { name = text; }
  const KT::UniString& GetName() const noexcept { return name; }

  // A new heap copy of the object's own kind, without owners; put it under a KT::SharedPtr.
  virtual Property* Clone() const = 0;

 private:
  KT::UniString name;
};

}  // namespace IPL
