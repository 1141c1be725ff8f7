// The entry points through which ifcapi-export (playing the host) starts and stops the add-on.
#include "ExampleAddOn/AddOn.h"
#include "IFCAPI/AddOnEntry.h"

IFCAPI_ADDON_ENTRY int IFCAPIAddOnRegister(const API_Guid* /*token*/) {
  // The add-on names its objects with its own fixed token, so the loader's is not needed.
  ExampleAddOn::Initialize();
  return 0;
}

IFCAPI_ADDON_ENTRY void IFCAPIAddOnUnregister(void) {
  ExampleAddOn::FreeData();
}
