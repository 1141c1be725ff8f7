// Compile-time checks of the field order of TSAPI::Result, which the host reads directly.
#include "IFCAPI/ObjectID.h"
#include "TSAPI/Result.h"
#include "foundation/src/LayoutCheck.h"

IFCAPI_LAYOUT_CHECKS_BEGIN
namespace TSAPI {

template <class T>
struct LayoutCheck {
  using R = Result<T, Error>;
  static_assert(offsetof(R, hasValue) == 0, "Result: hasValue comes first (the base has no data)");
  static_assert(offsetof(R, value) == offsetof(R, error), "Result: the value and the error share one storage");
  static_assert(offsetof(R, engaged) >= offsetof(R, value) + (sizeof(T) > sizeof(Error) ? sizeof(T) : sizeof(Error)),
                "Result: engaged follows the storage");
  static_assert(offsetof(R, token) > offsetof(R, engaged), "Result: the token comes last");
};

template <>
struct LayoutCheck<void> {
  using R = Result<void, Error>;
  static_assert(offsetof(R, hasValue) == 0, "Result<void>: hasValue comes first");
  static_assert(offsetof(R, engaged) >= offsetof(R, error) + sizeof(Error),
                "Result<void>: engaged follows the storage");
  static_assert(offsetof(R, token) > offsetof(R, engaged), "Result<void>: the token comes last");
};

template struct LayoutCheck<IFCAPI::Impl::ObjectID>;
template struct LayoutCheck<int>;

}  // namespace TSAPI
IFCAPI_LAYOUT_CHECKS_END
