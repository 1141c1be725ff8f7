// TSAPI::Result<T, TSAPI::Error>: the value of an operation that can fail, or the TSAPI::Error that
// says why it failed, together with the token of the add-on on whose behalf it ran.
//
// A successful result carries NullToken; a failed one the token of the add-on at fault. Test
// HasValue() before touching the value; pass a failure on with GetError() instead of unwrapping:
//
//   TSAPI::Result<Value, TSAPI::Error> value = Value::Create(token, "IfcLabel", raw);
//   if (!value.HasValue()) {
//     return TSAPI::Result<PropertyValue, TSAPI::Error>(value.GetError(), token);
//   }
//   const Value& v = value.Unwrap();
//
// TSAPI::Result<void, TSAPI::Error> is the same without a value.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "TSAPI/APIGuid.h"
#include "TSAPI/Error.h"
#include "TSAPI/ResultBase.h"

namespace TSAPI {

// The text handed to the unwrap-failure handler; it is not an Error message.
inline constexpr std::string_view UnwrapFailureText = "Attempting to Unwrap an error Result";

// The message of GetError() on a successful result.
inline constexpr std::string_view NoErrorMessage = "NoError";

template <class T>
struct LayoutCheck;

template <class T, class E>
class Result {
  static_assert(sizeof(T) == 0,
                "TSAPI::Result reports failures as TSAPI::Error only; use TSAPI::Result<T, TSAPI::Error>");
};

template <class T>
class [[nodiscard]] Result<T, Error> : public ResultBase {
  static_assert(!std::is_reference_v<T>, "a Result owns its value; return the object, not a reference to it");

 public:
  // Success: the value is copied or moved in; the token is NullToken.
  Result(const T& value) : hasValue(true), value(value), engaged(true), token(NullToken) {}        // NOLINT
  Result(T&& value) : hasValue(true), value(std::move(value)), engaged(true), token(NullToken) {}  // NOLINT

  // Failure: takes over the code and message of `error` (whose message is left empty) and keeps
  // `token`, the add-on at fault.
  Result(Error&& failure, const API_Guid& token)
      : hasValue(false),
        error{failure.code, std::exchange(failure.message, std::string())},
        engaged(true),
        token(token) {}

  Result(const Result& other) : hasValue(other.hasValue), engaged(false), token(other.token) {
    if (other.engaged) {
      if (hasValue) {
        new (&value) T(other.value);
      } else {
        new (&error) Error(other.error);
      }
      engaged = true;
    }
  }

  Result(Result&& other) : hasValue(other.hasValue), engaged(false), token(other.token) {
    if (other.engaged) {
      if (hasValue) {
        new (&value) T(std::move(other.value));
      } else {
        new (&error) Error(std::move(other.error));
      }
      engaged = true;
    }
  }

  Result& operator=(const Result&) = delete;

  ~Result() { Destroy(); }

  bool HasValue() const noexcept { return hasValue; }

  // The held value. On a failed result, hands UnwrapFailureText and the result's token to the
  // unwrap-failure handler before anything reads the storage, and aborts if the handler returns.
  T& Unwrap() & {
    CheckUnwrap();
    return value;
  }
  const T& Unwrap() const& {
    CheckUnwrap();
    return value;
  }

  // A copy of the held Error; on success, code 0 and "NoError". The result is unchanged.
  Error GetError() const {
    if (hasValue) {
      return Error{0, std::string(NoErrorMessage)};
    }
    return error;
  }

  // NullToken for a success; the token of the add-on at fault for a failure.
  const API_Guid& GetToken() const noexcept { return token; }

 private:
  template <class>
  friend struct LayoutCheck;

  void CheckUnwrap() const {
    if (!hasValue) {
      HandleUnwrapFailure(UnwrapFailureText, token);
      std::abort();
    }
  }

  void Destroy() noexcept {
    if (!engaged) {
      return;
    }
    if (hasValue) {
      value.~T();
    } else {
      error.~Error();
    }
    engaged = false;
  }

  bool hasValue;
  union {
    T value;
    Error error;
  };
  bool engaged;
  API_Guid token;
};

template <>
class [[nodiscard]] Result<void, Error> : public ResultBase {
 public:
  // Success.
  Result() noexcept : hasValue(true), engaged(false), token(NullToken) {}

  // Failure, as for Result<T, Error>.
  Result(Error&& failure, const API_Guid& token)
      : hasValue(false),
        error{failure.code, std::exchange(failure.message, std::string())},
        engaged(true),
        token(token) {}

  Result(const Result& other) : hasValue(other.hasValue), engaged(false), token(other.token) {
    if (other.engaged) {
      new (&error) Error(other.error);
      engaged = true;
    }
  }

  Result(Result&& other) : hasValue(other.hasValue), engaged(false), token(other.token) {
    if (other.engaged) {
      new (&error) Error(std::move(other.error));
      engaged = true;
    }
  }

  Result& operator=(const Result&) = delete;

  ~Result() {
    if (engaged) {
      error.~Error();
      engaged = false;
    }
  }

  bool HasValue() const noexcept { return hasValue; }

  // Checks that the result is a success; otherwise as Result<T, Error>::Unwrap.
  void Unwrap() const {
    if (!hasValue) {
      HandleUnwrapFailure(UnwrapFailureText, token);
      std::abort();
    }
  }

  Error GetError() const {
    if (hasValue) {
      return Error{0, std::string(NoErrorMessage)};
    }
    return error;
  }

  const API_Guid& GetToken() const noexcept { return token; }

 private:
  template <class>
  friend struct LayoutCheck;

  bool hasValue;
  union {
    Error error;
  };
  bool engaged;
  API_Guid token;
};

}  // namespace TSAPI
