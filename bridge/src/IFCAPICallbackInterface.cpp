#include "IFCAPI/IFCAPICallbackInterface.h"

#include <type_traits>

#include "foundation/src/LayoutCheck.h"

namespace IFCAPI::Impl {

IFCAPICallbackInterface::IFCAPICallbackInterface() noexcept = default;

IFCAPICallbackInterface::IFCAPICallbackInterface(const IFCAPICallbackInterface&) noexcept {}

IFCAPICallbackInterface& IFCAPICallbackInterface::operator=(const IFCAPICallbackInterface&) noexcept {
  return *this;
}

// Defined here, so that the virtual table lives in this library.
IFCAPICallbackInterface::~IFCAPICallbackInterface() = default;

static_assert(sizeof(IFCAPICallbackInterface) == sizeof(void*), "IFCAPICallbackInterface: no data, a table pointer");
// Unlike the library's objects, an interface may be assigned: host implementations copy their base.
static_assert(std::is_nothrow_copy_assignable_v<IFCAPICallbackInterface>,
              "IFCAPICallbackInterface: offers copy assignment");

}  // namespace IFCAPI::Impl
