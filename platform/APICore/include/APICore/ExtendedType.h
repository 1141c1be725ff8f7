// ExtendedType<Type, Group>: one kind of window, named either by a window type or by a group of
// window types. Each field is a value with a presence flag; normally exactly one is present.
//
//   using WindowKind = ExtendedType<WM::Type, APICore::WindowTypeGroup>;
//   const WindowKind model = WindowKind::OfType(WM::Type::Model3D);
//   assert(model.type.HasValue() && !model.group.HasValue());
//
// A copy takes each field's presence flag, and its value only where it is present.
#pragma once

#include "KT/Optional.h"

template <class Type, class Group>
struct ExtendedType {
  // The kind named by a window type alone.
  static ExtendedType OfType(Type value) { return ExtendedType{value, {}}; }

  // The kind named by a group of window types alone.
  static ExtendedType OfGroup(Group value) { return ExtendedType{{}, value}; }

  KT::Optional<Type> type;
  KT::Optional<Group> group;
};
