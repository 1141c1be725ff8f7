#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
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

void ExpectEveryOperationFails(IFCAPICallbackInterface& callbacks, const API_Guid& token, std::uint32_t code,
                               const std::string& message) {
  ForEveryOperation(callbacks, token, [&](int operation, const auto& result) {
    SCOPED_TRACE("Operation" + std::to_string(operation));
    ASSERT_FALSE(result.HasValue());
    const Error error = result.GetError();
    EXPECT_EQ(static_cast<std::uint32_t>(error.code), code);
    EXPECT_EQ(error.message, message);
    EXPECT_EQ(result.GetToken(), token);
  });
}

void ExpectNotAvailable(IFCAPICallbackInterface& callbacks, const API_Guid& token) {
  ExpectEveryOperationFails(callbacks, token, 0x81060191u, "IFC API is currently not available.");
}

void ExpectWrongWindow(IFCAPICallbackInterface& callbacks, const API_Guid& token) {
  ExpectEveryOperationFails(callbacks, token, 0x8106006Bu, "IFC API works only on floorplan and 3D windows.");
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

  Result<void, Error> Operation1(const API_Guid&) override { return {}; }
  Result<bool, Error> Operation2(const API_Guid&, const KT::Guid&) override { return true; }
  Result<std::int32_t, Error> Operation3(const API_Guid&, const ObjectID&) override { return 3; }
  Result<double, Error> Operation4(const API_Guid&, const KT::UniString&) override { return 4.0; }
  Result<KT::UniString, Error> Operation5(const API_Guid&, const KT::Guid&) override { return KT::UniString("5"); }
  Result<KT::Guid, Error> Operation6(const API_Guid&, const KT::UniString&) override { return Element; }
  Result<ObjectID, Error> Operation7(const API_Guid& token, const KT::Guid& guid) override {
    return ObjectID(token, guid);
  }
  Result<std::vector<KT::Guid>, Error> Operation8(const API_Guid&, const ObjectID&) override {
    return std::vector<KT::Guid>{};
  }
  Result<void, Error> Operation9(const API_Guid&, const KT::Guid&, bool) override { return {}; }
  Result<std::uint32_t, Error> Operation10(const API_Guid&, const ObjectID&) override { return 10u; }
  Result<std::vector<KT::UniString>, Error> Operation11(const API_Guid&, const KT::Guid&) override {
    return std::vector<KT::UniString>{};
  }
  Result<IPL::IFCType, Error> Operation12(const API_Guid&, const ObjectID&) override { return IPL::IFCType::IfcSystem; }
  Result<std::int64_t, Error> Operation13(const API_Guid&, const KT::UniString&, std::int32_t) override {
    return std::int64_t{13};
  }
  Result<std::vector<ObjectID>, Error> Operation14(const API_Guid&, IPL::IFCType) override {
    return std::vector<ObjectID>{};
  }
  Result<std::vector<double>, Error> Operation15(const API_Guid&, const ObjectID&) override {
    return std::vector<double>{};
  }
  Result<void, Error> Operation16(const API_Guid&, const ObjectID&, const KT::UniString&) override { return {}; }
};

class CallbackInterfaceRegistry : public ::testing::Test {
 protected:
  void SetUp() override { SetIFCAPICallbackInterface(nullptr); }
  void TearDown() override { SetIFCAPICallbackInterface(nullptr); }
};

TEST_F(CallbackInterfaceRegistry, WithoutRegistrationEveryOperationFailsAsNotAvailable) {
  IFCAPICallbackInterface& fallback = GetIFCAPICallbackInterface();
  EXPECT_TRUE(fallback.IsWindowSupported());
  ExpectNotAvailable(fallback, AddOnA);
  ExpectNotAvailable(fallback, AddOnB);
  EXPECT_EQ(&GetIFCAPICallbackInterface(), &fallback) << "one fallback for the whole process";
}

TEST_F(CallbackInterfaceRegistry, DecliningInterfaceIsAskedOnEveryFetchAndNeverCached) {
  HostInterface host;
  host.supported = false;
  SetIFCAPICallbackInterface(&host);
  for (int fetch = 1; fetch <= 3; ++fetch) {
    IFCAPICallbackInterface& fetched = GetIFCAPICallbackInterface();
    EXPECT_NE(&fetched, &host);
    EXPECT_EQ(host.askedCount, fetch);
    EXPECT_TRUE(fetched.IsWindowSupported());
    ExpectWrongWindow(fetched, AddOnB);
  }

  // The answer changes between fetches, and each fetch follows it.
  host.supported = true;
  EXPECT_EQ(&GetIFCAPICallbackInterface(), &host);
  host.supported = false;
  EXPECT_NE(&GetIFCAPICallbackInterface(), &host);
  EXPECT_EQ(host.askedCount, 5);
}

