// The example add-on's entry points, which the host calls when it loads and unloads the add-on.
//
//   ExampleAddOn::Initialize();   // registers the add-on's hook data provider
//   ...                           // IFC export: the exporter queries IFCAPI::Impl::HookManager
//   ExampleAddOn::FreeData();     // unregisters it
#pragma once

#if defined(_WIN32)
#if defined(EXAMPLE_ADDON_BUILDING)
#define EXAMPLE_ADDON_EXPORT __declspec(dllexport)
#else
#define EXAMPLE_ADDON_EXPORT __declspec(dllimport)
#endif
#else
#define EXAMPLE_ADDON_EXPORT __attribute__((visibility("default")))
#endif

namespace ExampleAddOn {

// Registers the add-on's hook data provider, replacing any other.
EXAMPLE_ADDON_EXPORT void Initialize();

// Unregisters the provider if it is still the registered one.
EXAMPLE_ADDON_EXPORT void FreeData();

}  // namespace ExampleAddOn
