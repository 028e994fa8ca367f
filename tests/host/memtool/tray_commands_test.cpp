#include <gtest/gtest.h>

#include "memtool/system_commands.h"
#include "memtool/tray_menu.h"
#include "tests/fakes/memtool/fake_system_services.h"

namespace mt {
namespace {

const std::string kAmounts[3] = {"Free up 16 MB", "Free up 8.5 MB", "Free up 4 MB"};

TEST(TrayMenu, EntriesInOrderWithTheAmountCaptions) {
  std::vector<std::string> captions;
  for (const auto& item : trayMenuItems(kAmounts)) captions.push_back(item.separator() ? "-" : item.caption);
  EXPECT_EQ((std::vector<std::string>{"&Restart Windows", "&Suspend Windows", "&Shutdown Windows", "-",
                                      "Clear Clipboard", "-", "Free up 16 MB", "Free up 8.5 MB", "Free up 4 MB", "-",
                                      "&Open Memtidy ", "&Close Memtidy"}),
            captions);
}

TEST(TrayMenu, IdsRoundTripAndUnknownIdsDoNothing) {
  for (const auto& item : trayMenuItems(kAmounts)) {
    if (item.separator()) continue;
    EXPECT_EQ(item.command, trayCommandForId(item.id)) << item.name;
  }
  EXPECT_EQ(TrayCommand::None, trayCommandForId(0));
  EXPECT_EQ(TrayCommand::None, trayCommandForId(9999));
}

TEST(TrayMenu, OpensAboveTheCursorByOneMenuHeightPerEntry) {
  const MenuOrigin o = trayMenuOrigin(1000, 760, static_cast<int>(trayMenuItems(kAmounts).size()), 19);
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