TEST_F(CallbackInterfaceRegistry, AcceptingInterfaceIsReturnedItselfAndAskedOncePerFetch) {
  HostInterface host;
  SetIFCAPICallbackInterface(&host);
  IFCAPICallbackInterface& fetched = GetIFCAPICallbackInterface();
  ASSERT_EQ(&fetched, &host);
  EXPECT_EQ(host.askedCount, 1);

  const Result<ObjectID, Error> answer = fetched.Operation7(AddOnA, Element);
  ASSERT_TRUE(answer.HasValue());
  EXPECT_EQ(answer.Unwrap().GetGUID(), Element);
  EXPECT_EQ(host.askedCount, 1) << "operations do not ask again";

  // Unregistering brings the fallback back.
  SetIFCAPICallbackInterface(nullptr);
  ExpectNotAvailable(GetIFCAPICallbackInterface(), AddOnA);
  EXPECT_EQ(host.askedCount, 1);
}

TEST_F(CallbackInterfaceRegistry, FallbackFetchedEarlierAnswersWithTheLatestReason) {
  IFCAPICallbackInterface& earlier = GetIFCAPICallbackInterface();
  HostInterface host;
  host.supported = false;
  SetIFCAPICallbackInterface(&host);
  static_cast<void>(GetIFCAPICallbackInterface());
  ExpectWrongWindow(earlier, AddOnA);

  SetIFCAPICallbackInterface(nullptr);
  static_cast<void>(GetIFCAPICallbackInterface());
  ExpectNotAvailable(earlier, AddOnA);
}

TEST_F(CallbackInterfaceRegistry, FailedAllocationInTheFallbackLeaksNothing) {
  using KT::MemoryManager;
  for (const MemoryManager::FailureMode mode :
       {MemoryManager::FailureMode::Once, MemoryManager::FailureMode::FromThenOn}) {
    const std::uint64_t runs = IFCAPI::Testing::SweepAllocationFailures(
        mode, [] { return &GetIFCAPICallbackInterface(); },
        [](IFCAPICallbackInterface* fallback) { ForEveryOperation(*fallback, AddOnA, [](int, const auto&) {}); },
        [](IFCAPICallbackInterface* fallback, bool) {
          // Checked without SCOPED_TRACE, whose first use keeps a block for the rest of the process.
          const Result<KT::UniString, Error> answer = fallback->Operation5(AddOnB, Element);
          EXPECT_EQ(answer.GetError().message, "IFC API is currently not available.");
          EXPECT_EQ(answer.GetToken(), AddOnB);
        });
    EXPECT_GT(runs, 0u) << "the failures' messages are allocated";
  }
}

#if defined(__GXX_ABI_VERSION) && defined(__x86_64__)
// Itanium C++ ABI on x86-64: a pointer to a virtual member function holds 1 + the byte offset of its
// entry from the virtual table's address point, then a zero adjustment.
template <class Member>
std::ptrdiff_t VirtualSlot(Member member) {
  static_assert(sizeof(Member) == 2 * sizeof(std::ptrdiff_t), "pointer and adjustment");
  std::ptrdiff_t words[2];
  std::memcpy(words, &member, sizeof words);
  EXPECT_EQ(words[0] % static_cast<std::ptrdiff_t>(sizeof(void*)), 1) << "not a virtual member";
  return words[0] / static_cast<std::ptrdiff_t>(sizeof(void*));
}

TEST(IFCAPICallbackInterface, VirtualSlotsFollowTheHostsOrder) {
  // Slots 0 and 1 are the two entries of the virtual destructor.
  using I = IFCAPICallbackInterface;
  EXPECT_EQ(VirtualSlot(&I::IsWindowSupported), 2);
  const std::ptrdiff_t operations[] = {
      VirtualSlot(&I::Operation1),  VirtualSlot(&I::Operation2),  VirtualSlot(&I::Operation3),
      VirtualSlot(&I::Operation4),  VirtualSlot(&I::Operation5),  VirtualSlot(&I::Operation6),
      VirtualSlot(&I::Operation7),  VirtualSlot(&I::Operation8),  VirtualSlot(&I::Operation9),
      VirtualSlot(&I::Operation10), VirtualSlot(&I::Operation11), VirtualSlot(&I::Operation12),
      VirtualSlot(&I::Operation13), VirtualSlot(&I::Operation14), VirtualSlot(&I::Operation15),
      VirtualSlot(&I::Operation16)};
  for (std::ptrdiff_t n = 1; n <= 16; ++n) {
    EXPECT_EQ(operations[n - 1], n + 2) << "Operation" << n;
  }
}
#endif

}  // namespace
