// A test add-on that exports the register function only.
#include "IFCAPI/AddOnEntry.h"

IFCAPI_ADDON_ENTRY int IFCAPIAddOnRegister(const API_Guid* /*token*/) {
  return 0;
}
