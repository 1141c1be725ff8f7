// API::GetCallbackInterfaces: the way in to the host's registry of callback interfaces.
//
//   TSCallback::IGlobalCallbackInterfaces& registry = API::GetCallbackInterfaces();
#pragma once

#include "APICore/Export.h"
#include "TSCallback/IGlobalCallbackInterfaces.h"

namespace API {

// The host's registry; available at any time after load and owned by the host.
APICORE_EXPORT TSCallback::IGlobalCallbackInterfaces& GetCallbackInterfaces();

}  // namespace API
