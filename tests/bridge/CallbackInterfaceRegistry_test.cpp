#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "AllocationSweep.h"
#include "IFCAPI/IFCAPICallbackInterface.h"

namespace {

using IFCAPI::Impl::GetIFCAPICallbackInterface;
using IFCAPI::Impl::IFCAPICallbackInterface;
using IFCAPI::Impl::ObjectID;
using IFCAPI::Impl::SetIFCAPICallbackInterface;
using TSAPI::Error;
using TSAPI::Result;

const API_Guid AddOnA = ToAPIGuid(KT::Guid("{A1A1A1A1-2222-3333-4444-555555555555}"));
const API_Guid AddOnB = ToAPIGuid(KT::Guid("{B2B2B2B2-2222-3333-4444-555555555555}"));
const KT::Guid Element("{0E0E0E0E-1111-2222-3333-444444444444}");

// Calls all sixteen operations, in order, and hands each answer to check(operationNumber, result).
template <class Check>
void ForEveryOperation(IFCAPICallbackInterface& callbacks, const API_Guid& token, Check check) {
  const ObjectID object(token, Element);
  check(1, callbacks.Operation1(token));
  check(2, callbacks.Operation2(token, Element));
  check(3, callbacks.Operation3(token, object));
  check(4, callbacks.Operation4(token, "Width"));
  check(5, callbacks.Operation5(token, Element));
  check(6, callbacks.Operation6(token, "Width"));
  check(7, callbacks.Operation7(token, Element));
  check(8, callbacks.Operation8(token, object));
  check(9, callbacks.Operation9(token, Element, true));
  check(10, callbacks.Operation10(token, object));
  check(11, callbacks.Operation11(token, Element));
  check(12, callbacks.Operation12(token, object));
  check(13, callbacks.Operation13(token, "Width", 3));
  check(14, callbacks.Operation14(token, IPL::IFCType::IfcGroup));
  check(15, callbacks.Operation15(token, object));
  check(16, callbacks.Operation16(token, object, "Width"));
}

struct Failure {
  std::uint32_t code;
  const char* message;
};
const Failure NotAvailable{0x81060191u, "IFC API is currently not available."};
const Failure WrongWindow{0x8106006Bu, "IFC API works only on floorplan and 3D windows."};

void ExpectEveryOperationFails(IFCAPICallbackInterface& callbacks, const API_Guid& token, const Failure& failure) {
  ForEveryOperation(callbacks, token, [&](int operation, const auto& result) {
    ASSERT_FALSE(result.HasValue()) << "Operation" << operation;
    EXPECT_EQ(static_cast<std::uint32_t>(result.GetError().code), failure.code) << "Operation" << operation;
    EXPECT_EQ(result.GetError().message, failure.message) << "Operation" << operation;
    EXPECT_EQ(result.GetToken(), token) << "Operation" << operation;
  });
}

constexpr std::int32_t HostCode = 0x1234;

// Every operation of the host stand-in answers with HostCode, so that an answer shows where it came from.
#define HOST_OPERATION(n, R, ...)                                              \
  Result<R, Error> Operation##n(const API_Guid& token, __VA_ARGS__) override { \
    return Result<R, Error>(Error{HostCode, "host"}, token);                   \
  }

// A host interface that counts how often it is asked whether it can serve and answers as told.
class HostInterface : public IFCAPICallbackInterface {
 public:
  bool supported = true;
  int askedCount = 0;

  bool IsWindowSupported() override {
    ++askedCount;
    return supported;
  }
  Result<void, Error> Operation1(const API_Guid& token) override { return Result<void, Error>(Error{}, token); }
  HOST_OPERATION(2, bool, const KT::Guid&)
  HOST_OPERATION(3, std::int32_t, const ObjectID&)
  HOST_OPERATION(4, double, const KT::UniString&)
  HOST_OPERATION(5, KT::UniString, const KT::Guid&)
  HOST_OPERATION(6, KT::Guid, const KT::UniString&)
  HOST_OPERATION(7, ObjectID, const KT::Guid&)
  HOST_OPERATION(8, std::vector<KT::Guid>, const ObjectID&)
  HOST_OPERATION(9, void, const KT::Guid&, bool)
  HOST_OPERATION(10, std::uint32_t, const ObjectID&)
  HOST_OPERATION(11, std::vector<KT::UniString>, const KT::Guid&)
  HOST_OPERATION(12, IPL::IFCType, const ObjectID&)
  HOST_OPERATION(13, std::int64_t, const KT::UniString&, std::int32_t)
  HOST_OPERATION(14, std::vector<ObjectID>, IPL::IFCType)
  HOST_OPERATION(15, std::vector<double>, const ObjectID&)
  HOST_OPERATION(16, void, const ObjectID&, const KT::UniString&)
};
#undef HOST_OPERATION

