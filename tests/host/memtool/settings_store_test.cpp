// Loading and storing the settings over a typed registry.
#include "tests/host/memtool/memtidy_fixture.h"

namespace mt {
namespace {

const RegRoot HKCU = RegRoot::CurrentUser;
const RegRoot HKLM = RegRoot::LocalMachine;

TEST_F(MemtidyTest, FirstStartOnA64MBWin98MachineRecordsTheFolderAndUsesTheDefaults) {
  TForm1& f = start();
  EXPECT_EQ("C:\\Tools\\Memtidy", stored("CurrentDir"));
  EXPECT_EQ(64, f.TotalRAM);
  EXPECT_EQ(8, f.settings.TargetFreeRAM);
  EXPECT_EQ(4, f.settings.MinimumFreeRAM);
  EXPECT_EQ(2, f.settings.FreeValue1);
  EXPECT_EQ(6, f.settings.FreeTime);
  EXPECT_EQ(360000, f.settings.FreeInterval);
  EXPECT_EQ(50, f.settings.FreeCPU);
  EXPECT_EQ(16, f.settings.Menu1);
  EXPECT_EQ(8, f.settings.Menu2);
  EXPECT_EQ(4, f.settings.Menu3);
  EXPECT_EQ("C:\\Tools\\Memtidy\\confirmation.wav", f.settings.Music);
  EXPECT_EQ("\"C:\\Tools\\Memtidy\\Memtidy.exe\"", registry.string(HKLM, kRunKey, "Memtidy"));
  EXPECT_TRUE(surface.checked(Ctl::CheckBox2));
  EXPECT_EQ("Free up 16 MB", f.PopMenuCaptions[0]);
  EXPECT_EQ("Free up 4 MB", f.PopMenuCaptions[2]);
  EXPECT_EQ(0, registry.openKeys()) << "every key is closed by the operation that opened it";
}

TEST_F(MemtidyTest, StartUpEndsHiddenInTheTrayWithTheMonitorRunning) {
  start();
  EXPECT_TRUE(form->Hidden);
  EXPECT_FALSE(surface.shown);
  EXPECT_FALSE(surface.enabled(Ctl::Button2));
  EXPECT_EQ(1000u, surface.timerMs);
  EXPECT_TRUE(trayShell.shown);
  EXPECT_EQ("idle", describe(trayShell.picture));
  EXPECT_TRUE(surface.errors.empty()) << surface.errors.front();
}

TEST_F(MemtidyTest, NtDefaultsAndDisabledControls) {
  system.platform = kPlatformNt;
  system.setMB(128, 60);
  TForm1& f = start();
  EXPECT_EQ(OsFamily::WinNT, f.OSName);
  EXPECT_EQ(4, f.settings.MinimumFreeRAM);  // 128 div 32
  EXPECT_FALSE(surface.enabled(Ctl::RxSpinEdit7));
  EXPECT_FALSE(surface.enabled(Ctl::CPUFree));
  EXPECT_FALSE(surface.enabled(Ctl::RxSlider3));
  EXPECT_FALSE(surface.enabled(Ctl::Button1));
}

TEST_F(MemtidyTest, TheRecordedFolderStaysWhenStartedFromElsewhere) {
  registry.setString(HKCU, kSettingsKey, "CurrentDir", "D:\\Old");
  system.directory = "E:\\Elsewhere";
  TForm1& f = start();
  EXPECT_EQ("D:\\Old", f.CurrentDir);
  EXPECT_EQ("D:\\Old", stored("CurrentDir"));
  EXPECT_EQ("\"D:\\Old\\Memtidy.exe\"", registry.string(HKLM, kRunKey, "Memtidy"));
}

TEST_F(MemtidyTest, ACurrentDirThatIsNotTextIsReportedAndStartUpGoesOn) {
  registry.setDword(HKCU, kSettingsKey, "CurrentDir", 7);
  TForm1& f = start();
  ASSERT_EQ(1u, surface.errors.size());
  EXPECT_EQ("Invalid data type for 'CurrentDir'", surface.errors[0]);
  EXPECT_EQ(7u, registry.dword(HKCU, kSettingsKey, "CurrentDir")) << "the stored value is not replaced";
  // Still reachable: hidden in the tray with the monitor on, working from where it was started.
  EXPECT_TRUE(f.Hidden);
  EXPECT_EQ(1000u, surface.timerMs);
  EXPECT_EQ("\"C:\\Tools\\Memtidy\\Memtidy.exe\"", registry.string(HKLM, kRunKey, "Memtidy"));
}

TEST_F(MemtidyTest, ValuesOfTheWrongTypeOrSizeFallBackToTheirDefaults) {
  registry.setRaw(HKCU, kSettingsKey, "Target Fre RAM", kRegDword, {20, 0});         // too short
  registry.setRaw(HKCU, kSettingsKey, "Minimum Free RAM", kRegBinary, {5, 0, 0, 0});  // wrong type
  registry.setRaw(HKCU, kSettingsKey, "FreeValue1", kRegBinary, {0, 0, 0, 0});        // 4 bytes, not 8
  registry.setDword(HKCU, kSettingsKey, "FreeTime", 3);                               // integer, not double
  registry.setString(HKCU, kSettingsKey, "Music", "");
  registry.setRaw(HKCU, kSettingsKey, "Menu1", kRegBinary, std::vector<uint8_t>(9, 0));
  TForm1& f = start();
  EXPECT_EQ(8, f.settings.TargetFreeRAM);
  EXPECT_EQ(4, f.settings.MinimumFreeRAM);
  EXPECT_EQ(2, f.settings.FreeValue1);
  EXPECT_EQ(6, f.settings.FreeTime);
  EXPECT_EQ(16, f.settings.Menu1);
  EXPECT_EQ("", f.settings.Music) << "an empty text is a valid text";
  EXPECT_TRUE(surface.errors.empty());
}

TEST_F(MemtidyTest, IntegersKeepTheirLow16BitsAndOnlyOneSwitchesOn) {
  registry.setDword(HKCU, kSettingsKey, "Target Fre RAM", 0x10000 + 12);
  registry.setDword(HKCU, kSettingsKey, "RAMIcon", 2);
  registry.setDword(HKCU, kSettingsKey, "PlaySound", 0x10001);
  TForm1& f = start();
  EXPECT_EQ(12, f.settings.TargetFreeRAM);
  EXPECT_EQ(0, f.settings.RAMIcon);
  EXPECT_EQ(1, f.settings.PlaySound);
  EXPECT_TRUE(surface.enabled(Ctl::Edit1));
}

TEST_F(MemtidyTest, TextWithoutTerminatorEndsWithItsData) {
  registry.setRaw(HKCU, kSettingsKey, "Music", kRegSz, {'a', '.', 'w', 'a', 'v'});
  registry.setRaw(HKCU, kSettingsKey, "CurrentDir", kRegSz, {'D', ':', 0, 'x', 'y'});
  TForm1& f = start();
  EXPECT_EQ("a.wav", f.settings.Music);
  EXPECT_EQ("D:", f.CurrentDir);
  EXPECT_EQ("a.wav", surface.text(Ctl::Edit1));
}

TEST_F(MemtidyTest, AutoStartOfTheWrongTypeDeletesTheRunEntryAndLeavesTheBox) {
  registry.setString(HKLM, kRunKey, "Memtidy", "old");
  registry.setString(HKCU, kSettingsKey, "AutoStart", "1");
  surface.at(Ctl::CheckBox2).checked = true;
  TForm1& f = start();
  EXPECT_EQ(0, f.settings.AutoStart);
  EXPECT_FALSE(registry.has(HKLM, kRunKey, "Memtidy"));
  EXPECT_TRUE(surface.checked(Ctl::CheckBox2)) << "loading never unchecks";
}

TEST_F(MemtidyTest, AutoStartZeroWithoutARunKeyIsNoError) {
  registry = FakeRegistry();
  registry.setDword(HKCU, kSettingsKey, "AutoStart", 0);
  start();
  EXPECT_TRUE(surface.errors.empty());
  EXPECT_FALSE(registry.keyExists(HKLM, kRunKey)) << "loading never creates the Run key";
}

// A user who may not change HKEY_LOCAL_MACHINE: every setting still loads,
// Apply and Cancel still work, nothing stored is lost, and the failed Run
// entry is reported once per operation.
TEST_F(MemtidyTest, AUserWhoMayNotWriteTheRunEntryLosesNoSetting) {
  registry.setDword(HKCU, kSettingsKey, "Target Fre RAM", 20);
  registry.setDword(HKCU, kSettingsKey, "Minimum Free RAM", 10);
  const char* doubles[] = {"FreeValue1", "FreeTime", "FreeCPU", "Menu1", "Menu2", "Menu3"};
  const double values[] = {3, 9, 40, 12, 6, 3};
  for (int i = 0; i < 6; ++i) registry.setDouble(HKCU, kSettingsKey, doubles[i], values[i]);
  for (const char* name : {"RAMIcon", "PlaySound", "AutoStart"}) registry.setDword(HKCU, kSettingsKey, name, 1);
  registry.setString(HKCU, kSettingsKey, "Music", "D:\\ding.wav");
  registry.readOnlyRoots = {HKLM};
  auto storedBytes = [&] {
    std::vector<std::vector<uint8_t>> all;
    for (const char* name : {"Target Fre RAM", "Minimum Free RAM", "FreeValue1", "FreeTime", "FreeCPU", "Menu1",
                             "Menu2", "Menu3", "RAMIcon", "PlaySound", "Music", "AutoStart", "CurrentDir"})
      all.push_back(registry.has(HKCU, kSettingsKey, name) ? registry.get(HKCU, kSettingsKey, name)->data
                                                            : std::vector<uint8_t>{});
    return all;
  };

  TForm1& f = start();
  ASSERT_EQ(1u, surface.errors.size());
  EXPECT_EQ("Failed to set data for 'Memtidy'", surface.errors[0]);
  EXPECT_EQ(20, surface.position(Ctl::RxSlider1));
  EXPECT_EQ(10, surface.position(Ctl::RxSlider2));
  const Ctl spins[] = {Ctl::RxSpinEdit1, Ctl::RxSpinEdit2, Ctl::RxSpinEdit7,
                       Ctl::RxSpinEdit3, Ctl::RxSpinEdit4, Ctl::RxSpinEdit5};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(std::to_string(int(values[i])), surface.text(spins[i])) << doubles[i];
  EXPECT_TRUE(surface.checked(Ctl::CheckBox3));
  EXPECT_TRUE(surface.checked(Ctl::CheckBox1));
  EXPECT_EQ("D:\\ding.wav", surface.text(Ctl::Edit1));
  EXPECT_FALSE(surface.checked(Ctl::CheckBox2)) << "no Run entry, and the box says so";
  EXPECT_TRUE(f.Hidden);
  EXPECT_FALSE(surface.enabled(Ctl::Button2));

  const auto before = storedBytes();
  surface.setEnabled(Ctl::Button2, true);
  EXPECT_FALSE(f.Guarded([&] { f.Button2Click(); }));
  EXPECT_EQ(2u, surface.errors.size()) << "Apply reports the failed write once";
  EXPECT_EQ(before, storedBytes()) << "Apply kept every stored value, AutoStart included";
  EXPECT_FALSE(surface.enabled(Ctl::Button2));

  f.ShowMainWindow();
  f.Guarded([&] { f.Button3Click(); });
  EXPECT_EQ(3u, surface.errors.size());
  EXPECT_TRUE(f.Hidden) << "Cancel hides the window";
  EXPECT_EQ(before, storedBytes());
  EXPECT_EQ(0, registry.openKeys());

  // The user's own click on the box decides again.
  surface.at(Ctl::CheckBox2).checked = false;
  f.CheckBox2Click();
  f.Guarded([&] { f.Button2Click(); });
  EXPECT_EQ(0u, registry.dword(HKCU, kSettingsKey, "AutoStart"));
  EXPECT_EQ(3u, surface.errors.size()) << "a failed delete is no error";
}

TEST_F(MemtidyTest, ARunEntryThatCannotBeDeletedShowsAsOn) {
  registry.setString(HKLM, kRunKey, "Memtidy", "\"C:\\Tools\\Memtidy\\Memtidy.exe\"");
  registry.setDword(HKCU, kSettingsKey, "AutoStart", 0);
  registry.readOnlyRoots = {HKLM};
  start();
  EXPECT_TRUE(surface.errors.empty());
  EXPECT_TRUE(surface.checked(Ctl::CheckBox2)) << "Memtidy still starts with Windows";
  form->Guarded([&] { form->Button2Click(); });
  EXPECT_EQ(0u, registry.dword(HKCU, kSettingsKey, "AutoStart")) << "the stored wish is kept";
}

TEST_F(MemtidyTest, ApplyWritesEveryValueWithItsType) {
  start();
  surface.at(Ctl::RxSlider1).position = 20;
  surface.setText(Ctl::RxSpinEdit2, "9");
  surface.setText(Ctl::RxSpinEdit3, "30");
  surface.at(Ctl::CheckBox3).checked = true;
  surface.at(Ctl::CheckBox2).checked = false;
  registry.writes.clear();
  form->Button2Click();
  std::vector<std::string> order = {"Target Fre RAM", "Minimum Free RAM", "FreeValue1", "FreeTime", "FreeCPU",
                                    "Menu1", "Menu2", "Menu3", "RAMIcon", "PlaySound", "Music", "AutoStart"};
  EXPECT_EQ(order, registry.writes);
  EXPECT_EQ(kRegDword, registry.get(HKCU, kSettingsKey, "Target Fre RAM")->type);
  EXPECT_EQ(20u, registry.dword(HKCU, kSettingsKey, "Target Fre RAM"));
  EXPECT_EQ(kRegBinary, registry.get(HKCU, kSettingsKey, "FreeTime")->type);
  EXPECT_EQ(9.0, registry.getDouble(HKCU, kSettingsKey, "FreeTime"));
  EXPECT_EQ(30.0, registry.getDouble(HKCU, kSettingsKey, "Menu1"));
  EXPECT_EQ(1u, registry.dword(HKCU, kSettingsKey, "RAMIcon"));
  EXPECT_EQ(0u, registry.dword(HKCU, kSettingsKey, "AutoStart"));
  EXPECT_EQ(kRegSz, registry.get(HKCU, kSettingsKey, "Music")->type);
  EXPECT_FALSE(registry.has(HKLM, kRunKey, "Memtidy"));
  EXPECT_EQ(540000, form->settings.FreeInterval) << "Apply reloads what it stored";
  EXPECT_EQ("Free up 30 MB", form->PopMenuCaptions[0]);
  EXPECT_FALSE(surface.enabled(Ctl::Button2));
  EXPECT_EQ(0, registry.openKeys());
}

TEST_F(MemtidyTest, AFailedWriteStopsApplyAtThatValue) {
  start();
  registry.failingWrites = {"FreeCPU"};
  registry.writes.clear();
  surface.setEnabled(Ctl::Button2, true);
  form->Guarded([&] { form->Button2Click(); });
  ASSERT_EQ(1u, surface.errors.size());
  EXPECT_EQ("Failed to set data for 'FreeCPU'", surface.errors[0]);
  EXPECT_EQ((std::vector<std::string>{"Memtidy", "Target Fre RAM", "Minimum Free RAM", "FreeValue1", "FreeTime"}),
            registry.writes);
  EXPECT_TRUE(surface.enabled(Ctl::Button2)) << "a failed Apply leaves the edits pending";
  EXPECT_EQ(0, registry.openKeys());
}

TEST_F(MemtidyTest, SettingsSurviveAStoreAndLoadRoundTrip) {
  MemtidySettings s = defaultSettings(256, OsFamily::Win9x, "C:\\M");
  s.TargetFreeRAM = 65535;
  s.FreeValue1 = 2.5;
  s.Menu3 = 1e-3;
  s.Music = "C:\\Windows\\Media\\ding.wav";
  s.AutoStart = 0;
  s.RAMIcon = 1;
  storeSettings(registry, s);
  MemtidySettings back = loadSettings(registry, 256, OsFamily::Win9x, "C:\\M");
  EXPECT_EQ(65535, back.TargetFreeRAM);
  EXPECT_EQ(2.5, back.FreeValue1);
  EXPECT_EQ(1e-3, back.Menu3);
  EXPECT_EQ(s.Music, back.Music);
  EXPECT_EQ(0, back.AutoStart);
  EXPECT_EQ(1, back.RAMIcon);
}

}  // namespace
}  // namespace mt
