#include "IFCAPI/CheckDatabase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "APICore/StandInHost.h"
#include "AllocationSweep.h"

namespace {

using APICore::ErrorStatus;
using APICore::StandIn::DatabaseCheckRecord;
using IFCAPI::Impl::CheckDatabase;

// A refusal whose text is too long for any small-string buffer, so that every answer allocates.
const ErrorStatus Refusal(static_cast<std::int32_t>(0x8106006Bu), "The current window is neither a plan nor a 3D one.");

class CheckDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override { APICore::StandIn::ResetDatabaseCheck(); }
  void TearDown() override { APICore::StandIn::ResetDatabaseCheck(); }
};

TEST_F(CheckDatabaseTest, AsksWithTrueAndTheGroupThenTheTypeOnEveryCall) {
  for (std::uint32_t call = 1; call <= 2; ++call) {
    EXPECT_TRUE(CheckDatabase());
    const DatabaseCheckRecord asked = APICore::StandIn::GetDatabaseCheckRecord();
    EXPECT_TRUE(asked.callCount == call && asked.flag && asked.capacity == 2);
    ASSERT_EQ(asked.size, 2u);
    ASSERT_TRUE(!asked.kinds[0].type.HasValue() && asked.kinds[0].group.HasValue());
    EXPECT_EQ(static_cast<std::uint32_t>(asked.kinds[0].group.Get()), 0xFFFFFFFFu);
    ASSERT_TRUE(asked.kinds[1].type.HasValue() && !asked.kinds[1].group.HasValue());
    EXPECT_EQ(static_cast<std::int32_t>(asked.kinds[1].type.Get()), 9);
  }
}

TEST_F(CheckDatabaseTest, OnlyAnOKStatusGivesTrue) {
  for (const auto& [status, expected] :
       {std::pair(ErrorStatus(), true), std::pair(Refusal, false), std::pair(ErrorStatus(1, ""), false),
        std::pair(ErrorStatus(-1, ""), false), std::pair(ErrorStatus(0, "OK, with a remark."), true)}) {
    APICore::StandIn::SetDatabaseCheckStatus(status);
    EXPECT_EQ(CheckDatabase(), expected) << "status code " << status.GetCode();
  }
}

// Each sweep ends with a run in which nothing fails, so a call that leaks shows there too.
TEST_F(CheckDatabaseTest, NoCallLeaksAndAFailedAllocationPropagates) {
  using KT::MemoryManager;
  APICore::StandIn::SetDatabaseCheckStatus(Refusal);
  for (const MemoryManager::FailureMode mode :
       {MemoryManager::FailureMode::Once, MemoryManager::FailureMode::FromThenOn}) {
    struct Outcome {
      bool answered = false;
      bool accepted = true;
    };
    const std::uint64_t runs = IFCAPI::Testing::SweepAllocationFailures(
        mode, [] { return Outcome{}; },
        [](Outcome& outcome) {
          outcome.accepted = CheckDatabase();
          outcome.answered = true;
        },
        [](Outcome& outcome, bool failed) {
          EXPECT_NE(outcome.answered, failed);
          if (outcome.answered) {
            EXPECT_FALSE(outcome.accepted);
          }
        });
    // The list's buffer, then the copy of the answer made while the list is alive.
    EXPECT_GE(runs, 2u);
  }
  EXPECT_FALSE(CheckDatabase()) << "the host is still usable";
}

}  // namespace
