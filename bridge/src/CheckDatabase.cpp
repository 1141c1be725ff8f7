#include "IFCAPI/CheckDatabase.h"

#include "API/CallbackInterfaces.h"
#include "APICore/ErrorStatus.h"
#include "KT/Array.h"

namespace IFCAPI::Impl {

bool CheckDatabase() {
  using WindowKind = TSCallback::IDatabaseCallbackInterface::WindowKind;
  TSCallback::IDatabaseCallbackInterface* database = API::GetCallbackInterfaces().GetDatabaseCallbackInterface();
  // The kinds on which the IFC API works, in the order the host expects: every floor plan (the group
  // 0xFFFFFFFF), then the 3D window (type 9). Built anew on each call; nothing is kept between calls.
  const KT::Array<WindowKind> supportedWindowTypes{WindowKind::OfGroup(APICore::WindowTypeGroup::FloorPlan),
                                                   WindowKind::OfType(WM::Type::Model3D)};
  // Any answer but OK, whatever its reason, means no. The status goes before the list.
  const APICore::ErrorStatus status = database->CheckCurrentDatabase(true, supportedWindowTypes);
  return status.IsOK();
}

}  // namespace IFCAPI::Impl
