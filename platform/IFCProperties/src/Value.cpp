#include "IPL/Value.h"

#include <utility>

#include "IPL/Any.h"
#include "IPL/AnyValue.h"
#include "platform/IFCProperties/src/Catalogue.h"

namespace IPL {

// Out of line, so that each class's type information and virtual table have one home.
Any::~Any() = default;

AnyValue::AnyValue(ValueType type) noexcept : valueType(type) {}

AnyValue::AnyValue(ValueType type, Data data) noexcept : valueType(type), data(std::move(data)) {}

AnyValue::~AnyValue() = default;

AnyValue AnyValue::FromBoolean(bool value) noexcept {
  return AnyValue(Boolean, Data(std::in_place_type<bool>, value));
}

AnyValue AnyValue::FromLogical(LogicalValue value) noexcept {
  return AnyValue(Logical, Data(std::in_place_type<LogicalValue>, value));
}

AnyValue AnyValue::FromInteger(std::int64_t value) noexcept {
  return AnyValue(Integer, Data(std::in_place_type<std::int64_t>, value));
}

AnyValue AnyValue::FromReal(double value) noexcept {
  return AnyValue(Real, Data(std::in_place_type<double>, value));
}

AnyValue AnyValue::FromString(const KT::UniString& value) {
  return AnyValue(String, Data(std::in_place_type<KT::UniString>, value));
}

AnyValue AnyValue::FromBinary(const std::vector<std::uint8_t>& bytes) {
  return AnyValue(Binary, Data(std::in_place_type<std::vector<std::uint8_t>>, bytes));
}

bool AnyValue::HasValue() const {
  return !std::holds_alternative<std::monostate>(data);
}

namespace {

// The held value of kind T, or `fallback` when another kind (or none) is held.
template <class T, class Data>
const T& HeldOr(const Data& data, const T& fallback) noexcept {
  const T* held = std::get_if<T>(&data);
  return held != nullptr ? *held : fallback;
}

const std::vector<std::uint8_t> NoBytes;

}  // namespace

bool AnyValue::GetBoolean() const noexcept {
  return HeldOr(data, false);
}

AnyValue::LogicalValue AnyValue::GetLogical() const noexcept {
  return HeldOr(data, LogicalValue::Unknown);
}

std::int64_t AnyValue::GetInteger() const noexcept {
  return HeldOr<std::int64_t>(data, 0);
}

double AnyValue::GetReal() const noexcept {
  return HeldOr(data, 0.0);
}

const KT::UniString& AnyValue::GetString() const noexcept {
  return HeldOr(data, KT::EmptyUniString);
}

const std::vector<std::uint8_t>& AnyValue::GetBinary() const noexcept {
  return HeldOr(data, NoBytes);
}

Value::Value(const AnyValue& value, IFCType type) : AnyValue(value), ifcType(type) {}

Value::~Value() = default;

AnyValue::ValueType Value::ConvertIFCType(const IFCType& type) noexcept {
  return Catalogue::RequiredValueType(type);
}

}  // namespace IPL
