// The disk cache, the description panel and the tray menu inside the whole
// form: what ReadData, SaveData, Apply and the tray commands do with them.
#include <algorithm>

#include "tests/fakes/memtool/fake_private_profile.h"
#include "tests/fakes/memtool/fake_system_services.h"
#include "tests/host/memtool/memtidy_fixture.h"

namespace mt {
namespace {

const char kIni[] =
    "[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\n; hand tuned\r\nMinFileCache=3000\r\nMaxFileCache=1000\r\n"
    "[386Enh]\r\ndevice=*vmm\r\n";

class FormCacheTrayTest : public MemtidyTest {
 protected:
  FormCacheTrayTest() {
    services.shutdown = &shutdown;
    services.shell = &shell;
    services.clipboard = &clipboard;
    services.fileDialog = &fileDialog;
    profile.setText("SYSTEM.INI", kIni);
  }
  FakeShutdown shutdown;
  FakeShellOpen shell;
  FakeClipboard clipboard;
  FakeFileDialog fileDialog;
};

TEST_F(FormCacheTrayTest, StartUpShowsTheCacheAndLeavesApplyOff) {
  TForm1& f = start();
  EXPECT_TRUE(surface.errors.empty()) << surface.errors.front();
  EXPECT_EQ("2048", f.MinFileCache);
  EXPECT_EQ("2048 kB", surface.text(Ctl::Label16));
  EXPECT_EQ("1000 kB", surface.text(Ctl::Label17));
  EXPECT_EQ("0 kB", surface.text(Ctl::Label30));
  EXPECT_EQ(64, surface.rangeMax(Ctl::RxSlider3));
  EXPECT_EQ(32, surface.rangeMax(Ctl::RxSlider5));
  EXPECT_FALSE(surface.enabled(Ctl::Button2));
  EXPECT_EQ(kIni, profile.text("SYSTEM.INI"));  // loading writes nothing
}

TEST_F(FormCacheTrayTest, AutomaticApplyDefaultApply) {
  TForm1& f = start();
  f.Button1Click();
  EXPECT_TRUE(surface.enabled(Ctl::Button2));
  f.Button2Click();
  EXPECT_EQ("8192", profile.readString("SYSTEM.INI", "vcache", "MinFileCache", "-"));
  EXPECT_EQ("16384", profile.readString("SYSTEM.INI", "vcache", "MaxFileCache", "-"));
  EXPECT_EQ("512", profile.readString("SYSTEM.INI", "vcache", "CHUNKSIZE", "-"));
  f.Button4Click();
  f.Button2Click();
  EXPECT_EQ("[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\n; hand tuned\r\n[386Enh]\r\ndevice=*vmm\r\n",
            profile.text("SYSTEM.INI"));
  EXPECT_TRUE(surface.errors.empty());
}

TEST_F(FormCacheTrayTest, UnwritableFileShowsTheErrorAndSkipsTheRegistry) {
  TForm1& f = start();
  f.Button1Click();
  surface.setPosition(Ctl::RxSlider1, 20);
  f.RxSlider1Change();
  profile.lock("SYSTEM.INI");
  EXPECT_FALSE(f.Guarded([&] { f.Button2Click(); }));
  f.Guarded([&] { f.Button2Click(); });
  ASSERT_EQ(2u, surface.errors.size());
  EXPECT_EQ("Unable to write to SYSTEM.INI", surface.errors[0]);
  EXPECT_EQ(kIni, profile.text("SYSTEM.INI"));
  EXPECT_FALSE(registry.has(RegRoot::CurrentUser, kSettingsKey, "Target Fre RAM"));
}

TEST_F(FormCacheTrayTest, NTNeitherReadsNorWritesTheFile) {
  system.platform = kPlatformNt;
  profile.lock("SYSTEM.INI");  // any write would fail loudly
  TForm1& f = start();
  EXPECT_EQ("0", f.MinFileCache);
  EXPECT_FALSE(surface.enabled(Ctl::RxSlider3));
  EXPECT_FALSE(surface.enabled(Ctl::Button1));
  f.Button2Click();
  EXPECT_TRUE(surface.errors.empty());
  EXPECT_EQ(0, profile.writes);
}

TEST_F(FormCacheTrayTest, HoverKeepsLinesForUnlistedControlsAndUsesTheTabPoint) {
  TForm1& f = start();
  f.ControlMouseMove(Ctl::PageControl1, 20, 140);
  EXPECT_EQ("Memtidy will recover and defragment your RAM if only the CPU", surface.text(Ctl::Label8));
  f.ControlMouseMove(Ctl::Label18, 1, 1);
  EXPECT_EQ("Memtidy will recover and defragment your RAM if only the CPU", surface.text(Ctl::Label8));
  f.ControlMouseMove(Ctl::PageControl1, 20, 250);
  EXPECT_EQ("", surface.text(Ctl::Label8));
  EXPECT_EQ("", surface.text(Ctl::Label9));
  surface.tab = kTabCache;
  f.ControlMouseMove(Ctl::Button4, 3, 3);
  EXPECT_EQ("to Windows default", surface.text(Ctl::Label9));
  f.ControlMouseMove(Ctl::GroupBox5, 3, 3);
  EXPECT_EQ("", surface.text(Ctl::Label9));
}

TEST_F(FormCacheTrayTest, TrayCommands) {
  TForm1& f = start();
  f.TrayMenuCommand(TrayCommand::RestartWindows);
  f.TrayMenuCommand(TrayCommand::SuspendWindows);
  f.TrayMenuCommand(TrayCommand::ShutdownWindows);
  EXPECT_EQ((std::vector<std::string>{"privilege on", "exit 10", "privilege off", "privilege on",
                                      "power suspend=1 force=0", "privilege off", "privilege on", "exit 9",
                                      "privilege off"}),
            shutdown.calls);
  EXPECT_EQ(roShutDown, f.XWinReboot1.Operation);

  f.TrayMenuCommand(TrayCommand::ClearClipboard);
  EXPECT_EQ(1, clipboard.clears);

  f.TrayMenuCommand(TrayCommand::FreeUp3);  // Menu3 = 64 div 16 = 4, plus the 40 MB free
  EXPECT_EQ(1, recoveries());
  EXPECT_NE(std::find(log.begin(), log.end(), "commit 44"), log.end());

  surface.tab = kTabCache;
  f.TrayMenuCommand(TrayCommand::Open);
  EXPECT_TRUE(surface.shown);
  EXPECT_EQ(kTabMemtidy, surface.tab);
  f.TrayMenuCommand(TrayCommand::Close);
  EXPECT_TRUE(surface.closed);
}

TEST_F(FormCacheTrayTest, SoundChooserAndLinksUseTheMainWindow) {
  TForm1& f = start();
  fileDialog.answers = {"C:\\Media\\tada.wav"};
  f.SpeedButton1Click();
  EXPECT_EQ("C:\\Media\\tada.wav", f.settings.Music);
  EXPECT_EQ("C:\\Media\\tada.wav", surface.text(Ctl::Edit1));
  EXPECT_TRUE(surface.enabled(Ctl::Button2));
  f.LinkClick(Ctl::Label13);
  ASSERT_EQ(1u, shell.calls.size());
  EXPECT_EQ(0x1234u, shell.calls[0].owner);
}

}  // namespace
}  // namespace mt
