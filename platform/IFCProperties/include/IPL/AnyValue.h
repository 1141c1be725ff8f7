// IPL::AnyValue: one raw value (a boolean, a logical, an integer, a real, a text or a binary) with the
// tag of its kind. A value may be typed but empty: the tag is set and no value is held.
//
//   const IPL::AnyValue length = IPL::AnyValue::FromReal(2.5);
//   assert(length.GetValueType() == IPL::AnyValue::Real && length.GetReal() == 2.5);
//   const IPL::AnyValue unknown(IPL::AnyValue::Real);   // typed, but empty
//   assert(!unknown.HasValue());
//   assert(IPL::AnyValue().GetValueType() == IPL::AnyValue::NoValueType);
#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include "IPL/Any.h"
#include "IPL/Export.h"
#include "KT/UniString.h"

namespace IPL {

class IPL_EXPORT AnyValue : public Any {
 public:
  // The kinds of raw value; the numbers are stored and compared as 32-bit values.
  enum ValueType : std::uint32_t {
    NoValueType = 0,
    Boolean = 1,  // BOOLEAN: true or false
    Logical = 2,  // LOGICAL: true, false or unknown
    Integer = 3,  // INTEGER, 64 bits
    Real = 4,     // REAL and NUMBER, a double
    String = 5,   // STRING of any length
    Binary = 6,   // BINARY, whole bytes
  };

  // The three states of an IFC LOGICAL.
  enum class LogicalValue : std::uint8_t { False, True, Unknown };

  // No value type and no value.
  AnyValue() noexcept = default;

  // Typed but empty: the tag is `type` and no value is held.
  explicit AnyValue(ValueType type) noexcept;

  AnyValue(const AnyValue&) = default;
  AnyValue& operator=(const AnyValue&) = default;
  ~AnyValue() override;

  // A held value of each kind, tagged accordingly.
  static AnyValue FromBoolean(bool value) noexcept;
  static AnyValue FromLogical(LogicalValue value) noexcept;
  static AnyValue FromInteger(std::int64_t value) noexcept;
  static AnyValue FromReal(double value) noexcept;
  static AnyValue FromString(const KT::UniString& value);
  static AnyValue FromBinary(const std::vector<std::uint8_t>& bytes);

  ValueType GetValueType() const noexcept { return valueType; }

  bool HasValue() const override;

  // The held value of the getter's kind; false, Unknown, 0, an empty text or no bytes when the value
  // holds another kind or none.
  bool GetBoolean() const noexcept;
  LogicalValue GetLogical() const noexcept;
  std::int64_t GetInteger() const noexcept;
  double GetReal() const noexcept;
  const KT::UniString& GetString() const noexcept;
  const std::vector<std::uint8_t>& GetBinary() const noexcept;

  // Equal tags and equal held values (or both empty).
  friend bool operator==(const AnyValue& a, const AnyValue& b) {
    return a.valueType == b.valueType && a.data == b.data;
  }
  friend bool operator!=(const AnyValue& a, const AnyValue& b) { return !(a == b); }

 private:
  using Data =
      std::variant<std::monostate, bool, LogicalValue, std::int64_t, double, KT::UniString, std::vector<std::uint8_t>>;

  AnyValue(ValueType type, Data data) noexcept;

  ValueType valueType = NoValueType;
  Data data;
};

}  // namespace IPL
