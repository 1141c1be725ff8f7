// TSCallback::IGlobalCallbackInterfaces: the host's registry of its callback interfaces, from which a
// module fetches the interface of the service it needs.
//
//   TSCallback::IGlobalCallbackInterfaces& registry = API::GetCallbackInterfaces();
//   TSCallback::IDatabaseCallbackInterface* database = registry.GetDatabaseCallbackInterface();
#pragma once

#include "APICore/Export.h"
#include "TSCallback/IDatabaseCallbackInterface.h"

namespace TSCallback {

class APICORE_EXPORT IGlobalCallbackInterfaces {
 public:
  virtual ~IGlobalCallbackInterfaces();

  // The host's database interface; never null, owned by the host and alive while the host runs.
  virtual IDatabaseCallbackInterface* GetDatabaseCallbackInterface() = 0;
};

}  // namespace TSCallback
