// APICore::ErrorStatus: the host's answer to a request, OK or a code with a text saying why not.
//
//   const APICore::ErrorStatus status = database->CheckCurrentDatabase(true, kinds);
//   if (!status.IsOK()) Report(status.GetCode(), status.GetText());
#pragma once

#include <cstdint>
#include <string>

#include "APICore/Export.h"

namespace APICore {

class APICORE_EXPORT ErrorStatus {
 public:
  // OK: code 0, no text.
  ErrorStatus() noexcept;

  // `code` 0 means OK whatever the text.
  ErrorStatus(std::int32_t code, std::string text) noexcept;

  ErrorStatus(const ErrorStatus& other);
  ErrorStatus(ErrorStatus&& other) noexcept;
  ErrorStatus& operator=(const ErrorStatus& other);
  ErrorStatus& operator=(ErrorStatus&& other) noexcept;
  ~ErrorStatus();

  // Whether the code is 0.
  bool IsOK() const noexcept;

  std::int32_t GetCode() const noexcept;
  const std::string& GetText() const noexcept;

 private:
  std::int32_t code;
  std::string text;
};

}  // namespace APICore
