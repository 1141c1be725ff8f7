// The host's registration of its element look-up, in this stand-in: not part of the host's interface
// to add-ons. Whoever plays the host (the export tool, a test) registers the look-up that
// API::LookUpElement asks, and removes it before the look-up goes away:
//
//   FileElementLookup lookup(file);                      // an API::IElementLookup
//   APICore::StandIn::SetElementLookup(&lookup);
//   ...                                                  // add-ons call API::LookUpElement
//   APICore::StandIn::SetElementLookup(nullptr);
//
// Synchronised with the calls: SetElementLookup waits for a call in flight (on any thread) to return,
// and a call after SetElementLookup(nullptr) fails with API::ErrorNoElementLookup.
#pragma once

#include "API/ElementLookup.h"
#include "APICore/Export.h"

namespace APICore::StandIn {

// Makes `lookup` (not owned; null: none) the one that API::LookUpElement asks, once no call is in
// the one registered before.
APICORE_EXPORT void SetElementLookup(API::IElementLookup* lookup) noexcept;

}  // namespace APICore::StandIn
