// Test control of this stand-in host: not part of the host's interface. Tests decide what the host's
// database check answers and read back what it was asked.
//
//   APICore::StandIn::ResetDatabaseCheck();
//   APICore::StandIn::SetDatabaseCheckStatus(APICore::ErrorStatus(-1, "Not a model window."));
//   const bool accepted = IFCAPI::Impl::CheckDatabase();   // false
//   const APICore::StandIn::DatabaseCheckRecord asked = APICore::StandIn::GetDatabaseCheckRecord();
//   assert(asked.callCount == 1 && asked.flag);
//
// The stand-in's database check only records and answers; it looks at no window. Recording never
// allocates, so a test can count the allocations of the code that calls the check. Not synchronised.
#pragma once

#include <array>
#include <cstdint>

#include "APICore/ErrorStatus.h"
#include "APICore/Export.h"
#include "TSCallback/IDatabaseCallbackInterface.h"

namespace APICore::StandIn {

// What CheckCurrentDatabase received at its latest call.
struct DatabaseCheckRecord {
  static constexpr std::uint32_t MaxRecordedKinds = 4;

  // Calls since the last reset.
  std::uint32_t callCount = 0;
  bool flag = false;
  // Size and capacity of the list as received.
  std::uint32_t size = 0;
  std::uint32_t capacity = 0;
  // Copies of its first min(size, MaxRecordedKinds) elements; the rest stay default (both absent).
  std::array<TSCallback::IDatabaseCallbackInterface::WindowKind, MaxRecordedKinds> kinds{};
};

// Every later check answers with a copy of `status`.
APICORE_EXPORT void SetDatabaseCheckStatus(const ErrorStatus& status);

APICORE_EXPORT DatabaseCheckRecord GetDatabaseCheckRecord() noexcept;

// Back to the start: the check answers OK and the record is empty.
APICORE_EXPORT void ResetDatabaseCheck() noexcept;

}  // namespace APICore::StandIn
