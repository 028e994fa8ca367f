// Defragmem: the order of sound, icons and the block, and blocks that cannot be had.
#include <cmath>

#include "memtool/recovery.h"
#include "tests/host/memtool/memtidy_fixture.h"

namespace mt {
namespace {

TEST_F(MemtidyTest, TheBusyIconAppearsOnlyAfterTheSoundHasFinished) {
  start();
  form->settings.PlaySound = 1;
  form->settings.Music = "C:\\ding.wav";
  form->Defragmem(3);
  EXPECT_EQ((EventLog{"sound C:\\ding.wav", "tray busy", "commit 3", "release touched", "tray idle"}), log);
}

TEST_F(MemtidyTest, TheDrawnIconTurnsBusyWhileRecovering) {
  start();
  form->settings.RAMIcon = 1;
  form->AvailRAM = 7;
  form->Defragmem(2);
  EXPECT_EQ((EventLog{"tray level 7 busy", "commit 2", "release touched", "tray level 7 idle"}), log);
  EXPECT_EQ(0u, form->monitor.PeriodTick);
}

TEST_F(MemtidyTest, ABlockThatCannotBeCommittedTouchesNothingAndTheIdleIconReturns) {
  start();
  memory.failCommit = true;
  form->Defragmem(8);
  EXPECT_EQ((EventLog{"tray busy", "commit 8", "tray idle"}), log);
}

TEST(RecoveryBlock, SizesThatDoNotFitTheAddressSpaceAreRefused) {
  const uint64_t max32 = 0xFFFFFFFFu;
  std::size_t bytes = 0;
  EXPECT_TRUE(blockBytes(4095, max32, &bytes));
  EXPECT_EQ(std::size_t(4095) << 20, bytes);
  EXPECT_FALSE(blockBytes(4096, max32, &bytes)) << "2^32 bytes would wrap to 0 in a 32-bit build";
  EXPECT_FALSE(blockBytes(0xFFFFFFFFu, max32, &bytes));
  EXPECT_FALSE(blockBytes(0, max32, &bytes));
  EXPECT_TRUE(blockBytes(0xFFFFFFFFu, UINT64_MAX, &bytes));
}

TEST_F(MemtidyTest, TrayMenuAmountsAddToTheLastSample) {
  start();
  form->AvailRAM = 20;
  form->settings.Menu2 = 8.9;
  form->PopMenuClick(2);
  EXPECT_EQ("commit 28", log[1]);
  log.clear();
  form->settings.Menu1 = -100;  // garbage from the store: nothing to recover
  form->PopMenuClick(1);
  EXPECT_TRUE(log.empty());
}

TEST(RecoveryAmount, TruncatesAndRefusesWhatDoesNotFit) {
  uint32_t mb = 0;
  EXPECT_TRUE(recoveryAmount(2.99, 10, &mb));
  EXPECT_EQ(12u, mb);
  EXPECT_FALSE(recoveryAmount(-11, 10, &mb));
  EXPECT_FALSE(recoveryAmount(std::nan(""), 10, &mb));
  EXPECT_FALSE(recoveryAmount(4294967295.0, 1, &mb));
  EXPECT_EQ(0, truncToInt(std::nan("")));
  EXPECT_EQ(-1, truncToInt(-1.9));
}

}  // namespace
}  // namespace mt
