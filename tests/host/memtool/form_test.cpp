// The main window's states, tabs, Apply and Cancel, and loading into controls.
#include "memtool/icon_layout.h"
#include "memtool/memory_figures.h"
#include "memtool/tray_icon.h"
#include "tests/host/memtool/memtidy_fixture.h"

namespace mt {
namespace {

TEST(MemoryFigures, TotalRamRoundsUpOnlyPastFiveBytes) {
  EXPECT_EQ(64, totalRamMB(67108864));
  EXPECT_EQ(64, totalRamMB(67108869));
  EXPECT_EQ(65, totalRamMB(67108870));
  EXPECT_EQ(65535, totalRamMB(uint64_t(64) << 30)) << "64 GiB must not wrap to 0";
  EXPECT_EQ(65535, bytesToMB(uint64_t(1) << 40));
  EXPECT_EQ(0, percentOf(10, 0));
  EXPECT_EQ(62, percentOf(40, 64));
}

TEST(IconLayout, FigurePositions) {
  EXPECT_EQ("7", iconText(7).text);
  EXPECT_EQ(8, iconText(7).x);
  EXPECT_EQ(4, iconText(10).x);
  EXPECT_EQ("42", iconText(42).text);
  EXPECT_EQ(4, iconText(99).x);
  EXPECT_EQ(".100", iconText(100).text);
  EXPECT_EQ(-2, iconText(100).x);
  EXPECT_EQ(255, levelBarColour(true).r);
  EXPECT_EQ(0, levelBarColour(false).r);
}

TEST(TrayIconState, VisibilityAndTipRules) {
  EventLog log;
  FakeTrayShell shell(log);
  {
    TrayIcon icon(shell);
    icon.setTip("before");  // not visible: kept, not passed on
    icon.setVisible(false);
    EXPECT_TRUE(log.empty());
    icon.setVisible(true);
    icon.setVisible(true);
    EXPECT_EQ(EventLog{"tray add program"}, log);
    EXPECT_EQ("before", shell.tip);
    icon.setTip(std::string(80, 'x'));
    EXPECT_EQ(63u, shell.tip.size());
    icon.setTip(std::string(70, 'x'));  // the same once cut
    EXPECT_EQ(2u, log.size());
  }
  EXPECT_EQ("tray remove", log.back()) << "the icon leaves the tray with the program";
}

TEST_F(MemtidyTest, FiguresAreZeroWhenATotalIsZero) {
  system.memory.totalPageFile = 0;
  system.memory.availPageFile = 0;
  TForm1& f = start();
  EXPECT_EQ(0, f.PagePercent);
  EXPECT_EQ("0 %", surface.text(Ctl::Label29));
  EXPECT_EQ("64 MB", surface.text(Ctl::Label24));
  EXPECT_EQ("62 %", surface.text(Ctl::Label26));
}

TEST_F(MemtidyTest, AStoredTargetAboveTotalRamShowsAtTheEndAndTakesThatValue) {
  registry.setDword(RegRoot::CurrentUser, kSettingsKey, "Target Fre RAM", 500);
  TForm1& f = start();
  EXPECT_EQ(64, surface.position(Ctl::RxSlider1));
  EXPECT_EQ(64, f.settings.TargetFreeRAM);
  EXPECT_EQ("64 MB", surface.text(Ctl::Label18));
  EXPECT_FALSE(surface.enabled(Ctl::Button2)) << "start-up disables Apply after loading";
}

TEST_F(MemtidyTest, SpinEditsShowWholeNumbersWithinTheirRange) {
  registry.setDouble(RegRoot::CurrentUser, kSettingsKey, "FreeValue1", 2.6);
  registry.setDouble(RegRoot::CurrentUser, kSettingsKey, "FreeTime", 600);
  registry.setDouble(RegRoot::CurrentUser, kSettingsKey, "Menu1", 2.5);
  TForm1& f = start();
  EXPECT_EQ("3", surface.text(Ctl::RxSpinEdit1));
  EXPECT_EQ("60", surface.text(Ctl::RxSpinEdit2));
  EXPECT_EQ(2.6, f.settings.FreeValue1) << "memory keeps the stored value until Apply";
  EXPECT_EQ("Free up 2.5 MB", f.PopMenuCaptions[0]);
  f.RxSpinEditStep(Ctl::RxSpinEdit2, 1);
  EXPECT_EQ("60", surface.text(Ctl::RxSpinEdit2));
  f.RxSpinEditStep(Ctl::RxSpinEdit2, -1);
  EXPECT_EQ("59", surface.text(Ctl::RxSpinEdit2));
  EXPECT_TRUE(surface.enabled(Ctl::Button2));
}

TEST_F(MemtidyTest, CancelReloadsButLoadingOnlyEverChecksTheBoxes) {
  registry.setDword(RegRoot::CurrentUser, kSettingsKey, "RAMIcon", 1);
  TForm1& f = start();
  f.ShowMainWindow();
  surface.at(Ctl::CheckBox3).checked = false;
  f.Button3Click();
  EXPECT_TRUE(surface.checked(Ctl::CheckBox3)) << "stored on: re-checked";

  registry.setDword(RegRoot::CurrentUser, kSettingsKey, "RAMIcon", 0);
  f.ShowMainWindow();
  surface.at(Ctl::CheckBox3).checked = true;
  f.Button3Click();
  EXPECT_TRUE(surface.checked(Ctl::CheckBox3)) << "stored off: left checked";
  EXPECT_TRUE(f.Hidden);
  EXPECT_FALSE(surface.shown);
}

TEST_F(MemtidyTest, WindowStatesTabsAndSystemCommands) {
  TForm1& f = start();
  surface.tab = kTabAbout;
  f.ShowMainWindow();
  EXPECT_TRUE(surface.shown);
  EXPECT_FALSE(f.Hidden);
  EXPECT_EQ(kTabMemtidy, surface.tab);

  surface.tab = kTabAbout;
  f.PageControl1Change();
  EXPECT_FALSE(surface.visible(Ctl::GroupBox5));
  surface.tab = kTabCache;
  f.PageControl1Change();
  EXPECT_TRUE(surface.visible(Ctl::GroupBox5));
  EXPECT_EQ("", surface.text(Ctl::Label8)) << "the 95/98 family supports the cache";

  surface.tab = kTabAbout;
  f.PageControl1Change();
  EXPECT_TRUE(f.WMSysCommand(kScMinimize));
  EXPECT_TRUE(f.Hidden);
  EXPECT_EQ(kTabMemtidy, surface.tab);
  EXPECT_TRUE(surface.visible(Ctl::GroupBox5));
  EXPECT_FALSE(f.WMSysCommand(0xF030)) << "maximise and the rest go to the default procedure";
  EXPECT_FALSE(surface.closed);
  EXPECT_TRUE(f.WMSysCommand(kScClose));
  EXPECT_TRUE(surface.closed);
}

TEST_F(MemtidyTest, NtShowsItsCacheNotice) {
  system.platform = kPlatformNt;
  TForm1& f = start();
  surface.tab = kTabCache;
  f.PageControl1Change();
  EXPECT_EQ("This feature is not supported in NT.", surface.text(Ctl::Label8));
  surface.setText(Ctl::Label9, "kept");
  surface.tab = kTabOptions;
  f.PageControl1Change();
  EXPECT_EQ("", surface.text(Ctl::Label8));
  EXPECT_EQ("kept", surface.text(Ctl::Label9));
}

TEST_F(MemtidyTest, TheSoundBoxEnablesItsFileControls) {
  TForm1& f = start();
  EXPECT_FALSE(surface.enabled(Ctl::Edit1));
  surface.at(Ctl::CheckBox1).checked = true;
  f.CheckBox1Click();
  EXPECT_TRUE(surface.enabled(Ctl::Edit1));
  EXPECT_TRUE(surface.enabled(Ctl::SpeedButton1));
  EXPECT_TRUE(surface.enabled(Ctl::Button2));
}

}  // namespace
}  // namespace mt
