// One attribute value of an instance, parsed from the file on demand: a tree whose leaves are the
// simple values of ISO 10303-21 and whose inner nodes are lists and typed values.
//
//   std::optional<Value> name = model.Attribute(wall, nameSlot);   // IFCLABEL('Wand') or 'Wand'
//   if (name && name->kind == Value::Kind::String) Show(name->text);       // decoded UTF-8
//   const Value& inner = value.Unwrapped();      // IFCLENGTHMEASURE(2.5) -> the Real 2.5
//   for (const Value& item : list.items) ...     // (#1,#2): two References
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ifc/step/InstanceId.h"

namespace Ifc {

struct Value {
  enum class Kind : std::uint8_t {
    Null,         // $: no value
    Derived,      // *: computed from other attributes
    Integer,      // `integer` (and `real`, converted)
    Real,         // `real`, and `text` as written ("1.E5")
    String,       // `text`, decoded to UTF-8
    Enumeration,  // `text`, the name without dots ("ELEMENT", "T")
    Binary,       // `text`, the hex digits without quotes, the first being the count of unused bits
    Reference,    // `reference`, the number of another instance
    Typed,        // `text`, the type name as written ("IFCLABEL"); `items`, its one value
    List,         // `items`
  };

  Kind kind = Kind::Null;
  std::int64_t integer = 0;
  double real = 0;
  InstanceNumber reference;
  std::string text;
  std::vector<Value> items;

  bool IsNull() const noexcept { return kind == Kind::Null; }

  // The value inside typed values, however deeply wrapped; this value itself when it is not typed.
  const Value& Unwrapped() const noexcept;

  // The value in ISO 10303-21 form as a writer would write it (strings re-encoded, reals as read).
  std::string ToStep() const;
};

}  // namespace Ifc
