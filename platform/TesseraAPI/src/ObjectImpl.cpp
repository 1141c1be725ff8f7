#include "TSAPI/ObjectImpl.h"

#include <cstddef>

namespace TSAPI::Impl {

ObjectImpl::ObjectImpl(const API_Guid& token) noexcept : token(token) {}

ObjectImpl::ObjectImpl(const ObjectImpl& other) noexcept : token(other.token) {}

ObjectImpl::~ObjectImpl() = default;

}  // namespace TSAPI::Impl

// Every exported class of the library lays its own fields out after these 24 bytes.
static_assert(sizeof(TSAPI::Impl::ObjectImpl) == sizeof(void*) + sizeof(API_Guid),
              "ObjectImpl is a virtual table pointer followed by the token");
