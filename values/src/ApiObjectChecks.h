// Internal: the compile-time shape of every exported API object class.
//
// The host copies API objects but never assigns them, destroys them through ObjectImpl, and relies on
// the virtual destructor being the only entry of their virtual table. Each class's source file asserts
// what the language can check:
//
//   static_assert(IsApiObject<Attribute>);
//
// No trait can tell whether a class declares a virtual operation besides its destructor; that rule is
// kept by each class declaring nothing else virtual, which review checks.
#pragma once

#include <type_traits>

#include "TSAPI/ObjectImpl.h"

namespace IFCAPI::Impl {

template <class T>
inline constexpr bool IsApiObject =
    std::is_base_of_v<TSAPI::Impl::ObjectImpl, T>&& std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T> &&
    !std::is_move_assignable_v<T> && std::has_virtual_destructor_v<T> && !std::is_abstract_v<T>;

}  // namespace IFCAPI::Impl
