#include <gtest/gtest.h>

#include "memtool/system_commands.h"
#include "memtool/tray_menu.h"
#include "tests/fakes/memtool/fake_system_services.h"

namespace mt {
namespace {

TEST(TrayMenu, EntriesInOrderWithAmountsFromTheSettings) {
  TrayAmounts amounts;
  std::vector<std::string> captions;
  for (const auto& item : trayMenuItems(amounts)) captions.push_back(item.separator() ? "-" : item.caption);
  EXPECT_EQ((std::vector<std::string>{"&Restart Windows", "&Suspend Windows", "&Shutdown Windows", "-",
                                      "Clear Clipboard", "-", "Free up 8 MB", "Free up 4 MB", "Free up 2 MB", "-",
                                      "&Open Memtidy ", "&Close Memtidy"}),
            captions);
  amounts.set(16, 8.5, 1e20);
  const auto items = trayMenuItems(amounts);
  EXPECT_EQ("Free up 16 MB", items[6].caption);
  EXPECT_EQ("Free up 8.5 MB", items[7].caption);
  EXPECT_EQ("Free up 1E20 MB", items[8].caption);
}

TEST(TrayMenu, AmountsInGeneralFormWithFifteenDigits) {
  EXPECT_EQ("4", formatAmount(4));
  EXPECT_EQ("0.1", formatAmount(0.1));
  EXPECT_EQ("2.33333333333333", formatAmount(7.0 / 3));
  EXPECT_EQ("1E-5", formatAmount(0.00001));
}

TEST(TrayMenu, IdsRoundTripAndUnknownIdsDoNothing) {
  for (const auto& item : trayMenuItems(TrayAmounts{})) {
    if (item.separator()) continue;
    EXPECT_EQ(item.command, trayCommandForId(item.id)) << item.name;
  }
  EXPECT_EQ(TrayCommand::None, trayCommandForId(0));
  EXPECT_EQ(TrayCommand::None, trayCommandForId(9999));
}

TEST(TrayMenu, OpensAboveTheCursorByOneMenuHeightPerEntry) {
  const MenuOrigin o = trayMenuOrigin(1000, 760, static_cast<int>(trayMenuItems(TrayAmounts{}).size()), 19);
  EXPECT_EQ(1000, o.x);
  EXPECT_EQ(760 - 12 * 19, o.y);
}

TEST(SystemCommands, EachCallRunsBetweenEnablingAndDisablingThePrivilege) {
  TXWinReboot reboot;  // as the form sets it up
  ASSERT_TRUE(reboot.PowerOff);
  ASSERT_FALSE(reboot.ForceTerminateProcesses);

  FakeShutdown restart, shutdown, suspend;
  reboot.Operation = roReboot;
  reboot.Execute(restart);
  reboot.Operation = roShutDown;
  reboot.Execute(shutdown);
  reboot.Operation = roSuspend;
  reboot.Execute(suspend);
  EXPECT_EQ((std::vector<std::string>{"privilege on", "exit 10", "privilege off"}), restart.calls);
  EXPECT_EQ((std::vector<std::string>{"privilege on", "exit 9", "privilege off"}), shutdown.calls);
  EXPECT_EQ((std::vector<std::string>{"privilege on", "power suspend=1 force=0", "privilege off"}), suspend.calls);
}

TEST(SystemCommands, FlagsOfTheOtherOperations) {
  TXWinReboot r;
  r.Operation = roLogOff;
  r.PowerOff = false;
  EXPECT_EQ(0u, r.exitFlags());
  r.ForceTerminateProcesses = true;
  r.Operation = roShutDown;
  EXPECT_EQ(5u, r.exitFlags());
  FakeShutdown hibernate;
  r.Operation = roHibernate;
  r.Execute(hibernate);
  EXPECT_EQ("power suspend=0 force=1", hibernate.calls.at(1));
}

}  // namespace
}  // namespace mt
