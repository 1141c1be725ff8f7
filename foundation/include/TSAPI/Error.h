// TSAPI::Error: what a failed TSAPI::Result holds, a 32-bit code and a fixed English message.
//
//   TSAPI::Error error{IFCAPI::Impl::ErrorBadParameters, "Invalid guid."};
//   if (error.code != 0) Report(error.message);
#pragma once

#include <cstdint>
#include <string>

namespace TSAPI {

struct Error {
  // 0 means no error; every failure code has the top bit set.
  std::int32_t code = 0;
  std::string message;
};

}  // namespace TSAPI
