// IFCAPI::Impl::PropertyBuilder: a handle through which an add-on builds properties. It carries only the token of the
// add-on that holds it.
//
//   const PropertyBuilder handle(token);
//   const PropertyBuilder copy(handle);   // copy.GetToken() == token
#pragma once

#include "IFCAPI/Export.h"
#include "TSAPI/ObjectImpl.h"

namespace IFCAPI::Impl {

class IFCAPI_EXPORT PropertyBuilder : public TSAPI::Impl::ObjectImpl {
 public:
  explicit PropertyBuilder(const API_Guid& token) noexcept;

  // Keeps the token of `other`.
  PropertyBuilder(const PropertyBuilder& other) noexcept;

  ~PropertyBuilder() override;
};

}  // namespace IFCAPI::Impl
