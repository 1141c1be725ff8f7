// IFCAPI::Impl::PropertyAccessor: a handle through which an add-on reads the properties of one IFC
// entity, given by its ObjectID.
//
//   const PropertyAccessor accessor(token, ObjectID(otherToken, wallGuid));
//   assert(accessor.GetObjectID() == ObjectID(token, wallGuid));   // the entity's own token is kept
#pragma once

#include "IFCAPI/Export.h"
#include "IFCAPI/ObjectID.h"
#include "TSAPI/ObjectImpl.h"

namespace IFCAPI::Impl {

class IFCAPI_EXPORT PropertyAccessor : public TSAPI::Impl::ObjectImpl {
 public:
  // Keeps a full copy of `id`, its own token included, which may differ from `token`.
  PropertyAccessor(const API_Guid& token, const ObjectID& id) noexcept;

  // Copies the entity and keeps the token of `other`.
  PropertyAccessor(const PropertyAccessor& other) noexcept;

  ~PropertyAccessor() override;

  // The entity; valid as long as this object.
  const ObjectID& GetObjectID() const noexcept { return id; }

 private:
  template <class>
  friend struct LayoutCheck;

  ObjectID id;
};

}  // namespace IFCAPI::Impl
