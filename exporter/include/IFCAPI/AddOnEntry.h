// The two C functions through which `ifcapi-export` loads an add-on, as the host would: an add-on is a
// shared library (a DLL on Windows) built against IFCAPI that exports both.
//
//   #include "IFCAPI/AddOnEntry.h"
//
//   namespace { MyProvider provider; }
//
//   IFCAPI_ADDON_ENTRY int IFCAPIAddOnRegister(const API_Guid* token) {
//     addOnToken = *token;                                   // for every object the add-on makes
//     IFCAPI::Impl::HookManager::SetHookDataProvider(&provider);
//     return 0;
//   }
//
//   IFCAPI_ADDON_ENTRY void IFCAPIAddOnUnregister(void) {
//     IFCAPI::Impl::HookManager::SetHookDataProvider(nullptr);
//   }
#pragma once

#include "TSAPI/APIGuid.h"

#if defined(_WIN32)
#define IFCAPI_ADDON_ENTRY extern "C" __declspec(dllexport)
#else
#define IFCAPI_ADDON_ENTRY extern "C" __attribute__((visibility("default")))
#endif

// Called once, right after the add-on is loaded and before any hook query. `token` is the add-on's
// `API_Guid`, given by the loader; it stays valid only during the call, so copy it. Registers the
// add-on's hook data provider with `IFCAPI::Impl::HookManager::SetHookDataProvider`. Returns 0 on
// success; any other value tells the loader the add-on could not start, and it is unloaded unused.
using IFCAPIAddOnRegisterFunction = int (*)(const API_Guid* token);

// Called once after the last hook query and before the add-on is unloaded. Unregisters the provider
// (if it is still the registered one) and releases whatever the add-on holds.
using IFCAPIAddOnUnregisterFunction = void (*)();

// The exported names the loader looks up.
#define IFCAPI_ADDON_REGISTER_NAME "IFCAPIAddOnRegister"
#define IFCAPI_ADDON_UNREGISTER_NAME "IFCAPIAddOnUnregister"
