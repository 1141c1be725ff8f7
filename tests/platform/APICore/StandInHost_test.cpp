#include "APICore/StandInHost.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "API/CallbackInterfaces.h"

namespace {

using APICore::ErrorStatus;
using WindowKind = TSCallback::IDatabaseCallbackInterface::WindowKind;

// The bridge's tests read the record of two kinds and the answer's status; here, more kinds than the
// record holds, the answer's text, and a reset that forgets the calls and the status.
TEST(StandInHost, DatabaseCheckRecordsAtMostItsKindsAndResets) {
  APICore::StandIn::ResetDatabaseCheck();
  TSCallback::IDatabaseCallbackInterface* database = API::GetCallbackInterfaces().GetDatabaseCallbackInterface();
  APICore::StandIn::SetDatabaseCheckStatus(ErrorStatus(-7, "Refused."));
  KT::Array<WindowKind> kinds{WindowKind::OfType(WM::Type::FloorPlan),
                              WindowKind::OfGroup(APICore::WindowTypeGroup::Section),
                              WindowKind::OfType(WM::Type::Section), WindowKind::OfType(WM::Type::Elevation)};
  kinds.Push(WindowKind::OfType(WM::Type::Layout));  // one more than the record holds
  EXPECT_EQ(database->CheckCurrentDatabase(false, kinds).GetText(), "Refused.");
  const APICore::StandIn::DatabaseCheckRecord record = APICore::StandIn::GetDatabaseCheckRecord();
  EXPECT_EQ(record.size, 5u);
  for (std::uint32_t i = 0; i < APICore::StandIn::DatabaseCheckRecord::MaxRecordedKinds; ++i) {
    EXPECT_TRUE(record.kinds[i].type == kinds[i].type && record.kinds[i].group == kinds[i].group) << "element " << i;
  }

  APICore::StandIn::ResetDatabaseCheck();
  EXPECT_EQ(APICore::StandIn::GetDatabaseCheckRecord().callCount, 0u);
  EXPECT_TRUE(database->CheckCurrentDatabase(true, kinds).IsOK());
}

}  // namespace
