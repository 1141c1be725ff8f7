// Expected<T>: a value, or the Failure that kept it from being made. The one way code in the IFC layer
// and in the tools reports what went wrong: a Failure carries the message the user reads, already
// naming the file, line and instance where they are known. Nothing in the tools throws to report a
// failure; exceptions are only what the standard library or an add-on throws.
//
//   Ifc::Expected<Model> ReadModel(const std::string& path);
//
//   auto model = ReadModel("model.ifc");
//   if (!model) {
//     std::fprintf(stderr, "%s\n", model.Error().Message().c_str());  // "model.ifc:12: #7: ..."
//     return ExitCode::ModelUnreadable;
//   }
//   Use(*model);
//
// Expected<void> is a success or a Failure (Ifc::Status).
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace Ifc {

// What went wrong, in words for the user.
class Failure {
 public:
  explicit Failure(std::string message) : message(std::move(message)) {}

  const std::string& Message() const noexcept { return message; }

  // The same failure with `context` before it: "context: message".
  Failure Within(const std::string& context) const { return Failure(context + ": " + message); }

 private:
  std::string message;
};

template <class T>
class [[nodiscard]] Expected {
 public:
  Expected(T value) : content(std::in_place_index<0>, std::move(value)) {}
  Expected(Failure failure) : content(std::in_place_index<1>, std::move(failure)) {}

  bool HasValue() const noexcept { return content.index() == 0; }
  explicit operator bool() const noexcept { return HasValue(); }

  // The value. Precondition: HasValue().
  T& Value() & {
    assert(HasValue() && "Value() of a failed Expected");
    return *std::get_if<0>(&content);
  }
  const T& Value() const& {
    assert(HasValue() && "Value() of a failed Expected");
    return *std::get_if<0>(&content);
  }
  T&& Value() && {
    assert(HasValue() && "Value() of a failed Expected");
    return std::move(*std::get_if<0>(&content));
  }
  T& operator*() & { return Value(); }
  const T& operator*() const& { return Value(); }
  T* operator->() { return &Value(); }
  const T* operator->() const { return &Value(); }

  // The failure. Precondition: !HasValue().
  const Failure& Error() const& {
    assert(!HasValue() && "Error() of a successful Expected");
    return *std::get_if<1>(&content);
  }

 private:
  std::variant<T, Failure> content;
};

template <>
class [[nodiscard]] Expected<void> {
 public:
  Expected() = default;
  Expected(Failure failure) : failure(std::move(failure)), failed(true) {}

  bool HasValue() const noexcept { return !failed; }
  explicit operator bool() const noexcept { return HasValue(); }

  // The failure. Precondition: !HasValue().
  const Failure& Error() const& {
    assert(failed && "Error() of a successful Status");
    return failure;
  }

 private:
  Failure failure{std::string()};
  bool failed = false;
};

using Status = Expected<void>;

}  // namespace Ifc
