// KT::Optional<T>: the foundation library's optional value, a value and a flag telling whether it is
// present.
//
//   KT::Optional<KT::UniString> source;            // absent
//   source = KT::Optional<KT::UniString>("ISO");   // present
//   if (source.HasValue()) Use(source.Get());
#pragma once

#include <optional>
#include <utility>

namespace KT {

template <class T>
class Optional {
 public:
  Optional() = default;
  Optional(const T& value) : value(value) {}        // NOLINT(google-explicit-constructor)
  Optional(T&& value) : value(std::move(value)) {}  // NOLINT(google-explicit-constructor)

  bool HasValue() const noexcept { return value.has_value(); }
  bool IsEmpty() const noexcept { return !value.has_value(); }

  // The held value. Precondition: HasValue().
  const T& Get() const { return *value; }
  T& Get() { return *value; }

  friend bool operator==(const Optional& a, const Optional& b) { return a.value == b.value; }
  friend bool operator!=(const Optional& a, const Optional& b) { return a.value != b.value; }

 private:
  std::optional<T> value;
};

}  // namespace KT
