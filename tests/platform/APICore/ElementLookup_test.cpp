#include "API/ElementLookup.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "API/IfcGlobalId.h"
#include "APICore/StandInElementLookup.h"

namespace {

const API_Guid AddOn = ToAPIGuid(KT::Guid("{7E570000-0000-4000-8000-0000000000AD}"));

// Known pairs and the agreement with the reader's codec on every GUID are the export tool's tests
// (tests/exporter/IfcGuid_test.cpp); here, what the host's decoder refuses.
TEST(IfcGlobalId, RefusesMalformedTextAndKeepsLetterCase) {
  // Empty, 21 and 23 letters, a '-' (no letter of the alphabet), more than 128 bits.
  for (const char* bad :
       {"", "3W0000001008000000000", "3W0000001008000000000HH", "3W00000010080000000-0H", "4W0000001008000000000H"}) {
    EXPECT_FALSE(API::GuidFromGlobalId(bad).has_value()) << bad;
  }
  const auto lower = API::GuidFromGlobalId("3W0000001008000000000h");  // another GUID, not refused
  ASSERT_TRUE(lower.has_value());
  EXPECT_NE(*lower, *API::GuidFromGlobalId("3W0000001008000000000H"));
}

class OneWall final : public API::IElementLookup {
 public:
  TSAPI::Result<API::ElementInfo, TSAPI::Error> LookUp(const API_Guid& token, const KT::Guid& guid) override {
    if (guid == KT::Guid("{E0000000-0000-4000-8000-000000000011}")) {
      API::ElementInfo wall;
      wall.entity = "IfcWall";
      wall.properties.push_back({"Pset_WallCommon", "FireRating", "IfcPropertySingleValue", "IfcLabel", "REI 90"});
      wall.properties.push_back({"Pset_WallCommon", "FireRating", "IfcPropertySingleValue", "IfcLabel", "EI 30", true});
      return wall;
    }
    return TSAPI::Result<API::ElementInfo, TSAPI::Error>(TSAPI::Error{API::ErrorUnknownElement, "unknown"}, token);
  }
};

TEST(ElementLookup, FailsWhileNoLookUpIsServedAndAsksTheRegisteredOneOtherwise) {
  const KT::Guid wall("{E0000000-0000-4000-8000-000000000011}");
  const auto unserved = API::LookUpElement(AddOn, wall);
  ASSERT_FALSE(unserved.HasValue());
  EXPECT_EQ(unserved.GetError().code, API::ErrorNoElementLookup);
  EXPECT_EQ(unserved.GetToken(), AddOn);

  OneWall lookup;
  APICore::StandIn::SetElementLookup(&lookup);
  const auto known = API::LookUpElement(AddOn, wall);
  const auto unknown = API::LookUpElement(AddOn, KT::Guid("{E0000000-0000-4000-8000-0000000000FF}"));
  APICore::StandIn::SetElementLookup(nullptr);

  ASSERT_TRUE(known.HasValue());
  ASSERT_FALSE(unknown.HasValue());
  EXPECT_EQ(unknown.GetError().code, API::ErrorUnknownElement);
  EXPECT_EQ(unknown.GetToken(), AddOn);
  EXPECT_EQ(API::LookUpElement(AddOn, wall).GetError().code, API::ErrorNoElementLookup);  // removed again

  // The element's own value comes before its type's, and names are matched exactly.
  const API::ElementProperty* rating = known.Unwrap().FindProperty("Pset_WallCommon", "FireRating");
  ASSERT_NE(rating, nullptr);
  EXPECT_EQ(rating->value, "REI 90");
  EXPECT_EQ(known.Unwrap().FindProperty("Pset_WallCommon", "firerating"), nullptr);
  EXPECT_EQ(known.Unwrap().FindProperty("Pset_SlabCommon", "FireRating"), nullptr);
}

// A look-up that holds each call until it is let go.
class HeldLookup final : public API::IElementLookup {
 public:
  TSAPI::Result<API::ElementInfo, TSAPI::Error> LookUp(const API_Guid&, const KT::Guid&) override {
    std::unique_lock<std::mutex> lock(mutex);
    inside = true;
    changed.notify_all();
    changed.wait(lock, [this] { return released; });
    return API::ElementInfo{};
  }
  void WaitUntilInside() {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return inside; });
  }
  void Release() {
    const std::lock_guard<std::mutex> lock(mutex);
    released = true;
    changed.notify_all();
  }

 private:
  std::mutex mutex;
  std::condition_variable changed;
  bool inside = false;
  bool released = false;
};

// An add-on's thread may still be inside the look-up when the host removes it: the removal waits for
// that call, and later calls fail.
TEST(ElementLookup, RemovalWaitsForTheCallInFlight) {
  HeldLookup lookup;
  APICore::StandIn::SetElementLookup(&lookup);
  std::thread caller(
      [&] { EXPECT_TRUE(API::LookUpElement(AddOn, KT::Guid("{E0000000-0000-4000-8000-000000000011}")).HasValue()); });
  lookup.WaitUntilInside();
  std::atomic<bool> removed{false};
  std::thread remover([&] {
    APICore::StandIn::SetElementLookup(nullptr);
    removed = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(removed) << "the look-up was removed while a call was in it";
  lookup.Release();
  caller.join();
  remover.join();
  EXPECT_TRUE(removed);
  EXPECT_EQ(API::LookUpElement(AddOn, KT::Guid("{E0000000-0000-4000-8000-000000000011}")).GetError().code,
            API::ErrorNoElementLookup);
}

}  // namespace
