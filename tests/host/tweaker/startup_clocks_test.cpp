// The start-up clocks: read from the chip's generators, kept as they are when
// SHIFT was held (with one log entry), and never programmed while clocks are
// not allowed.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/shell/display_reset.h"

namespace vdx {
namespace {

class StartupClocks : public ::testing::Test {
 protected:
  void SetUp() override {
    savedId_ = adapterIdentity();
    savedClocks_ = clockState();
    savedPrefs_ = preferences();
    clockState() = ClockState{};
    adapterIdentity().capabilities = kCapMclk | kCapEclk;
  }
  void TearDown() override {
    adapterIdentity() = savedId_;
    clockState() = savedClocks_;
    preferences() = savedPrefs_;
  }
  FakePlatform fp;
  AdapterIdentity savedId_;
  ClockState savedClocks_;
  Preferences savedPrefs_;
};

TEST_F(StartupClocks, ReadFromTheGeneratorsAsStartAndDesired) {
  readStartupClocks();
  const AdapterIdentity& id = adapterIdentity();
  EXPECT_FLOAT_EQ(readPllFrequency(id.mclkPll.pllIndex, 0), clockState().startupMclk);
  EXPECT_GT(clockState().startupMclk, 0.0f);
  EXPECT_GT(clockState().startupEclk, 0.0f);
  EXPECT_FLOAT_EQ(clockState().startupMclk, clockState().desiredMclk);
  EXPECT_FLOAT_EQ(clockState().startupEclk, clockState().desiredEclk);
}

TEST_F(StartupClocks, AChipWithoutClocksReadsNone) {
  adapterIdentity().capabilities = 0;
  readStartupClocks();
  EXPECT_EQ(0.0f, clockState().startupMclk);
  EXPECT_EQ(0.0f, clockState().startupEclk);
}

TEST_F(StartupClocks, ShiftLogsOnceAndKeepsTheStartupClocks) {
  readStartupClocks();
  clockState().desiredMclk = 150.0f;
  keepStartupClocksForShift("C:\\WINDOWS\\SYSTEM\\Vidarix.dat");
  EXPECT_FLOAT_EQ(clockState().startupMclk, clockState().desiredMclk);
  std::vector<std::string> keys = fp.profile.keys("C:\\WINDOWS\\SYSTEM\\Vidarix.dat", "Vidarix Clk");
  ASSERT_EQ(1u, keys.size());
  EXPECT_EQ("Chip clock not set due to SHIFT key.",
            fp.profile.readString("C:\\WINDOWS\\SYSTEM\\Vidarix.dat", "Vidarix Clk", keys[0], "", 256));
}

TEST_F(StartupClocks, NothingIsProgrammedWhileClocksAreNotAllowed) {
  readStartupClocks();
  clockState().desiredMclk = clockState().startupMclk + 20.0f;
  clockState().clocksAllowed = false;
  preferences().useOverclock = true;
  const float before = readPllFrequency(adapterIdentity().mclkPll.pllIndex, 0);
  applyDesiredClocks();
  EXPECT_FLOAT_EQ(before, readPllFrequency(adapterIdentity().mclkPll.pllIndex, 0));
}

TEST_F(StartupClocks, DisplayResetOrOverclockOffLeaveTheChipAlone) {
  readStartupClocks();
  clockState().desiredMclk = clockState().startupMclk + 20.0f;
  preferences().useOverclock = false;
  const float before = readPllFrequency(adapterIdentity().mclkPll.pllIndex, 0);
  applyDesiredClocks();
  EXPECT_FLOAT_EQ(before, readPllFrequency(adapterIdentity().mclkPll.pllIndex, 0));
}

TEST_F(StartupClocks, AllowedClocksAreProgrammedToTheDesiredSpeed) {
  readStartupClocks();
  clockState().desiredMclk = clockState().startupMclk + 20.0f;
  preferences().useOverclock = true;
  resetDisplay(RESET_FULL);  // a finished reset: the clocks are the user's again
  ASSERT_FALSE(displayResetInProgress());
  applyDesiredClocks();
  const float now = readPllFrequency(adapterIdentity().mclkPll.pllIndex, 0);
  EXPECT_NEAR(clockState().startupMclk + 20.0f, now, 1.0f);
  EXPECT_FLOAT_EQ(now, clockState().desiredMclk);  // the read-back becomes the desired value
}

}  // namespace
}  // namespace vdx
