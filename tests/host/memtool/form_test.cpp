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

// A 32-pixel icon whose digits advance 9 pixels with ink from 1 pixel
// after the pen; the full stop advances 4 with ink from 1 before it.
IconGlyphs glyphsOf32PixelIcon() {
  IconGlyphs g;
  g.iconWidth = 32;
  g.dot = {4, -1};
  for (IconGlyph& d : g.digit) d = {9, 1};
  return g;
}

TEST(IconLayout, VisibleTextIsWhatStartsInsideTheIcon) {
  IconGlyphs g = glyphsOf32PixelIcon();
  EXPECT_EQ("42", visibleIconText(iconText(42), g)) << "two digits at x 4 fit";
  EXPECT_EQ("7", visibleIconText(iconText(7), g));
  // ".12345" at x -2: the pen moves to 2, 11, 20, 29 and 38; the 4 inks from 30, inside.
  EXPECT_EQ(".1234", visibleIconText(iconText(12345), g));
  EXPECT_EQ(visibleIconText(iconText(12345), g), visibleIconText(iconText(12349), g))
      << "a change in a digit past the edge draws the same picture";
  EXPECT_NE(visibleIconText(iconText(12345), g), visibleIconText(iconText(12355), g));
  g.digit[4].inkStart = 3;  // ink from 32: outside
  EXPECT_EQ(".123", visibleIconText(iconText(12345), g));
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

// The monitor sets picture and tip every second; the shell hears only changes,
// except after it refused one, when the next update goes through anyway.
TEST(TrayIconState, OnlyChangesReachTheShellUnlessItRefused) {
  EventLog log;
  FakeTrayShell shell(log);
  TrayIcon icon(shell);
  const TrayPicture level40{TrayPicture::Kind::Level, 40, false};
  const TrayPicture busy40{TrayPicture::Kind::Level, 40, true};
  const TrayPicture level41{TrayPicture::Kind::Level, 41, false};
  icon.update(level40, "Memtidy (40 MB)");  // not visible: kept for the add
  EXPECT_TRUE(log.empty());
  icon.setVisible(true);
  EXPECT_EQ(EventLog{"tray add level 40 idle"}, log);
  EXPECT_EQ("Memtidy (40 MB)", shell.tip);

  icon.update(level40, "Memtidy (40 MB)");
  icon.setPicture(level40);
  icon.setTip("Memtidy (40 MB)");
  EXPECT_EQ(0, shell.modifies) << "nothing changed, nothing passed on";
  icon.update(busy40, "Memtidy (40 MB)");
  icon.update(level40, "Memtidy (39 MB)");
  EXPECT_EQ(2, shell.modifies) << "the bar colour alone, then the tip alone, are changes";
  EXPECT_EQ("Memtidy (39 MB)", shell.tip);
  icon.update(level40, (std::string(63, 'y') + "z").c_str());
  icon.setTip(std::string(63, 'y') + "w");
  EXPECT_EQ(3, shell.modifies) << "tips equal once cut to 63 characters are the same";

  shell.refuse = true;
  icon.update(level41, "Memtidy (41 MB)");
  shell.refuse = false;
  EXPECT_EQ("level 40 idle", describe(shell.picture));
  icon.update(level41, "Memtidy (41 MB)");
  EXPECT_EQ("level 41 idle", describe(shell.picture)) << "a refused change is sent again";
  EXPECT_EQ("Memtidy (41 MB)", shell.tip);
  const int sent = shell.modifies;
  icon.update(level41, "Memtidy (41 MB)");
  EXPECT_EQ(sent, shell.modifies) << "once accepted, the same picture is quiet again";
  icon.refresh();
  EXPECT_EQ(sent + 1, shell.modifies) << "a refresh draws the same picture again";

  // No tray yet when the icon was added: the next update adds it.
  icon.setVisible(false);
  shell.refuse = true;
  icon.setVisible(true);
  shell.refuse = false;
  log.clear();
  icon.update(level41, "Memtidy (41 MB)");
  EXPECT_EQ((EventLog{"tray level 41 idle", "tray add level 41 idle"}), log);
  EXPECT_TRUE(shell.shown);
  icon.update(level41, "Memtidy (41 MB)");
  EXPECT_EQ(2u, log.size());
}

// GlobalMemoryStatus caps or wraps past 4 GB; on the NT family the 64-bit
// call gives the true figure, up to the 16-bit figures' 65535 MB.
TEST_F(MemtidyTest, LargeMachinesOnTheNtFamilyShowTrueFigures) {
  const struct {
    uint32_t platform;
    bool hasEx;
    uint64_t totalGB;
    uint16_t totalMB, availMB;
  } cases[] = {
      {kPlatformNt, true, 6, 6144, 5120},       // 6 GB, 5 GB free
      {kPlatformNt, true, 70, 65535, 65535},    // 70 GB: clamped, not wrapped
      {kPlatformNt, false, 6, 4096, 4095},      // NT 4: the 32-bit call is all there is
      {kPlatformWindows, true, 6, 4096, 4095},  // the 95/98 family keeps the 32-bit call
  };
  for (const auto& c : cases) {
    system.platform = c.platform;
    system.hasEx = c.hasEx;
    system.memory.totalPhys = system.memory.availPhys = 0xFFFFFFFFu;  // what the 32-bit call caps at
    system.memoryEx = system.memory;
    system.memoryEx.totalPhys = c.totalGB << 30;
    system.memoryEx.availPhys = (c.totalGB - 1) << 30;
    TForm1& f = start();
    EXPECT_EQ(c.totalMB, f.TotalRAM) << c.totalGB << " GB, Ex " << c.hasEx;
    EXPECT_EQ(std::to_string(c.totalMB) + " MB", surface.text(Ctl::Label24));
    tick(5000, 1);  // the 32-bit call now says 1 MB free
    EXPECT_EQ(c.hasEx && c.platform == kPlatformNt ? c.availMB : 1, f.AvailRAM) << c.totalGB << " GB";
  }
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
  EXPECT_FALSE(surface.enabled(Ctl::Button2)) << "an arrow at the limit changes nothing to apply";
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
  f.ShowMainWindow();
  surface.tab = kTabAbout;
  f.PageControl1Change();
  EXPECT_FALSE(surface.visible(Ctl::GroupBox5));
  f.ShowMainWindow();  // the tray's open command, with About still selected
  EXPECT_TRUE(surface.shown);
  EXPECT_FALSE(f.Hidden);
  EXPECT_EQ(kTabMemtidy, surface.tab);
  EXPECT_TRUE(surface.visible(Ctl::GroupBox5)) << "the first tab shows its description box";

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

// Every box enables Apply; only the sound box switches the file controls.
TEST_F(MemtidyTest, TheCheckBoxHandlers) {
  TForm1& f = start();
  const struct {
    Ctl box;
    void (TForm1::*click)();
  } boxes[] = {{Ctl::CheckBox1, &TForm1::CheckBox1Click},
               {Ctl::CheckBox2, &TForm1::CheckBox2Click},
               {Ctl::CheckBox3, &TForm1::CheckBox3Click}};
  for (const auto& b : boxes) {
    for (bool on : {true, false}) {
      surface.setEnabled(Ctl::Button2, false);
      surface.at(b.box).checked = on;
      (f.*b.click)();
      EXPECT_TRUE(surface.enabled(Ctl::Button2)) << int(b.box) << " " << on;
      const bool sound = b.box == Ctl::CheckBox1 ? on : surface.checked(Ctl::CheckBox1);
      EXPECT_EQ(sound, surface.enabled(Ctl::Edit1)) << int(b.box) << " " << on;
      EXPECT_EQ(sound, surface.enabled(Ctl::SpeedButton1)) << int(b.box) << " " << on;
    }
  }
}

}  // namespace
}  // namespace mt
