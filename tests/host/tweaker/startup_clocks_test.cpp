// The start-up clocks: read from the chip's generators, kept as they are when
// SHIFT was held (with one log entry), and never programmed while clocks are
// not allowed.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/card_programs.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/display/display_reset.h"
#include "tweaker/shell/program.h"
#include "tweaker/shell/program_records.h"

namespace vdx {
namespace {

class StartupClocks : public ::testing::Test {
 protected:
  void readStartupClocks() { vdx::readStartupClocks(fp.ports, program.identity, program.clocks); }
  void applyDesiredClocks() {
    vdx::applyDesiredClocks(fp.services(), program.identity, program.clockRules(), program.clocks);
  }
  float mclkNow() { return readPllFrequency(fp.ports, program.identity.mclkPll.pllIndex, 0); }

  Savage4Program t;
  FakePlatform& fp = t.fakes;
  Program& program = t.program;
};

TEST_F(StartupClocks, ReadFromTheGeneratorsAsStartAndDesired) {
  readStartupClocks();
  EXPECT_FLOAT_EQ(mclkNow(), program.clocks.startupMclk);
  EXPECT_GT(program.clocks.startupMclk, 0.0f);
  EXPECT_GT(program.clocks.startupEclk, 0.0f);
  EXPECT_FLOAT_EQ(program.clocks.startupMclk, program.clocks.desiredMclk);
  EXPECT_FLOAT_EQ(program.clocks.startupEclk, program.clocks.desiredEclk);
}

TEST_F(StartupClocks, AChipWithoutClocksReadsNone) {
  program.identity.capabilities = 0;
  readStartupClocks();
  EXPECT_EQ(0.0f, program.clocks.startupMclk);
  EXPECT_EQ(0.0f, program.clocks.startupEclk);
}

TEST_F(StartupClocks, ShiftLogsOnceAndKeepsTheStartupClocks) {
  readStartupClocks();
  program.clocks.desiredMclk = 150.0f;
  keepStartupClocksForShift(fp.services(), "C:\\WINDOWS\\SYSTEM\\Vidarix.dat", program.clocks);
  EXPECT_FLOAT_EQ(program.clocks.startupMclk, program.clocks.desiredMclk);
  std::vector<std::string> keys = fp.profile.keys("C:\\WINDOWS\\SYSTEM\\Vidarix.dat", "Vidarix Clk");
  ASSERT_EQ(1u, keys.size());
  EXPECT_EQ("Chip clock not set due to SHIFT key.",
            fp.profile.readString("C:\\WINDOWS\\SYSTEM\\Vidarix.dat", "Vidarix Clk", keys[0], "", 256));
}

TEST_F(StartupClocks, NothingIsProgrammedWhileClocksAreNotAllowed) {
  readStartupClocks();
  program.clocks.desiredMclk = program.clocks.startupMclk + 20.0f;
  program.clocks.clocksAllowed = false;
  program.preferences.useOverclock = true;
  const float before = mclkNow();
  applyDesiredClocks();
  EXPECT_FLOAT_EQ(before, mclkNow());
}

TEST_F(StartupClocks, DisplayResetOrOverclockOffLeaveTheChipAlone) {
  readStartupClocks();
  program.clocks.desiredMclk = program.clocks.startupMclk + 20.0f;
  program.preferences.useOverclock = false;
  const float before = mclkNow();
  applyDesiredClocks();
  EXPECT_FLOAT_EQ(before, mclkNow());
}

TEST_F(StartupClocks, AllowedClocksAreProgrammedToTheDesiredSpeed) {
  readStartupClocks();
  program.clocks.desiredMclk = program.clocks.startupMclk + 20.0f;
  program.preferences.useOverclock = true;
  resetDisplay(program, RESET_FULL);  // a finished reset: the clocks are the user's again
  ASSERT_FALSE(program.displayReset.inProgress);
  applyDesiredClocks();
  const float now = mclkNow();
  EXPECT_NEAR(program.clocks.startupMclk + 20.0f, now, 1.0f);
  EXPECT_FLOAT_EQ(now, program.clocks.desiredMclk);  // the read-back becomes the desired value
}

}  // namespace
}  // namespace vdx
