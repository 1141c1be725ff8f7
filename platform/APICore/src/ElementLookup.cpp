// The stand-in host's element look-up: API::LookUpElement hands the question to whichever look-up the
// host registered.
#include "API/ElementLookup.h"

#include <utility>

#include "APICore/StandInElementLookup.h"

namespace {

// Plain process-wide state, like the host's own.
API::IElementLookup* registered = nullptr;

}  // namespace

namespace API {

IElementLookup::~IElementLookup() = default;

TSAPI::Result<ElementInfo, TSAPI::Error> LookUpElement(const API_Guid& token, const KT::Guid& guid) {
  if (registered == nullptr) {
    return TSAPI::Result<ElementInfo, TSAPI::Error>(
        TSAPI::Error{ErrorNoElementLookup, "No element look-up: the host is not exporting."}, token);
  }
  return registered->LookUp(token, guid);
}

}  // namespace API

namespace APICore::StandIn {

void SetElementLookup(API::IElementLookup* lookup) noexcept {
  registered = lookup;
}

}  // namespace APICore::StandIn
