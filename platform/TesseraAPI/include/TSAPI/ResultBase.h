// TSAPI::ResultBase: the host's base of every TSAPI::Result; it gives results the one way out when
// code insists on the value of a failed result.
//
// HandleUnwrapFailure hands the text and the failed result's token to the unwrap-failure handler.
// The default handler prints both to stderr (the token as a GUID text) and aborts the process. Tests
// install their own:
//
//   const auto previous = TSAPI::SetUnwrapFailureHandler(
//       [](std::string_view text, const API_Guid& token) { throw MyTestException(text, token); });
//   ...
//   TSAPI::SetUnwrapFailureHandler(previous);
#pragma once

#include <string_view>

#include "TSAPI/APIGuid.h"
#include "TSAPI/Export.h"

namespace TSAPI {

using UnwrapFailureHandler = void (*)(std::string_view text, const API_Guid& token);

// Installs `handler` (null: the default) and returns the handler it replaces. Not synchronised: set
// it before other threads unwrap results.
TSAPI_EXPORT UnwrapFailureHandler SetUnwrapFailureHandler(UnwrapFailureHandler handler) noexcept;

class TSAPI_EXPORT ResultBase {
 protected:
  // Calls the installed handler with `text` and `token`. Returns only if the handler returns.
  void HandleUnwrapFailure(std::string_view text, const API_Guid& token) const;
};

}  // namespace TSAPI
