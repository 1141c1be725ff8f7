// TSAPI::Impl::ObjectImpl: the base of every API object, which remembers the token of the add-on that
// made it, so that the object's operations can name that add-on in the failures they return.
//
//   class Wall : public TSAPI::Impl::ObjectImpl {
//    public:
//     explicit Wall(const API_Guid& token) : ObjectImpl(token) {}
//   };
//   assert(Wall(token).GetToken() == token);
#pragma once

#include "TSAPI/APIGuid.h"
#include "TSAPI/Export.h"

namespace TSAPI::Impl {

class TSAPI_EXPORT ObjectImpl {
 public:
  explicit ObjectImpl(const API_Guid& token) noexcept;

  // Copies the token: a copy belongs to the add-on that made the original.
  ObjectImpl(const ObjectImpl& other) noexcept;

  // API objects are never assigned; a token is fixed for the object's life.
  ObjectImpl& operator=(const ObjectImpl&) = delete;

  virtual ~ObjectImpl();

  // The token given at construction.
  const API_Guid& GetToken() const noexcept { return token; }

 private:
  API_Guid token;
};

}  // namespace TSAPI::Impl
