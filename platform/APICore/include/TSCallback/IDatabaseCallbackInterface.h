// TSCallback::IDatabaseCallbackInterface: the host's services about its databases (its windows),
// reached through TSCallback::IGlobalCallbackInterfaces.
//
//   TSCallback::IDatabaseCallbackInterface* database = API::GetCallbackInterfaces().GetDatabaseCallbackInterface();
//   const KT::Array<WindowKind> kinds{WindowKind::OfType(WM::Type::Model3D)};
//   const bool accepted = database->CheckCurrentDatabase(true, kinds).IsOK();
#pragma once

#include "APICore/ErrorStatus.h"
#include "APICore/Export.h"
#include "APICore/ExtendedType.h"
#include "APICore/WindowTypeGroup.h"
#include "KT/Array.h"
#include "WM/Type.h"

namespace TSCallback {

class APICORE_EXPORT IDatabaseCallbackInterface {
 public:
  using WindowKind = ExtendedType<WM::Type, APICore::WindowTypeGroup>;

  virtual ~IDatabaseCallbackInterface();

  // OK when the current window is of one of `kinds` (an element matches by its present field). The
  // meaning of `flag` is the host's. The list is only read during the call.
  virtual APICore::ErrorStatus CheckCurrentDatabase(bool flag, const KT::Array<WindowKind>& kinds) = 0;
};

}  // namespace TSCallback
