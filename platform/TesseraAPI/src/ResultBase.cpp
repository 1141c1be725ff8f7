#include "TSAPI/ResultBase.h"

#include <cstdio>
#include <cstdlib>

namespace TSAPI {

namespace {

void PrintAndAbort(std::string_view text, const API_Guid& token) {
  const std::string guid = ToKTGuid(token).ToString();
  std::fprintf(stderr, "%.*s (add-on %s)\n", static_cast<int>(text.size()), text.data(), guid.c_str());
  std::abort();
}

UnwrapFailureHandler installedHandler = &PrintAndAbort;

}  // namespace

UnwrapFailureHandler SetUnwrapFailureHandler(UnwrapFailureHandler handler) noexcept {
  const UnwrapFailureHandler previous = installedHandler;
  installedHandler = handler != nullptr ? handler : &PrintAndAbort;
  return previous;
}

void ResultBase::HandleUnwrapFailure(std::string_view text, const API_Guid& token) const {
  installedHandler(text, token);
}

}  // namespace TSAPI
