// Preferences: the start-up load, the save, the AGP size list and the
// "Run" entry, including hostile stored values.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/fake_registry.h"
#include "tweaker/settings/agp_size_list.h"
#include "tweaker/settings/preferences_store.h"
#include "tweaker/settings/run_at_startup.h"
#include "tweaker/settings/settings_keys.h"

namespace vdx {
namespace {

const char kCard[] = "Software\\Tessaly\\Vidarix\\8a22_1092abcd";
const char kDriver[] = "Display\\Settings";

class PreferencesStore : public ::testing::Test {
 protected:
  PreferencesStore() {
    id.deviceId = 0x8A22;
    id.cardKeyPath = kCard;
    id.capabilities = kCapAgp | kCapAgpSideband;
  }
  PreferencesLoad load() { return loadPreferences(reg, id, prefs, nullptr); }
  std::string program(const char* name) const { return reg.getString(RegRoot::LocalMachine, kProgramKeyPath, name); }
  std::string card(const char* name) const { return reg.getString(RegRoot::LocalMachine, kCard, name); }
  std::string driver(const char* name) const { return reg.getString(RegRoot::CurrentConfig, kDriver, name); }

  FakeRegistry reg;
  AdapterIdentity id;
  Preferences prefs;
  DriverOptions current, defaults;
};

TEST_F(PreferencesStore, TheFirstRunIsReportedOnce) {
  EXPECT_TRUE(load().firstRun);
  EXPECT_EQ("off", program("FirstRun"));
  EXPECT_FALSE(load().firstRun);
  EXPECT_EQ(0u, reg.openKeyCount());
}

TEST_F(PreferencesStore, AdvancedMenusMeanNoFirstRunQuestion) {
  reg.setString(RegRoot::LocalMachine, kProgramKeyPath, "ShowAdvanced", "1");
  EXPECT_FALSE(load().firstRun);
  EXPECT_TRUE(prefs.showAdvanced);
}

TEST_F(PreferencesStore, UnreadableSwitchesKeepTheirDefaults) {
  reg.setString(RegRoot::LocalMachine, kProgramKeyPath, "ConfirmAGPChanges", "perhaps");
  reg.setDword(RegRoot::LocalMachine, kProgramKeyPath, "TweakRes", 0);
  reg.setString(RegRoot::LocalMachine, kProgramKeyPath, "UseAutoOpenGLFog", "On");
  load();
  EXPECT_TRUE(prefs.confirmAgpChanges);
  EXPECT_TRUE(prefs.tweakRes);
  EXPECT_TRUE(prefs.useAutoOpenGlFog);
  EXPECT_EQ(kDefaultHomepage, prefs.homepage);
}

TEST_F(PreferencesStore, TheCardNameReplacesTheChipNameUpTo63Characters) {
  reg.setString(RegRoot::LocalMachine, kCard, "Name", std::string(1000, 'N'));
  load();
  EXPECT_EQ(std::string(63, 'N'), id.chipName);
  reg.setString(RegRoot::LocalMachine, kCard, "Name", "");
  id.chipName = "Savage4";
  load();
  EXPECT_EQ("Savage4", id.chipName) << "an empty name changes nothing";
}

TEST_F(PreferencesStore, CanDoAgpSbSetsOrClearsTheSidebandBit) {
  reg.setString(RegRoot::LocalMachine, kCard, "CanDoAGPSB", "off");
  load();
  EXPECT_EQ(0u, id.capabilities & kCapAgpSideband);
  reg.setString(RegRoot::LocalMachine, kCard, "CanDoAGPSB", "On");
  load();
  EXPECT_NE(0u, id.capabilities & kCapAgpSideband);
  reg.setString(RegRoot::LocalMachine, kCard, "CanDoAGPSB", "garbage");
  id.capabilities &= ~kCapAgpSideband;
  load();
  EXPECT_EQ(0u, id.capabilities & kCapAgpSideband) << "unreadable: the chip's own answer";
}

TEST_F(PreferencesStore, BoardDefaultsHoldUntilTheRegistrySaysOtherwise) {
  id.useQueryConnectDefault = false;
  id.showDuoviewDefault = true;
  id.showFlickerSliderDefault = false;
  id.perfIcdMenuDefault = true;
  reg.setString(RegRoot::LocalMachine, kCard, "ShowDuoview", "off");
  load();
  EXPECT_FALSE(prefs.useQueryConnect);
  EXPECT_FALSE(prefs.showDuoview);
  EXPECT_FALSE(prefs.showFlickerSlider);
  EXPECT_TRUE(prefs.perfIcdMenu);
}

TEST_F(PreferencesStore, CardValuesAndTheClockHook) {
  reg.setString(RegRoot::LocalMachine, kCard, "ClkDelay", "5000");
  reg.setString(RegRoot::LocalMachine, kCard, "GammaType", "ByBpp");
  reg.setString(RegRoot::LocalMachine, kCard, "LastDrv", "7.13.7");
  int hookCalls = 0;
  const PreferencesLoad result = loadPreferences(reg, id, prefs, [&](const RegKey& key, const AdapterIdentity&) {
    ++hookCalls;
    EXPECT_TRUE(key);
  });
  EXPECT_EQ(1, hookCalls);
  EXPECT_EQ(1000, prefs.clkDelay);
  EXPECT_EQ(GAMMA_BY_BPP, prefs.gammaType);
  EXPECT_EQ("7.13.7", result.lastDrv);
  reg.setString(RegRoot::LocalMachine, kCard, "GammaType", "Sideways");
  load();
  EXPECT_EQ(GAMMA_BY_MODE, prefs.gammaType);
}

TEST_F(PreferencesStore, SettingsThatMustSurviveARestartDo) {
  prefs.immediateClk = false;
  prefs.ict = false;
  prefs.perfIcdMenu = true;
  prefs.schemeFile = "C:\\Vidarix.dat";
  ASSERT_TRUE(savePreferences(reg, id, prefs, current, defaults));
  Preferences fresh;
  ASSERT_TRUE(loadPreferences(reg, id, fresh, nullptr).firstRun);
  EXPECT_FALSE(fresh.immediateClk);
  EXPECT_FALSE(fresh.ict);
  EXPECT_TRUE(fresh.perfIcdMenu);
  EXPECT_EQ("C:\\Vidarix.dat", fresh.schemeFile);
  EXPECT_EQ("off", card("ImmediateClk"));
}

TEST_F(PreferencesStore, SaveWritesEverySwitchAndTheIctRule) {
  defaults.TC = 64;
  current.TC = 64;
  defaults.TM = 64;
  current.TM = 128;
  prefs.ict = false;
  ASSERT_TRUE(savePreferences(reg, id, prefs, current, defaults));
  EXPECT_EQ("off", program("ShowAdvanced"));
  EXPECT_EQ("On", program("ConfirmAGPChanges"));
  EXPECT_EQ("off", program("WriteRegDefaults"));
  EXPECT_EQ("", driver("TC"));
  EXPECT_FALSE(reg.hasValue(RegRoot::CurrentConfig, kDriver, "TC"));
  EXPECT_EQ("128", driver("TM"));
  EXPECT_EQ("off", driver("ICT"));
  EXPECT_EQ("off", driver("PerfICDmenu"));
  prefs.ict = true;
  ASSERT_TRUE(savePreferences(reg, id, prefs, current, defaults));
  EXPECT_FALSE(reg.hasValue(RegRoot::CurrentConfig, kDriver, "ICT"));
  prefs.writeRegDefaults = true;
  ASSERT_TRUE(savePreferences(reg, id, prefs, current, defaults));
  EXPECT_EQ("On", driver("ICT"));
  EXPECT_EQ("64", driver("TC"));
  EXPECT_EQ(0u, reg.openKeyCount());
}

TEST(AgpSizeList, TokensWithoutANumberAddNothing) {
  EXPECT_EQ((std::vector<uint32_t>{16, 32, 64}), parseAgpSizeList("16 32 abc 64", 31));
  EXPECT_EQ((std::vector<uint32_t>{16, 32}), parseAgpSizeList("\t16MB  32x\n0 ", 31));
  EXPECT_TRUE(parseAgpSizeList("letters only here", 31).empty());
  EXPECT_TRUE(parseAgpSizeList("", 31).empty());
  EXPECT_EQ((std::vector<uint32_t>{4294967295u}), parseAgpSizeList("99999999999999999999", 31));
}

TEST(AgpSizeList, KeepsTheFirst31) {
  std::string text;
  for (int i = 1; i <= 40; ++i) text += std::to_string(i) + " ";
  const std::vector<uint32_t> sizes = parseAgpSizeList(text, 31);
  ASSERT_EQ(31u, sizes.size());
  EXPECT_EQ(31u, sizes.back());
}

TEST_F(PreferencesStore, AStoredListReplacesTheDefaultAndHostileOnesStayBounded) {
  load();
  EXPECT_EQ(defaultAgpSizeList(), prefs.agpSizeList);
  std::string many;
  for (int i = 0; i < 500; ++i) many += "8 ";
  reg.setString(RegRoot::LocalMachine, kCard, "AGPsizeList", many);
  load();
  EXPECT_EQ(31u, prefs.agpSizeList.size());
  reg.setRaw(RegRoot::LocalMachine, kCard, "AGPsizeList", kRegBinary, {'1', '6'});
  load();
  EXPECT_EQ(31u, prefs.agpSizeList.size()) << "a value of another type leaves the list";
}

class RunEntry : public ::testing::Test {
 protected:
  FakeRegistry reg;
  const std::string exe = "C:\\Program Files\\Vidarix\\Vidarix.exe";
};

TEST_F(RunEntry, WithoutTheRunKeyNothingHappens) {
  EXPECT_FALSE(setRunAtStartup(reg, true, true, exe));
  EXPECT_FALSE(reg.keyExists(RegRoot::LocalMachine, kRunKeyPath));
}

TEST_F(RunEntry, EnableDisableAndReadBack) {
  reg.setString(RegRoot::LocalMachine, kRunKeyPath, "Other", "x.exe");
  EXPECT_FALSE(setRunAtStartup(reg, false, false, exe));
  EXPECT_TRUE(setRunAtStartup(reg, true, true, exe));
  EXPECT_EQ(exe, reg.getString(RegRoot::LocalMachine, kRunKeyPath, "Vidarix"));
  reg.setString(RegRoot::LocalMachine, kRunKeyPath, "Vidarix", "c:\\program files\\VIDARIX\\vidarix.EXE");
  EXPECT_TRUE(setRunAtStartup(reg, false, false, exe)) << "paths compare without case";
  EXPECT_FALSE(setRunAtStartup(reg, false, true, exe));
  EXPECT_FALSE(reg.hasValue(RegRoot::LocalMachine, kRunKeyPath, "Vidarix"));
  EXPECT_EQ("x.exe", reg.getString(RegRoot::LocalMachine, kRunKeyPath, "Other"));
  reg.setString(RegRoot::LocalMachine, kRunKeyPath, "Vidarix", "D:\\elsewhere.exe");
  EXPECT_FALSE(setRunAtStartup(reg, false, false, exe));
}

}  // namespace
}  // namespace vdx
