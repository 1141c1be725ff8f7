#include "ExampleAddOn/AddOn.h"

#include "ExampleProvider.h"
#include "IFCAPI/HookManager.h"

namespace ExampleAddOn {

namespace {

// The provider lives as long as the add-on is loaded; the library only keeps a pointer to it.
ExampleProvider provider;

}  // namespace

void Initialize() {
  IFCAPI::Impl::HookManager::SetHookDataProvider(&provider);
}

void FreeData() {
  if (IFCAPI::Impl::HookManager::HasHookDataProvider() &&
      &IFCAPI::Impl::HookManager::GetHookDataProvider() == &provider) {
    IFCAPI::Impl::HookManager::SetHookDataProvider(nullptr);
  }
}

}  // namespace ExampleAddOn
