// Internal: the compile-time shape of every exported API object class.
//
// The host copies API objects but never assigns them, and relies on the virtual destructor being the
// only entry of their virtual table; each class's source file asserts both:
//
//   static_assert(IsApiObject<Attribute>);
//
// The virtual table cannot be inspected directly; the layout checks that pin each class's size catch
// an added virtual operation only when it adds a table to a class that had none, so the remaining
// guard is that every exported class declares nothing virtual but its destructor.
#pragma once

#include <type_traits>

#include "TSAPI/ObjectImpl.h"

namespace IFCAPI::Impl {

template <class T>
inline constexpr bool IsApiObject =
    std::is_base_of_v<TSAPI::Impl::ObjectImpl, T>&& std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T> &&
    !std::is_move_assignable_v<T> && std::has_virtual_destructor_v<T> && !std::is_abstract_v<T>;

}  // namespace IFCAPI::Impl
