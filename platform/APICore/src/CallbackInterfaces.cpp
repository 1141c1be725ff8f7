// The stand-in host's callback interfaces: a registry that hands out one database interface, whose
// current-window check answers what the test asked for and records what it was given.
#include "API/CallbackInterfaces.h"

#include <cstddef>

#include "APICore/StandInHost.h"

namespace TSCallback {

IDatabaseCallbackInterface::~IDatabaseCallbackInterface() = default;

IGlobalCallbackInterfaces::~IGlobalCallbackInterfaces() = default;

}  // namespace TSCallback

namespace {

using APICore::StandIn::DatabaseCheckRecord;

// Plain process-wide state, like the host's own; the status is the only part that owns memory.
APICore::ErrorStatus answer;
DatabaseCheckRecord record;

class StandInDatabase final : public TSCallback::IDatabaseCallbackInterface {
 public:
  APICore::ErrorStatus CheckCurrentDatabase(bool flag, const KT::Array<WindowKind>& kinds) override {
    DatabaseCheckRecord received;
    received.callCount = record.callCount + 1;
    received.flag = flag;
    received.size = kinds.GetSize();
    received.capacity = kinds.GetCapacity();
    for (std::uint32_t i = 0; i < kinds.GetSize() && i < DatabaseCheckRecord::MaxRecordedKinds; ++i) {
      received.kinds[i] = kinds[i];
    }
    // The answer is copied before the record changes, so a failed copy leaves no trace.
    APICore::ErrorStatus status(answer);
    record = received;
    return status;
  }
};

class StandInRegistry final : public TSCallback::IGlobalCallbackInterfaces {
 public:
  TSCallback::IDatabaseCallbackInterface* GetDatabaseCallbackInterface() override { return &database; }

 private:
  StandInDatabase database;
};

}  // namespace

namespace API {

TSCallback::IGlobalCallbackInterfaces& GetCallbackInterfaces() {
  static StandInRegistry registry;
  return registry;
}

}  // namespace API

namespace APICore::StandIn {

void SetDatabaseCheckStatus(const ErrorStatus& status) {
  answer = status;
}

DatabaseCheckRecord GetDatabaseCheckRecord() noexcept {
  return record;
}

void ResetDatabaseCheck() noexcept {
  answer = ErrorStatus();
  record = DatabaseCheckRecord();
}

}  // namespace APICore::StandIn

// The window kinds cross the module boundary field by field.
using WindowKind = TSCallback::IDatabaseCallbackInterface::WindowKind;
static_assert(offsetof(WindowKind, type) == 0, "ExtendedType: the window type comes first");
static_assert(offsetof(WindowKind, group) == 8, "ExtendedType: the group follows the 32-bit type and its flag");
static_assert(sizeof(WindowKind) == 16, "ExtendedType: two 32-bit values, each with its presence flag");
