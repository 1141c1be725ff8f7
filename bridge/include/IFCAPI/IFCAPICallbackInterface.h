// IFCAPI::Impl::IFCAPICallbackInterface: the interface through which the host's IFC services are
// reached. The host's IFC component implements it and registers one instance; code that needs those
// services fetches it, and never gets null:
//
//   IFCAPI::Impl::SetIFCAPICallbackInterface(&hostInterface);        // by the host, at start-up
//   ...
//   TSAPI::Result<bool, TSAPI::Error> answer = IFCAPI::Impl::GetIFCAPICallbackInterface().Operation2(token, guid);
//   if (!answer.HasValue()) Report(answer.GetError().message);    // e.g. "IFC API is currently not available."
//
// When nothing is registered, or the registered interface declines to serve (IsWindowSupported()
// false), the fetch gives a fallback whose every operation fails with the reason, carrying the token
// it was given.
#pragma once

#include <cstdint>
#include <vector>

#include "IFCAPI/Export.h"
#include "IFCAPI/ObjectID.h"
#include "IPL/IFCType.h"
#include "KT/Guid.h"
#include "KT/UniString.h"
#include "TSAPI/APIGuid.h"
#include "TSAPI/Result.h"

namespace IFCAPI::Impl {

// The host's binary interface: keep the virtual operations in this order (the destructor, then
// IsWindowSupported, then Operation1 to Operation16).
//
// What each operation does, what its further parameters mean and what its value is belong to the
// host's IFC component, which implements them; this library only declares them and answers them in
// the fallback. Each takes the calling add-on's token first; a failure it returns carries that token.
class IFCAPI_EXPORT IFCAPICallbackInterface {
 public:
  // Only set up the object: an interface has no data.
  IFCAPICallbackInterface() noexcept;
  IFCAPICallbackInterface(const IFCAPICallbackInterface& other) noexcept;
  // Returns this object.
  IFCAPICallbackInterface& operator=(const IFCAPICallbackInterface& other) noexcept;

  virtual ~IFCAPICallbackInterface();

  // Whether the interface can serve now; asked on every fetch, never remembered. No default: only the
  // host knows.
  virtual bool IsWindowSupported() = 0;

  virtual TSAPI::Result<void, TSAPI::Error> Operation1(const API_Guid& token) = 0;
  virtual TSAPI::Result<bool, TSAPI::Error> Operation2(const API_Guid& token, const KT::Guid& guid) = 0;
  virtual TSAPI::Result<std::int32_t, TSAPI::Error> Operation3(const API_Guid& token, const ObjectID& object) = 0;
  virtual TSAPI::Result<double, TSAPI::Error> Operation4(const API_Guid& token, const KT::UniString& text) = 0;
  virtual TSAPI::Result<KT::UniString, TSAPI::Error> Operation5(const API_Guid& token, const KT::Guid& guid) = 0;
  virtual TSAPI::Result<KT::Guid, TSAPI::Error> Operation6(const API_Guid& token, const KT::UniString& text) = 0;
  virtual TSAPI::Result<ObjectID, TSAPI::Error> Operation7(const API_Guid& token, const KT::Guid& guid) = 0;
  virtual TSAPI::Result<std::vector<KT::Guid>, TSAPI::Error> Operation8(const API_Guid& token,
                                                                        const ObjectID& object) = 0;
  virtual TSAPI::Result<void, TSAPI::Error> Operation9(const API_Guid& token, const KT::Guid& guid, bool flag) = 0;
  virtual TSAPI::Result<std::uint32_t, TSAPI::Error> Operation10(const API_Guid& token, const ObjectID& object) = 0;
  virtual TSAPI::Result<std::vector<KT::UniString>, TSAPI::Error> Operation11(const API_Guid& token,
                                                                              const KT::Guid& guid) = 0;
  virtual TSAPI::Result<IPL::IFCType, TSAPI::Error> Operation12(const API_Guid& token, const ObjectID& object) = 0;
  virtual TSAPI::Result<std::int64_t, TSAPI::Error> Operation13(const API_Guid& token, const KT::UniString& text,
                                                                std::int32_t index) = 0;
  virtual TSAPI::Result<std::vector<ObjectID>, TSAPI::Error> Operation14(const API_Guid& token, IPL::IFCType type) = 0;
  virtual TSAPI::Result<std::vector<double>, TSAPI::Error> Operation15(const API_Guid& token,
                                                                       const ObjectID& object) = 0;
  virtual TSAPI::Result<void, TSAPI::Error> Operation16(const API_Guid& token, const ObjectID& object,
                                                        const KT::UniString& text) = 0;
};

// Registers `callbackInterface`, replacing any earlier one; null unregisters. The caller keeps
// ownership and keeps the object alive while it is registered; the library never deletes it. Not
// synchronised: no other thread may be fetching or using the interface meanwhile.
IFCAPI_EXPORT void SetIFCAPICallbackInterface(IFCAPICallbackInterface* callbackInterface) noexcept;

// The registered interface when one is registered and its IsWindowSupported() answers true (asked on
// every call); otherwise the process-wide fallback, alive until the library is unloaded, whose
// operations fail with ErrorNotAvailable (nothing registered) or ErrorWrongWindow (declined). The
// fallback answers with the reason of the latest fetch that fell back, even through a reference
// fetched earlier.
IFCAPI_EXPORT IFCAPICallbackInterface& GetIFCAPICallbackInterface();

}  // namespace IFCAPI::Impl
