#include "APICore/ErrorStatus.h"

#include <utility>

namespace APICore {

ErrorStatus::ErrorStatus() noexcept : code(0) {}

ErrorStatus::ErrorStatus(std::int32_t code, std::string text) noexcept : code(code), text(std::move(text)) {}

ErrorStatus::ErrorStatus(const ErrorStatus& other) = default;

ErrorStatus::ErrorStatus(ErrorStatus&& other) noexcept = default;

ErrorStatus& ErrorStatus::operator=(const ErrorStatus& other) = default;

ErrorStatus& ErrorStatus::operator=(ErrorStatus&& other) noexcept = default;

ErrorStatus::~ErrorStatus() = default;

bool ErrorStatus::IsOK() const noexcept {
  return code == 0;
}

std::int32_t ErrorStatus::GetCode() const noexcept {
  return code;
}

const std::string& ErrorStatus::GetText() const noexcept {
  return text;
}

}  // namespace APICore
