// The stand-in host's element look-up: API::LookUpElement hands the question to whichever look-up the
// host registered.
#include "API/ElementLookup.h"

#include <mutex>
#include <utility>

#include "APICore/StandInElementLookup.h"

namespace {

// Held by every call and by every change of the registration: a look-up is never removed while a call
// is in it, and its answers (which fill its caches) are given one at a time.
std::mutex registration;
API::IElementLookup* registered = nullptr;

}  // namespace

namespace API {

IElementLookup::~IElementLookup() = default;

TSAPI::Result<ElementInfo, TSAPI::Error> LookUpElement(const API_Guid& token, const KT::Guid& guid) {
  const std::lock_guard<std::mutex> held(registration);
  if (registered == nullptr) {
    return TSAPI::Result<ElementInfo, TSAPI::Error>(
        TSAPI::Error{ErrorNoElementLookup, "No element look-up: it is only served while an export runs."}, token);
  }
  return registered->LookUp(token, guid);
}

}  // namespace API

namespace APICore::StandIn {

void SetElementLookup(API::IElementLookup* lookup) noexcept {
  const std::lock_guard<std::mutex> held(registration);
  registered = lookup;
}

}  // namespace APICore::StandIn
