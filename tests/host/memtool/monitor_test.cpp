// The monitor tick as a state machine: the low-memory rule, the periodic
// rule, the processor limit and the tick count's wrap.
#include <algorithm>
#include <cmath>

#include "tests/host/memtool/memtidy_fixture.h"

namespace mt {
namespace {

// Target 8, minimum 4, free-up 2 MB every 6 minutes below 50 % (the 64 MB defaults).
class MonitorTest : public MemtidyTest {
 protected:
  void SetUp() override { start(); }
};

TEST_F(MonitorTest, OneLowMemoryRecoveryThenAtLeast3000msOfWaiting) {
  setCpu({30, 0, 0, 0});
  tick(10000, 3);
  EXPECT_EQ((EventLog{"tray busy", "commit 8", "release touched", "tray idle"}),
            EventLog(log.begin(), log.begin() + 4));
  EXPECT_FALSE(form->monitor.Armed);
  EXPECT_EQ(10000u, form->monitor.RearmTick);
  tick(11000, 3);
  tick(12000, 3);
  EXPECT_EQ(1, recoveries());
  tick(13000, 3);  // 3000 ms: re-arms only
  EXPECT_TRUE(form->monitor.Armed);
  EXPECT_EQ(1, recoveries());
  tick(14000, 3);
  EXPECT_EQ(2, recoveries());
}

TEST_F(MonitorTest, TheFirstFallAfterARiseOnlyReArms) {
  tick(10000, 3);
  ASSERT_EQ(1, recoveries());
  tick(11000, 30);  // above the minimum: nothing moves
  tick(20000, 30);
  EXPECT_FALSE(form->monitor.Armed);
  EXPECT_EQ(10000u, form->monitor.RearmTick);
  tick(21000, 3);  // the fall: re-arm only
  EXPECT_EQ(1, recoveries());
  EXPECT_TRUE(form->monitor.Armed);
  tick(22000, 3);
  EXPECT_EQ(2, recoveries());
}

TEST_F(MonitorTest, ABusyProcessorAlsoCostsTheWait) {
  setCpu({99, 0, 0, 0});
  tick(10000, 3);
  EXPECT_EQ(0, recoveries());
  EXPECT_FALSE(form->monitor.Armed);
  setCpu({10, 0, 0, 0});
  tick(11000, 3);
  EXPECT_EQ(0, recoveries()) << "still waiting";
}

TEST_F(MonitorTest, ProcessorReadings) {
  struct Case {
    std::vector<uint8_t> bytes;
    uint32_t type;
    double limit;
    bool recovers;
  } cases[] = {
      {{100, 0, 0, 0}, kRegBinary, 50, true},   // 100 counts as idle
      {{99, 0, 0, 0}, kRegBinary, 50, false},
      {{99, 0, 0, 0}, kRegBinary, 100, true},
      {{49, 0}, kRegBinary, 50, true},          // short data is fine
      {{99, 0, 0, 0, 0}, kRegBinary, 50, true}, // longer than 4 bytes: unreadable, so 0
      {{99, 0, 0, 0}, kRegDword, 50, true},     // not binary: 0
      {{50, 0, 1, 0}, kRegBinary, 50, false},   // low 16 bits: 50
  };
  for (const Case& c : cases) {
    form->monitor = MonitorState();
    log.clear();
    setCpu(c.bytes, c.type);
    form->settings.FreeCPU = c.limit;
    tick(50000, 3);
    EXPECT_EQ(c.recovers ? 1 : 0, recoveries()) << "reading " << int(c.bytes[0]) << " type " << c.type
                                                 << " limit " << c.limit;
  }
}

TEST_F(MonitorTest, NtIgnoresTheProcessorStatistic) {
  form->OSName = OsFamily::WinNT;
  setCpu({99, 0, 0, 0});
  tick(10000, 3);
  EXPECT_EQ(0, form->monitor.CPUUsage);
  EXPECT_EQ(1, recoveries());
}

TEST_F(MonitorTest, MinimumZeroNeverActsAndATargetNotAboveFreeMemoryKeepsArmed) {
  form->settings.MinimumFreeRAM = 0;
  tick(10000, 0);
  EXPECT_EQ(0, recoveries());
  form->settings.MinimumFreeRAM = 4;
  form->settings.TargetFreeRAM = 3;
  tick(11000, 3);
  EXPECT_EQ(0, recoveries());
  EXPECT_TRUE(form->monitor.Armed);
}

TEST_F(MonitorTest, ThePeriodicBandIs5To17AndAddsToFreeMemory) {
  form->settings.FreeInterval = 1000;
  for (uint32_t avail : {4u, 5u, 17u, 18u}) {
    form->monitor = MonitorState();
    log.clear();
    tick(100000, avail);   // starts the interval
    tick(101000, avail);   // due
    bool inBand = avail >= 5 && avail <= 17;
    EXPECT_EQ(inBand ? 1 : 0, recoveries()) << avail << " MB free";
    if (inBand) {
      EXPECT_NE(log.end(), std::find(log.begin(), log.end(), "commit " + std::to_string(avail + 2)));
    }
  }
}

TEST_F(MonitorTest, FreeTimeOfOneMinuteIsDueAfter60000msOnWholeTicks) {
  form->settings.FreeInterval = 60000;
  tick(5000, 10);
  EXPECT_EQ(5000u, form->monitor.PeriodTick);
  tick(64999, 10);
  EXPECT_EQ(0, recoveries());
  tick(65000, 10);
  EXPECT_EQ(1, recoveries());
  EXPECT_EQ(0u, form->monitor.PeriodTick) << "the recovery restarts the interval";
  tick(66000, 10);
  EXPECT_EQ(66000u, form->monitor.PeriodTick);
}

// Only an edited registry holds a FreeTime outside the spin edit's 1 to 60;
// below 1 the periodic rule would recover on every tick.
TEST_F(MonitorTest, AStoredFreeTimeOutsideItsRangeIsClampedOnLoad) {
  const struct {
    double stored, minutes;
  } cases[] = {{0, 1}, {-5, 1}, {0.25, 1}, {std::nan(""), 1}, {1.5, 1.5}, {600, 60}};
  for (const auto& c : cases) {
    registry.setDouble(RegRoot::CurrentUser, kSettingsKey, "FreeTime", c.stored);
    form->ReadData();
    EXPECT_EQ(c.minutes, form->settings.FreeTime) << c.stored;
    EXPECT_EQ(c.minutes * 60000, form->settings.FreeInterval) << c.stored;
  }
  registry.setDouble(RegRoot::CurrentUser, kSettingsKey, "FreeTime", 0);
  form->ReadData();
  log.clear();
  for (uint32_t t = 10000; t < 20000; t += 1000) tick(t, 10);
  EXPECT_EQ(0, recoveries()) << "no recovery every second";
}

TEST_F(MonitorTest, FreeValueZeroNeverRecoversButTheIntervalStillRestarts) {
  form->settings.FreeValue1 = 0;
  form->settings.FreeInterval = 1000;
  tick(5000, 10);
  tick(6000, 10);
  EXPECT_EQ(0, recoveries());
  EXPECT_EQ(0u, form->monitor.PeriodTick);
}

TEST_F(MonitorTest, ALowMemoryRecoveryRestartsThePeriodicInterval) {
  form->settings.FreeInterval = 60000;
  tick(1000, 30);
  tick(30000, 3);
  EXPECT_EQ(1, recoveries());
  EXPECT_EQ(30000u, form->monitor.PeriodTick) << "cleared by the recovery, started again in the same tick";
}

TEST_F(MonitorTest, ElapsedTimeSurvivesTheTickCountWrap) {
  tick(0xFFFFF800u, 3);  // recovery, disarmed 2048 ms before the wrap
  ASSERT_EQ(1, recoveries());
  tick(0x00000300u, 3);  // 2816 ms later, past the wrap: still waiting
  EXPECT_FALSE(form->monitor.Armed);
  tick(0x00000400u, 3);  // 3072 ms later: re-armed
  EXPECT_TRUE(form->monitor.Armed);
  EXPECT_EQ(1, recoveries());

  form->monitor = MonitorState();
  form->settings.FreeInterval = 60000;
  log.clear();
  tick(0xFFFFFF00u, 10);
  tick(59743u, 10);  // 59999 ms
  EXPECT_EQ(0, recoveries());
  tick(59744u, 10);  // 60000 ms, across the wrap
  EXPECT_EQ(1, recoveries());
}

TEST_F(MonitorTest, TheTrayShowsTheFigureAndIsToldOnlyWhatChanged) {
  tick(10000, 40);
  EXPECT_EQ("Memtidy (40 MB)", trayShell.tip);
  const int before = trayShell.modifies;
  tick(11000, 40);
  tick(12000, 40);
  EXPECT_EQ(before, trayShell.modifies) << "idle ticks at the same figure leave the shell alone";

  form->settings.RAMIcon = 1;
  tick(13000, 41);
  EXPECT_EQ("level 41 idle", describe(trayShell.picture));
  EXPECT_EQ("Memtidy (41 MB)", trayShell.tip);
  EXPECT_EQ(before + 1, trayShell.modifies) << "the new picture and the new tip in one message";
  tick(14000, 41);
  EXPECT_EQ(before + 1, trayShell.modifies) << "the same figure is not drawn again";

  // A recovery at the same figure still shows the busy bar and then the idle
  // one; the tick after it finds the idle figure already shown.
  log.clear();
  form->PopMenuClick(3);
  EXPECT_EQ((EventLog{"tray level 41 busy", "commit 45", "release touched", "tray level 41 idle"}), log);
  tick(15000, 41);
  EXPECT_EQ(before + 3, trayShell.modifies);

  form->settings.RAMIcon = 0;
  tick(16000, 41);
  EXPECT_EQ("idle", describe(trayShell.picture)) << "switching the drawn icon off is passed on at once";
  EXPECT_EQ(before + 4, trayShell.modifies);
}

TEST_F(MonitorTest, TheAboutFiguresFollowOnlyWhileShown) {
  tick(10000, 32);
  EXPECT_EQ("40 MB", surface.text(Ctl::Label25)) << "hidden: start-up figures stay";
  form->ShowMainWindow();
  system.memory.availPageFile = uint64_t(100) << 20;
  tick(11000, 32);
  EXPECT_EQ("32 MB", surface.text(Ctl::Label25));
  EXPECT_EQ("50 %", surface.text(Ctl::Label26));
  EXPECT_EQ("100 MB", surface.text(Ctl::Label28));
  EXPECT_EQ("50 %", surface.text(Ctl::Label29));
  EXPECT_EQ(50, surface.position(Ctl::ProgressBar1));
}

TEST_F(MonitorTest, SliderMovesReachTheMonitorBeforeApply) {
  surface.at(Ctl::RxSlider2).position = 10;
  form->RxSlider2Change();
  EXPECT_EQ("10 MB", surface.text(Ctl::Label31));
  EXPECT_TRUE(surface.enabled(Ctl::Button2));
  form->settings.TargetFreeRAM = 12;
  tick(10000, 9);
  EXPECT_EQ(1, recoveries());
  form->Button3Click();
  EXPECT_EQ(4, form->settings.MinimumFreeRAM) << "Cancel restores the stored value";
}

}  // namespace
}  // namespace mt
