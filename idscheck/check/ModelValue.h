// A value read from an IFC model, as the checker sees it: the attribute values of ISO 10303-21
// (unset, derived, boolean, logical, integer, real, string, enumeration, binary, reference, list)
// and typed values such as IFCLABEL('A') that a select holds.
//
//   Ids::ModelValue value = Ids::ModelValue::Typed("IFCLABEL", Ids::ModelValue::String("A"));
//   const Ids::ModelValue& inner = value.Unwrapped();  // the string 'A'
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ifc/step/InstanceId.h"

namespace Ids {

struct ModelValue {
  enum class Kind {
    Null,
    Derived,
    Boolean,
    Logical,
    Integer,
    Real,
    String,
    Enumeration,
    Binary,
    Reference,
    List,
    Typed
  };

  Kind kind = Kind::Null;
  bool boolean = false;           // Boolean; a Logical is always unknown (.T. and .F. read as Boolean)
  std::int64_t integer = 0;       // Integer
  double real = 0.0;              // Real
  Ifc::InstanceNumber reference;  // Reference: the instance number
  std::string text;  // String (UTF-8), Enumeration (without dots), Binary, Typed: the type's upper-case name
  std::vector<ModelValue> items;  // List; Typed: the one wrapped value

  static ModelValue Null() { return {}; }
  static ModelValue String(std::string value) {
    ModelValue result;
    result.kind = Kind::String;
    result.text = std::move(value);
    return result;
  }
  static ModelValue Typed(std::string upperTypeName, ModelValue inner) {
    ModelValue result;
    result.kind = Kind::Typed;
    result.text = std::move(upperTypeName);
    result.items.push_back(std::move(inner));
    return result;
  }

  bool IsNull() const noexcept { return kind == Kind::Null || kind == Kind::Derived; }
  // The wrapped value of a typed value (recursively), the value itself otherwise.
  const ModelValue& Unwrapped() const noexcept {
    const ModelValue* value = this;
    while (value->kind == Kind::Typed && !value->items.empty()) {
      value = &value->items.front();
    }
    return *value;
  }
  ModelValue& Unwrapped() noexcept { return const_cast<ModelValue&>(std::as_const(*this).Unwrapped()); }
};

}  // namespace Ids
