// Internal: how every operation of the module builds the failed result it returns.
//
//   if (name.IsEmpty()) {
//     return Failure<Attribute>(Errors::AttributeNameEmpty, token);
//   }
#pragma once

#include <string>

#include "IFCAPI/Errors.h"
#include "TSAPI/Result.h"

namespace IFCAPI::Impl {

// A failed result with the code and message of `kind`, carrying `token`, the add-on at fault.
template <class T>
TSAPI::Result<T, TSAPI::Error> Failure(const ErrorKind& kind, const API_Guid& token) {
  return TSAPI::Result<T, TSAPI::Error>(TSAPI::Error{kind.code, std::string(kind.message)}, token);
}

// A failed result that passes on the error of `inner` with the outer operation's `token`.
template <class T, class U>
TSAPI::Result<T, TSAPI::Error> PassFailureOn(const TSAPI::Result<U, TSAPI::Error>& inner, const API_Guid& token) {
  return TSAPI::Result<T, TSAPI::Error>(inner.GetError(), token);
}

}  // namespace IFCAPI::Impl
