// Start-up: the order of the steps, the conditions of the first-run question
// and the SHIFT log, the start switch, the chip list, the driver-change and
// Direct3D checks, centring and the help table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/tweaker/card_programs.h"
#include "tweaker/adapter/identify_adapter.h"
#include "tweaker/shell/program_records.h"
#include "tweaker/simulated/sim_card.h"
#include "tweaker/simulated/sim_display.h"
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/display/directx_version.h"
#include "tweaker/display/stored_gamma.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/ui/help_ids.h"
#include "tweaker/ui/message_box.h"
#include "tweaker/shell/shell_state.h"
#include "tweaker/shell/startup_checks.h"
#include "tweaker/shell/startup_sequence.h"
#include "tweaker/ui/window_placement.h"

namespace vdx {
namespace {

class RecordingSteps : public StartupSteps {
 public:
  std::vector<std::string> calls;
  bool firstRun = false;
  int answer = kIdYes;
  bool allowed = true;
  std::string lastDrv = "old";
  std::string driverCheckSaw;

  void setHelpFilePath() override { calls.push_back("help"); }
  void enterProgramDirectory() override { calls.push_back("cd"); }
  void identifyAdapterHardware() override { calls.push_back("identify1"); }
  void setDriverDefaults() override { calls.push_back("defaults"); }
  void copyDefaultsToCurrent() override { calls.push_back("current"); }
  void identifyAdapterDriver() override { calls.push_back("identify2"); }
  void readStartupClocks() override { calls.push_back("clocks"); }
  bool loadPreferences(std::string* out) override {
    calls.push_back("prefs");
    *out = lastDrv;
    return firstRun;
  }
  void checkDriverChange(const std::string& seen) override {
    calls.push_back("driver");
    driverCheckSaw = seen;
  }
  void loadSchemeList() override { calls.push_back("schemes"); }
  int askBasicOrAdvanced() override {
    calls.push_back("ask");
    return answer;
  }
  void chooseAdvancedMenu() override { calls.push_back("advanced"); }
  bool clocksAllowed() override { return allowed; }
  void keepStartupClocksForShift() override { calls.push_back("shift"); }
  void setDefaultAgpSize() override { calls.push_back("agp"); }
  void checkDirect3D() override { calls.push_back("d3d"); }
  void loadTrayIcon() override { calls.push_back("icon"); }
  void postStarted() override { calls.push_back("started"); }
};

using Calls = std::vector<std::string>;

TEST(StartupSequence, StepsRunInTheirFixedOrder) {
  RecordingSteps s;
  runStartupSequence(s);
  EXPECT_EQ((Calls{"help", "cd", "identify1", "defaults", "current", "identify2", "clocks", "prefs", "driver",
                   "schemes", "agp", "d3d", "icon", "started"}),
            s.calls);
  EXPECT_EQ("old", s.driverCheckSaw);  // the check gets what the preferences load returned
}

TEST(StartupSequence, FirstRunAsksAfterTheSchemesAndOnlyNoTurnsAdvancedOn) {
  struct Case {
    bool firstRun;
    int answer;
    Calls middle;
  } cases[] = {
      {true, kIdNo, {"schemes", "ask", "advanced", "agp"}},
      {true, kIdYes, {"schemes", "ask", "agp"}},
      {true, kIdCancel, {"schemes", "ask", "agp"}},  // Esc
      {true, -1, {"schemes", "ask", "agp"}},         // the box could not be shown
      {false, kIdNo, {"schemes", "agp"}},
  };
  for (const Case& c : cases) {
    RecordingSteps s;
    s.firstRun = c.firstRun;
    s.answer = c.answer;
    runStartupSequence(s);
    Calls middle(s.calls.begin() + 9, s.calls.begin() + 9 + static_cast<long>(c.middle.size()));
    EXPECT_EQ(c.middle, middle) << "first run " << c.firstRun << " answer " << c.answer;
  }
}

TEST(StartupSequence, ShiftKeepsTheStartupClocksBeforeTheAgpDefault) {
  RecordingSteps s;
  s.firstRun = true;
  s.answer = kIdNo;
  s.allowed = false;
  runStartupSequence(s);
  EXPECT_EQ((Calls{"schemes", "ask", "advanced", "shift", "agp", "d3d", "icon", "started"}),
            Calls(s.calls.begin() + 9, s.calls.end()));
}

TEST(StartSwitch, WholeCommandLineWithoutCase) {
  EXPECT_EQ(StartSwitch::IgnoreChip, parseStartSwitch("-IgnoreChip"));
  EXPECT_EQ(StartSwitch::IgnoreChip, parseStartSwitch("-ignorechip"));
  EXPECT_EQ(StartSwitch::ResetDisplay, parseStartSwitch("-rd"));
  EXPECT_EQ(StartSwitch::ResetDisplay, parseStartSwitch("-RESETDISPLAY"));
  EXPECT_EQ(StartSwitch::None, parseStartSwitch("-IgnoreChip -RD"));
  EXPECT_EQ(StartSwitch::None, parseStartSwitch(" -RD"));
  EXPECT_EQ(StartSwitch::None, parseStartSwitch("-R"));
  EXPECT_EQ(StartSwitch::None, parseStartSwitch(""));
  EXPECT_EQ(StartSwitch::None, parseStartSwitch(nullptr));
}

TEST(ChipCheck, OnlyTheListedDeviceIds) {
  for (uint32_t id : {0x8A20u, 0x8A21u, 0x8A22u, 0x8C10u, 0x8C11u, 0x8C12u, 0x8C13u, 0x9102u})
    EXPECT_TRUE(isSupportedChip(id)) << std::hex << id;
  for (uint32_t id : {0u, 0x8A25u, 0x8A23u, 0x8C14u, 0x9103u, 0x18A22u})
    EXPECT_FALSE(isSupportedChip(id)) << std::hex << id;
}

// The entry point's chip check against the simulated driver of each kind of
// card: the device id is kept whenever the driver names one, so
// "-IgnoreChip" still finds the chip's row; the revision only on the list.
TEST(ChipCheck, StoresTheDeviceIdWheneverTheDriverNamesOne) {
  struct Case {
    const char* preset;
    bool supported;
    uint32_t deviceId;
    uint32_t revision;
    const char* chipName;
  } cases[] = {
      {"Savage3D", true, 0x8A20, 0, "Savage3D"},
      {"Savage4", true, 0x8A22, 0, "Savage4 GT/Pro"},
      {"SavageNB", false, 0x8A25, 0, "SavageNB"},
      {"Unknown", false, 0x8811, 0, "???"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.preset);
    FakePlatform fp;
    SimCard card;
    ASSERT_TRUE(simPreset(c.preset, &card));
    ASSERT_TRUE(fp.ports.setPreset(c.preset));
    SimulatedDriver driver(card);
    SimulatedDisplay display(driver, fp.display);
    DriverEscapes escapes(display);
    AdapterIdentity id;
    EXPECT_EQ(c.supported, checkChip(escapes, fp.ports, id));
    EXPECT_EQ(c.deviceId, id.deviceId);
    const uint32_t revision = c.supported ? card.revision + (c.deviceId == 0x8A20 ? 1u : 0u) : 0u;
    EXPECT_EQ(revision, id.revision);
    Platform hw = fp.services();
    hw.display = &display;
    fillAdapterIdentity(hw, id);
    EXPECT_EQ(c.chipName, id.chipName);
  }
  // A driver without the private escapes names nothing.
  FakePlatform fp;
  DriverEscapes escapes(fp.display);
  AdapterIdentity id;
  EXPECT_FALSE(checkChip(escapes, fp.ports, id));
  EXPECT_EQ(0u, id.deviceId);
}

// The first run's "No" saves the preferences before the driver options are
// read: the stored texture sizes must survive it.
TEST(FirstRun, ChoosingTheAdvancedMenuKeepsTheStoredTextureSizes) {
  Savage4Program t;
  Program& program = t.program;
  program.defaultOptions.TC = program.currentOptions.TC = 64;
  program.defaultOptions.TM = program.currentOptions.TM = 64;
  t.fakes.registry.setString(RegRoot::CurrentConfig, "Display\\Settings", "TC", "512");
  t.fakes.registry.setString(RegRoot::CurrentConfig, "Display\\Settings", "TM", "256");
  chooseAdvancedMenu(program);
  EXPECT_TRUE(program.preferences.showAdvanced);
  EXPECT_EQ("On", t.fakes.registry.getString(RegRoot::LocalMachine, kProgramKeyPath, "ShowAdvanced"));
  EXPECT_EQ("512", t.fakes.registry.getString(RegRoot::CurrentConfig, "Display\\Settings", "TC"));
  EXPECT_EQ("256", t.fakes.registry.getString(RegRoot::CurrentConfig, "Display\\Settings", "TM"));
  EXPECT_EQ(64, program.currentOptions.TC) << "the options themselves are read later, at the usual step";
}

class DriverChange : public ::testing::Test {
 protected:
  void SetUp() override { t.fakes.system.setFileVersion(id().driverFilePath, "4.12.01.2068-8.20.15"); }
  AdapterIdentity& id() { return t.program.identity; }
  void checkDriverChange(const std::string& lastDrv) { vdx::checkDriverChange(t.fakes.services(), id(), lastDrv); }
  std::string card(const char* name) { return t.hasCardValue(name) ? t.cardValue(name) : "<absent>"; }
  Savage4Program t;
};

TEST_F(DriverChange, NewDriverResetsTheSchemeNameAndRemembersTheVersion) {
  t.setCardValue("Current", "Fast");
  checkDriverChange("4.12.01.2000-8.10.01");
  EXPECT_EQ("(Default)", card("Current"));
  EXPECT_EQ("4.12.01.2068-8.20.15", card("LastDrv"));
}

TEST_F(DriverChange, AbsentLastDrvCountsAsEmpty) {
  checkDriverChange("");
  EXPECT_EQ("(Default)", card("Current"));
  EXPECT_EQ("4.12.01.2068-8.20.15", card("LastDrv"));
}

TEST_F(DriverChange, SameDriverInAnotherCaseWritesNothing) {
  t.setCardValue("Current", "Fast");
  checkDriverChange("4.12.01.2068-8.20.15");
  EXPECT_EQ("Fast", card("Current"));
  EXPECT_EQ("<absent>", card("LastDrv"));
  EXPECT_FALSE(driverChanged("ABC-1", "abc-1"));
  EXPECT_TRUE(driverChanged("abc-1", "abc-1 "));
}

TEST_F(DriverChange, NoCardKeyIsSkipped) {
  const std::string cardKey = id().cardKeyPath;
  id().cardKeyPath.clear();
  checkDriverChange("x");  // nothing to write to; must not fail
  EXPECT_FALSE(t.fakes.registry.keyExists(RegRoot::LocalMachine, cardKey));
}

TEST(DirectXVersion, FileVersionsMapToReleases) {
  struct Row {
    const char* text;
    int major, minor;
    const char* line;
  } rows[] = {
      {"4.06.02.0436", 6, 1, "4.06.02.0436  (DirectX 6.1)"},
      {"4.06.00.0318", 6, 0, "4.06.00.0318  (DirectX 6.0)"},
      {"4.05.01.1721", 5, 1, "4.05.01.1721  (DirectX 5.1)"},
      {"4.04.00.0068", 3, 0, "4.04.00.0068  (DirectX 3.0)"},
      {"4.07.00.0700", 7, 0, "4.07.00.0700  (DirectX 7.0)"},
      {"4.06", 6, 0, "4.06  (DirectX 6.0)"},
      {"", 0, 0, "  (DirectX ]"},
      {"none", 0, 0, "none  (DirectX ]"},
  };
  for (const Row& r : rows) {
    DirectXVersion v = directXVersionFromText(r.text);
    EXPECT_EQ(r.major, v.major) << r.text;
    EXPECT_EQ(r.minor, v.minor) << r.text;
    EXPECT_EQ(r.line, v.line);
  }
}

class Direct3DCheck : public ::testing::Test {
 protected:
  void SetUp() override { fake_.registry.setString(RegRoot::CurrentConfig, "Display\\Settings", "TP", "On"); }
  void checkDirect3D() { vdx::checkDirect3D(fake_.services(), id_, &texPatchUnavailable_); }
  bool texPatchUnavailable() const { return texPatchUnavailable_; }
  bool tpPresent() {
    uint32_t type;
    std::vector<uint8_t> b;
    return fake_.registry.getRaw(RegRoot::CurrentConfig, "Display\\Settings", "TP", &type, &b);
  }
  FakePlatform fake_;
  AdapterIdentity id_;
  bool texPatchUnavailable_ = false;
};

TEST_F(Direct3DCheck, DirectX61WithdrawsTexPatchAndDeletesTheValue) {
  fake_.system.setFileVersion("C:\\WINDOWS\\SYSTEM\\D3DIM.DLL", "4.06.02.0436");
  checkDirect3D();
  EXPECT_TRUE(texPatchUnavailable());
  EXPECT_FALSE(tpPresent());
}

TEST_F(Direct3DCheck, DirectX60AndMissingFileKeepTexPatch) {
  fake_.system.setFileVersion("C:\\WINDOWS\\SYSTEM\\D3DIM.DLL", "4.06.00.0318");
  checkDirect3D();
  EXPECT_FALSE(texPatchUnavailable());
  EXPECT_TRUE(tpPresent());
  fake_.system.setFileVersion("C:\\WINDOWS\\SYSTEM\\D3DIM.DLL", "");
  checkDirect3D();
  EXPECT_FALSE(texPatchUnavailable());
}

TEST(Direct3DRule, NewerThanSixZeroWithdraws) {
  DirectXVersion v;
  v.major = 6, v.minor = 0;
  EXPECT_FALSE(direct3DWithdrawsTexPatch(v));
  v.minor = 1;
  EXPECT_TRUE(direct3DWithdrawsTexPatch(v));
  v.major = 7, v.minor = 0;
  EXPECT_TRUE(direct3DWithdrawsTexPatch(v));
  v.major = 5, v.minor = 9;
  EXPECT_FALSE(direct3DWithdrawsTexPatch(v));
}

TEST(CentreWindow, CentresAndStaysOnTheScreen) {
  WindowPosition p = centredPosition(0, 0, 1024, 768, 200, 100, 1024, 768);
  EXPECT_EQ(412, p.x);
  EXPECT_EQ(334, p.y);
  p = centredPosition(-500, -400, -300, -300, 200, 100, 1024, 768);  // off the top-left
  EXPECT_EQ(0, p.x);
  EXPECT_EQ(0, p.y);
  p = centredPosition(1000, 700, 1200, 900, 300, 300, 1024, 768);  // past the bottom-right
  EXPECT_EQ(1024 - 300, p.x);
  EXPECT_EQ(768 - 300, p.y);
  p = centredPosition(0, 0, 1024, 768, 1200, 100, 1024, 768);  // wider than the screen
  EXPECT_EQ(1024 - 1200, p.x);
  p = centredPosition(0, 0, 101, 0, 50, 0, 1024, 768);  // integer division rounds toward zero
  EXPECT_EQ(25, p.x);
}

TEST(HelpTable, EightyNineControlsWidenedWithATerminator) {
  std::size_t n = 0;
  const uint16_t* ids = helpControlIds(&n);
  ASSERT_EQ(89u, n);
  EXPECT_EQ(3, ids[0]);
  EXPECT_EQ(1305, ids[88]);
  const auto& wide = widenedHelpIdTable();
  for (std::size_t i = 0; i < n; ++i) {
    EXPECT_EQ(ids[i], wide[2 * i]);
    EXPECT_EQ(ids[i], wide[2 * i + 1]);  // context id = control id
  }
  EXPECT_EQ(0u, wide[2 * n]);
  for (std::size_t i = 1; i < n; ++i) EXPECT_LT(ids[i - 1], ids[i]);
}

TEST(HelpFilePath, WindowsDirectoryAndAFixedBuffer) {
  EXPECT_EQ("C:\\WINDOWS\\HELP\\Vidarix.hlp", helpFilePathFor("C:\\WINDOWS"));
  EXPECT_EQ(259u, helpFilePathFor(std::string(400, 'x')).size());
}

TEST(SchemeFile, FullPathsOnlyElseTheSystemDirectory) {
  const std::string sys = "C:\\WINDOWS\\SYSTEM";
  EXPECT_EQ("D:\\S\\x.dat", resolveSchemeFilePath("D:\\S\\x.dat", sys));
  EXPECT_EQ(sys + "\\Vidarix.dat", resolveSchemeFilePath("x.dat", sys));
  EXPECT_EQ(sys + "\\Vidarix.dat", resolveSchemeFilePath("\\\\srv\\x.dat", sys));
  EXPECT_EQ(sys + "\\Vidarix.dat", resolveSchemeFilePath("", sys));
  EXPECT_EQ(sys + "\\Vidarix.dat", resolveSchemeFilePath("D:", sys));
}

TEST(StoredGamma, ValueNamesAndPartialTexts) {
  EXPECT_EQ("Gamma(1024x768x16)", gammaValueName(GAMMA_BY_MODE, 1024, 768, 16));
  EXPECT_EQ("Gamma(1024x768x16)", gammaValueName(GAMMA_DISABLED, 1024, 768, 16));
  EXPECT_EQ("Gamma(16bpp)", gammaValueName(GAMMA_BY_BPP, 800, 600, 16));
  EXPECT_EQ("Gamma(all)", gammaValueName(GAMMA_GLOBAL, 800, 600, 16));
  StoredGamma g = parseStoredGamma("Gamma=1.20 0.90 1.00");
  EXPECT_FLOAT_EQ(1.2f, g.gamma[0]);
  EXPECT_FLOAT_EQ(0.9f, g.gamma[1]);
  EXPECT_FLOAT_EQ(1.0f, g.bright[2]);
  g = parseStoredGamma("garbage");
  EXPECT_FLOAT_EQ(1.0f, g.gamma[0]);
  // Damaged values stay inside what the Gamma dialog can set.
  g = parseStoredGamma("Gamma=0 1 9 Bright=-1 1 7");
  EXPECT_FLOAT_EQ(0.10f, g.gamma[0]);
  EXPECT_FLOAT_EQ(1.0f, g.gamma[1]);
  EXPECT_FLOAT_EQ(3.0f, g.gamma[2]);
  EXPECT_FLOAT_EQ(0.0f, g.bright[0]);
  EXPECT_FLOAT_EQ(3.0f, g.bright[2]);
  // "nan" is no number: reading stops there and the rest keep 1.0.
  g = parseStoredGamma("Gamma=0.5 nan 9 Bright=2 2 2");
  EXPECT_FLOAT_EQ(0.5f, g.gamma[0]);
  EXPECT_FLOAT_EQ(1.0f, g.gamma[2]);
  EXPECT_FLOAT_EQ(1.0f, g.bright[0]);
}

TEST(StoredGamma, TableIdentityAndBrightnessOffsets) {
  StoredGamma g;
  GammaRamp r = buildGammaRamp(g);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(i, r.red(i)) << i;
  g.bright[1] = 2.0f;  // green raised by 75
  g.bright[2] = 0.0f;  // blue lowered by 150
  r = buildGammaRamp(g);
  EXPECT_EQ(75, r.green(0));
  EXPECT_EQ(255, r.green(200));
  EXPECT_EQ(0, r.blue(150));
  EXPECT_EQ(105, r.blue(255));
  g = parseStoredGamma("Gamma=2.0 0.5 1 Bright=1 1 1");
  r = buildGammaRamp(g);
  for (int i = 1; i < 256; ++i) {
    ASSERT_GE(r.red(i), r.red(i - 1));
    ASSERT_GE(r.green(i), r.green(i - 1));
  }
  EXPECT_GT(r.red(64), 64);   // gamma above 1 lifts the darks
  EXPECT_LT(r.green(64), 64);
}

}  // namespace
}  // namespace vdx
