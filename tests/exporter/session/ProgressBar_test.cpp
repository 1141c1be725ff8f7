// The progress bar draws on standard error once a percent and phase, and erases itself.
#include "exporter/session/ProgressBar.h"

#include <gtest/gtest.h>

namespace Exporter {
namespace {

TEST(ProgressBar, DrawsOncePerPercentAndPhaseAndClearsUnlessDisabled) {
  ::testing::internal::CaptureStderr();
  {
    ProgressBar bar(true);
    bar.Show("reading", 45, 100);
    bar.Show("reading", 451, 1000);  // still 45 %
    bar.Show("writing", 45, 100);    // a new phase
    bar.Show("writing", 1, 0);       // nothing to measure
    bar.Show("writing", 100, 100);
    bar.Clear();
    bar.Clear();  // nothing left to erase
  }
  const std::string bar45 = "[#############                 ]  45%";
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "\rreading  " + bar45 + "\rwriting  " + bar45 +
                                                          "\rwriting  [##############################] 100%\r" +
                                                          std::string(60, ' ') + "\r");

  // A disabled bar prints nothing.
  ::testing::internal::CaptureStderr();
  ProgressBar bar(false);
  bar.Show("reading", 50, 100);
  bar.Clear();
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace Exporter
