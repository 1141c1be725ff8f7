// IFCAPI::Impl::ObjectAccessor: a handle through which an add-on reads the objects of the model. It carries only the
// token of the add-on that holds it.
//
//   const ObjectAccessor handle(token);
//   const ObjectAccessor copy(handle);   // copy.GetToken() == token
#pragma once

#include "IFCAPI/Export.h"
#include "TSAPI/ObjectImpl.h"

namespace IFCAPI::Impl {

class IFCAPI_EXPORT ObjectAccessor : public TSAPI::Impl::ObjectImpl {
 public:
  explicit ObjectAccessor(const API_Guid& token) noexcept;

  // Keeps the token of `other`.
  ObjectAccessor(const ObjectAccessor& other) noexcept;

  ~ObjectAccessor() override;
};

}  // namespace IFCAPI::Impl
