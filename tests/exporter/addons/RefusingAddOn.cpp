// A test add-on that cannot start: the tool must unload it without asking anything.
#include "IFCAPI/AddOnEntry.h"

IFCAPI_ADDON_ENTRY int IFCAPIAddOnRegister(const API_Guid* /*token*/) {
  return 7;
}

IFCAPI_ADDON_ENTRY void IFCAPIAddOnUnregister(void) {}
