#include "API/ElementLookup.h"

#include <gtest/gtest.h>

#include "API/IfcGlobalId.h"
#include "APICore/StandInElementLookup.h"

namespace {

const API_Guid AddOn = ToAPIGuid(KT::Guid("{7E570000-0000-4000-8000-0000000000AD}"));

// GlobalIds written by other tools for GUIDs known from their text form.
TEST(IfcGlobalId, MatchesKnownPairsBothWays) {
  const struct {
    const char* guid;
    const char* globalId;
  } pairs[] = {
      {"{00000000-0000-0000-0000-000000000000}", "0000000000000000000000"},
      {"{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}", "3$$$$$$$$$$$$$$$$$$$$$"},
      {"{E0000000-0000-4000-8000-000000000011}", "3W0000001008000000000H"},
      {"{B0000000-0000-4000-8000-000000000001}", "2m00000010080000000001"},
      // Every byte differs, so a swapped byte pair in the stored layout shows.
      {"{0123ABCD-4567-89EF-0011-223344556677}", "018wlDHMU9xm0H8ZD4LMPt"},
  };
  for (const auto& pair : pairs) {
    EXPECT_EQ(API::GlobalIdFromGuid(KT::Guid(pair.guid)), pair.globalId) << pair.guid;
    const auto guid = API::GuidFromGlobalId(pair.globalId);
    ASSERT_TRUE(guid.has_value()) << pair.globalId;
    EXPECT_EQ(guid->ToString(), pair.guid);
  }
}

TEST(IfcGlobalId, RefusesMalformedText) {
  EXPECT_FALSE(API::GuidFromGlobalId("").has_value());
  EXPECT_FALSE(API::GuidFromGlobalId("3W0000001008000000000").has_value());    // 21 letters
  EXPECT_FALSE(API::GuidFromGlobalId("3W0000001008000000000HH").has_value());  // 23 letters
  EXPECT_FALSE(API::GuidFromGlobalId("3W00000010080000000-0H").has_value());   // '-' is no letter
  EXPECT_FALSE(API::GuidFromGlobalId("4W0000001008000000000H").has_value());   // more than 128 bits
  EXPECT_TRUE(API::GuidFromGlobalId("3W0000001008000000000h").has_value());    // case counts: another GUID
  EXPECT_NE(*API::GuidFromGlobalId("3W0000001008000000000h"), *API::GuidFromGlobalId("3W0000001008000000000H"));
}

class OneWall final : public API::IElementLookup {
 public:
  TSAPI::Result<API::ElementInfo, TSAPI::Error> LookUp(const API_Guid& token, const KT::Guid& guid) override {
    if (guid == KT::Guid("{E0000000-0000-4000-8000-000000000011}")) {
      API::ElementInfo wall;
      wall.entity = "IfcWall";
      wall.properties.push_back({"Pset_WallCommon", "IsExternal", "IfcPropertySingleValue", "IfcBoolean", "TRUE"});
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
  EXPECT_EQ(known.Unwrap().entity, "IfcWall");
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

}  // namespace