class CallbackInterfaceRegistry : public ::testing::Test {
 protected:
  void SetUp() override { SetIFCAPICallbackInterface(nullptr); }
  void TearDown() override { SetIFCAPICallbackInterface(nullptr); }
};

// One fallback serves the process; it answers with the reason of the latest fetch, also through a
// reference fetched before.
TEST_F(CallbackInterfaceRegistry, EachFetchAsksTheHostOnceAndFollowsItsLatestAnswer) {
  IFCAPICallbackInterface& fallback = GetIFCAPICallbackInterface();
  ExpectEveryOperationFails(fallback, AddOnA, NotAvailable);
  HostInterface host;
  host.supported = false;
  SetIFCAPICallbackInterface(&host);
  for (int fetch = 1; fetch <= 3; ++fetch) {
    IFCAPICallbackInterface& fetched = GetIFCAPICallbackInterface();
    EXPECT_TRUE(&fetched == &fallback && host.askedCount == fetch && fetched.IsWindowSupported());
    ExpectEveryOperationFails(fallback, AddOnB, WrongWindow);
  }

  host.supported = true;
  IFCAPICallbackInterface& accepted = GetIFCAPICallbackInterface();
  ASSERT_EQ(&accepted, &host);
  EXPECT_EQ(accepted.Operation7(AddOnA, Element).GetError().code, HostCode);
  EXPECT_EQ(host.askedCount, 4) << "operations do not ask again";
  host.supported = false;
  EXPECT_NE(&GetIFCAPICallbackInterface(), &host);
  EXPECT_EQ(host.askedCount, 5);

  // Unregistering brings the fallback back, without asking the host.
  SetIFCAPICallbackInterface(nullptr);
  static_cast<void>(GetIFCAPICallbackInterface());
  ExpectEveryOperationFails(fallback, AddOnA, NotAvailable);
  EXPECT_EQ(host.askedCount, 5);
}

// The host may unregister its interface while it is asked whether it can serve; the fetch still
// returns the interface that answered, never the registration read afterwards.
TEST_F(CallbackInterfaceRegistry, AnInterfaceThatUnregistersWhileAskedIsStillTheOneReturned) {
  struct Leaving : HostInterface {
    bool IsWindowSupported() override {
      SetIFCAPICallbackInterface(nullptr);
      return HostInterface::IsWindowSupported();
    }
  } host;
  SetIFCAPICallbackInterface(&host);
  EXPECT_EQ(&GetIFCAPICallbackInterface(), &host);
}

TEST_F(CallbackInterfaceRegistry, FailedAllocationInTheFallbackLeaksNothing) {
  using KT::MemoryManager;
  for (const auto mode : {MemoryManager::FailureMode::Once, MemoryManager::FailureMode::FromThenOn}) {
    const std::uint64_t runs = IFCAPI::Testing::SweepAllocationFailures(
        mode, [] { return &GetIFCAPICallbackInterface(); },
        [](IFCAPICallbackInterface* fallback) { ForEveryOperation(*fallback, AddOnA, [](int, const auto&) {}); },
        [](IFCAPICallbackInterface* fallback, bool) {
          // Checked without SCOPED_TRACE, whose first use keeps a block for the rest of the process.
          const Result<KT::UniString, Error> answer = fallback->Operation5(AddOnB, Element);
          EXPECT_TRUE(answer.GetError().message == NotAvailable.message && answer.GetToken() == AddOnB);
        });
    EXPECT_GT(runs, 0u) << "the failures' messages are allocated";
  }
}

}  // namespace
