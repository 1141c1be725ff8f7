// The registry of the host's IFC callback interface and the fallback handed out in its place.
//
// The fetch never gives null: when nothing is registered, or the registered interface declines, it
// gives one process-wide fallback whose operations fail with the reason. The reason is a field of
// that one object, set by each fetch that falls back and read when an operation runs, so every
// reference to the fallback answers with the latest reason. Nothing here takes a lock: callers must
// not register while another thread fetches or uses the interface.
#include <cstdint>

#include "IFCAPI/Errors.h"
#include "IFCAPI/IFCAPICallbackInterface.h"
#include "foundation/src/Failure.h"
#include "foundation/src/LayoutCheck.h"

namespace IFCAPI::Impl {

namespace {

// Constant-initialised: null from load on, before any code runs.
IFCAPICallbackInterface* registeredInterface = nullptr;

enum class FallbackReason : std::uint32_t {
  NotRegistered = 0,       // no interface is registered
  WindowNotSupported = 1,  // the registered interface answered IsWindowSupported() with false
};

class DummyIFCAPICallbackInterface : public IFCAPICallbackInterface {
 public:
  void SetReason(FallbackReason newReason) noexcept { reason = newReason; }

  // The fallback itself can always answer, with a failure.
  bool IsWindowSupported() override { return true; }

  TSAPI::Result<void, TSAPI::Error> Operation1(const API_Guid& token) override { return Fail<void>(token); }
  TSAPI::Result<bool, TSAPI::Error> Operation2(const API_Guid& token, const KT::Guid&) override {
    return Fail<bool>(token);
  }
  TSAPI::Result<std::int32_t, TSAPI::Error> Operation3(const API_Guid& token, const ObjectID&) override {
    return Fail<std::int32_t>(token);
  }
  TSAPI::Result<double, TSAPI::Error> Operation4(const API_Guid& token, const KT::UniString&) override {
    return Fail<double>(token);
  }
  TSAPI::Result<KT::UniString, TSAPI::Error> Operation5(const API_Guid& token, const KT::Guid&) override {
    return Fail<KT::UniString>(token);
  }
  TSAPI::Result<KT::Guid, TSAPI::Error> Operation6(const API_Guid& token, const KT::UniString&) override {
    return Fail<KT::Guid>(token);
  }
  TSAPI::Result<ObjectID, TSAPI::Error> Operation7(const API_Guid& token, const KT::Guid&) override {
    return Fail<ObjectID>(token);
  }
  TSAPI::Result<std::vector<KT::Guid>, TSAPI::Error> Operation8(const API_Guid& token, const ObjectID&) override {
    return Fail<std::vector<KT::Guid>>(token);
  }
  TSAPI::Result<void, TSAPI::Error> Operation9(const API_Guid& token, const KT::Guid&, bool) override {
    return Fail<void>(token);
  }
  TSAPI::Result<std::uint32_t, TSAPI::Error> Operation10(const API_Guid& token, const ObjectID&) override {
    return Fail<std::uint32_t>(token);
  }
  TSAPI::Result<std::vector<KT::UniString>, TSAPI::Error> Operation11(const API_Guid& token, const KT::Guid&) override {
    return Fail<std::vector<KT::UniString>>(token);
  }
  TSAPI::Result<IPL::IFCType, TSAPI::Error> Operation12(const API_Guid& token, const ObjectID&) override {
    return Fail<IPL::IFCType>(token);
  }
  TSAPI::Result<std::int64_t, TSAPI::Error> Operation13(const API_Guid& token, const KT::UniString&,
                                                        std::int32_t) override {
    return Fail<std::int64_t>(token);
  }
  TSAPI::Result<std::vector<ObjectID>, TSAPI::Error> Operation14(const API_Guid& token, IPL::IFCType) override {
    return Fail<std::vector<ObjectID>>(token);
  }
  TSAPI::Result<std::vector<double>, TSAPI::Error> Operation15(const API_Guid& token, const ObjectID&) override {
    return Fail<std::vector<double>>(token);
  }
  TSAPI::Result<void, TSAPI::Error> Operation16(const API_Guid& token, const ObjectID&, const KT::UniString&) override {
    return Fail<void>(token);
  }

 private:
  template <class>
  friend struct IFCAPI::Impl::LayoutCheck;

  // Every operation differs only in the type of result it builds.
  template <class T>
  TSAPI::Result<T, TSAPI::Error> Fail(const API_Guid& token) const {
    return Failure<T>(reason == FallbackReason::WindowNotSupported ? Errors::WrongWindow : Errors::NotAvailable, token);
  }

  FallbackReason reason = FallbackReason::NotRegistered;
};

}  // namespace

void SetIFCAPICallbackInterface(IFCAPICallbackInterface* callbackInterface) noexcept {
  registeredInterface = callbackInterface;
}

IFCAPICallbackInterface& GetIFCAPICallbackInterface() {
  // Set up on the first call, under the language's guarded one-time initialisation, and destroyed when
  // the library is unloaded.
  static DummyIFCAPICallbackInterface fallback;
  // Read once: IsWindowSupported may change the registration, and the interface that answered is the
  // one to return.
  IFCAPICallbackInterface* const registered = registeredInterface;
  if (registered == nullptr) {
    fallback.SetReason(FallbackReason::NotRegistered);
    return fallback;
  }
  if (!registered->IsWindowSupported()) {
    fallback.SetReason(FallbackReason::WindowNotSupported);
    return fallback;
  }
  return *registered;
}

IFCAPI_LAYOUT_CHECKS_BEGIN
template <>
struct LayoutCheck<DummyIFCAPICallbackInterface> {
  static_assert(sizeof(FallbackReason) == 4, "FallbackReason: a 32-bit enumeration");
  static_assert(offsetof(DummyIFCAPICallbackInterface, reason) == sizeof(IFCAPICallbackInterface),
                "DummyIFCAPICallbackInterface: the reason follows the interface's table pointer");
};
IFCAPI_LAYOUT_CHECKS_END

}  // namespace IFCAPI::Impl
