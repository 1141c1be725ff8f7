// IFCAPI::Impl::CheckDatabase: whether the host's current window is one on which the IFC API works,
// a floor plan or the 3D window. Exported for the host's other modules:
//
//   if (!IFCAPI::Impl::CheckDatabase()) {
//     return;  // the IFC services would answer "IFC API works only on floorplan and 3D windows."
//   }
#pragma once

#include "IFCAPI/Export.h"

namespace IFCAPI::Impl {

// Asks the host's database interface about its current window. True only when the host answers OK;
// any other answer gives false. Caches nothing. Throws KT::OutOfMemoryException when the list of
// supported kinds cannot be built.
IFCAPI_EXPORT bool CheckDatabase();

}  // namespace IFCAPI::Impl
