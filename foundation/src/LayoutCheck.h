// Internal: compile-time checks of the binary layout that the host relies on.
//
// The host reads exported objects field by field, so their field order and offsets are part of the
// interface. A class with such a layout befriends the template LayoutCheck of its namespace; its own
// source file specialises LayoutCheck for it with static_asserts that see the private fields and stop
// the build when a field moves:
//
//   IFCAPI_LAYOUT_CHECKS_BEGIN
//   template <>
//   struct LayoutCheck<ObjectID> {
//     static_assert(offsetof(ObjectID, kind) == 40, "...");
//   };
//   IFCAPI_LAYOUT_CHECKS_END
//
// offsetof on a class with virtual functions is only conditionally supported by the language; both
// compilers we build with support it, so their warning is silenced around the checks.
#pragma once

#include <cstddef>

#include "TSAPI/ObjectImpl.h"

#if defined(__GNUC__)
#define IFCAPI_LAYOUT_CHECKS_BEGIN \
  _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Winvalid-offsetof\"")
#define IFCAPI_LAYOUT_CHECKS_END _Pragma("GCC diagnostic pop")
#else
#define IFCAPI_LAYOUT_CHECKS_BEGIN
#define IFCAPI_LAYOUT_CHECKS_END
#endif

namespace IFCAPI::Impl {

// Offset of the first own field of every exported class: after ObjectImpl's pointer and token.
inline constexpr std::size_t FirstFieldOffset = sizeof(TSAPI::Impl::ObjectImpl);

template <class T>
struct LayoutCheck;

}  // namespace IFCAPI::Impl
