#include "APICore/StandInHost.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "API/CallbackInterfaces.h"

namespace {

using APICore::ErrorStatus;
using WindowKind = TSCallback::IDatabaseCallbackInterface::WindowKind;

TEST(StandInHost, DatabaseCheckAnswersTheSetStatusAndRecordsWhatItReceived) {
  APICore::StandIn::ResetDatabaseCheck();
  TSCallback::IDatabaseCallbackInterface* database = API::GetCallbackInterfaces().GetDatabaseCallbackInterface();
  ASSERT_NE(database, nullptr);

  APICore::StandIn::SetDatabaseCheckStatus(ErrorStatus(-7, "Refused."));
  KT::Array<WindowKind> kinds{WindowKind::OfType(WM::Type::FloorPlan),
                              WindowKind::OfGroup(APICore::WindowTypeGroup::Section),
                              WindowKind::OfType(WM::Type::Section), WindowKind::OfType(WM::Type::Elevation)};
  kinds.Push(WindowKind::OfType(WM::Type::Layout));  // one more than the record holds
  const ErrorStatus answer = database->CheckCurrentDatabase(false, kinds);
  EXPECT_FALSE(answer.IsOK());
  EXPECT_EQ(answer.GetCode(), -7);
  EXPECT_EQ(answer.GetText(), "Refused.");

  const APICore::StandIn::DatabaseCheckRecord record = APICore::StandIn::GetDatabaseCheckRecord();
  EXPECT_EQ(record.callCount, 1u);
  EXPECT_FALSE(record.flag);
  EXPECT_EQ(record.size, 5u);
  EXPECT_EQ(record.capacity, kinds.GetCapacity());
  for (std::uint32_t i = 0; i < APICore::StandIn::DatabaseCheckRecord::MaxRecordedKinds; ++i) {
    EXPECT_TRUE(record.kinds[i].type == kinds[i].type && record.kinds[i].group == kinds[i].group) << "element " << i;
  }

  APICore::StandIn::ResetDatabaseCheck();
  EXPECT_EQ(APICore::StandIn::GetDatabaseCheckRecord().callCount, 0u);
  EXPECT_TRUE(database->CheckCurrentDatabase(true, kinds).IsOK());
}

}  // namespace
