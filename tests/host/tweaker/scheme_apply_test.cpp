// The scheme file's place, and applying and saving schemes on the program's
// records over the fake registry, profile, display and chip.
#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/tweaker/card_programs.h"
#include "tweaker/adapter/clock_load.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/shell/command_schemes.h"
#include "tweaker/shell/program_records.h"

namespace vdx {
namespace {

constexpr char kSettings[] = "Display\\Settings";
constexpr char kFile[] = "C:\\WINDOWS\\SYSTEM\\Vidarix.dat";

TEST(SchemeFilePath, OnlyADrivePathIsTaken) {
  const struct {
    const char* preference;
    const char* path;
  } cases[] = {
      {"D:\\S\\x.dat", "D:\\S\\x.dat"},
      {"x.dat", "C:\\WINDOWS\\SYSTEM\\Vidarix.dat"},
      {"\\\\srv\\x.dat", "C:\\WINDOWS\\SYSTEM\\Vidarix.dat"},
      {"", "C:\\WINDOWS\\SYSTEM\\Vidarix.dat"},
  };
  for (const auto& c : cases) EXPECT_EQ(resolveSchemeFilePath(c.preference, "C:\\WINDOWS\\SYSTEM"), c.path);
}

class Schemes : public ::testing::Test {
 protected:
  Savage4Program t;
  Program& program = t.program;

  void SetUp() override {
    DriverOptions d;
    d.AA = 1;
    d.AGPSize = 24;
    d.TC = 64;
    d.TM = 64;
    d.DMACB = 2;
    program.defaultOptions = d;
    program.currentOptions = d;
    program.schemeFilePath = kFile;
    program.clocks.startupMclk = program.clocks.desiredMclk = 100.0f;
    program.clocks.startupEclk = program.clocks.desiredEclk = 100.0f;
    program.clocks.mclkMax = program.clocks.eclkMax = 150.0f;  // as the settings load leaves them
  }
  void store(const std::string& name, const std::string& line) {
    t.fakes.profile.writeString(kFile, kSchemeSection, name, line);
  }
  bool apply(const std::string& name) { return applySchemeByName(program, &name); }
  std::string current() { return t.cardValue("Current"); }
  std::string setting(const char* name) {
    return t.fakes.registry.getString(RegRoot::CurrentConfig, kSettings, name);
  }
};

TEST_F(Schemes, ALineGoesOverTheDefaultsAndIsWritten) {
  program.currentOptions.FD = 1;  // not in the line: back to its default
  program.currentOptions.AGPSB = 1;
  store("Quake", "AA:off VO:On TC:128 ZB:On AGPSB:On");
  EXPECT_TRUE(apply("Quake"));
  EXPECT_EQ(program.currentOptions.FD, 0);
  EXPECT_EQ(program.currentOptions.AGPSB, 0);
  EXPECT_EQ(program.currentOptions.VO, 1);
  EXPECT_EQ(program.currentOptions.TC, 128);
  EXPECT_EQ(setting("VO"), "On");
  EXPECT_EQ(current(), "Quake");
  EXPECT_EQ(t.fakes.display.modeChanges().size(), 2u);  // AA and VO changed
  EXPECT_EQ(program.clocks.desiredMclk, 100.0f);
}

TEST_F(Schemes, SameAgpSizeKeepsTheSizeInForceAndNoReset) {
  program.currentOptions.AGPSize = 64;
  store("Keep", "AA:On AGPSize:Same");
  EXPECT_TRUE(apply("Keep"));
  EXPECT_EQ(program.currentOptions.AGPSize, 64);
  EXPECT_TRUE(t.fakes.display.modeChanges().empty());
}

// Schemes come from other people's files: what the driver reads is only ever
// a value the option offers, and a value it does not offer keeps the one in
// force before the apply.
TEST_F(Schemes, ValuesAnOptionDoesNotOfferKeepTheValuesInForce) {
  const struct {
    const char* line;
    const char* agpSize;  // as written to the driver settings key
    const char* dmacb;
  } cases[] = {
      {"AGPSize:2147483648 DMACB:99999999999", "64", "3A"},
      {"AGPSize:0x10 DMACB:5", "64", "3A"},
      {"AGPSize:0 DMACB:0", "64", "3A"},
      {"AGPSize:7", "64", ""},  // DMACB not in the line: its default 2, which is deleted
      {"AGPSize:32 DMACB:4", "32", "4A"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    program.currentOptions = program.defaultOptions;
    program.currentOptions.AGPSize = 64;
    program.currentOptions.DMACB = 3;
    store("Foreign", c.line);
    EXPECT_TRUE(apply("Foreign"));
    EXPECT_EQ(setting("AGPSize"), c.agpSize);
    EXPECT_EQ(setting("DMACB"), c.dmacb);
  }
}

TEST_F(Schemes, DefaultsAndADeletedNameApplyTheDefaultsWithoutClocks) {
  program.currentOptions.AGPSize = 64;
  program.clocks.desiredMclk = 120.0f;
  EXPECT_TRUE(applyDefaultOptions(program));
  EXPECT_EQ(program.currentOptions, program.defaultOptions);
  EXPECT_EQ(current(), "(Default)");
  EXPECT_EQ(program.clocks.desiredMclk, 120.0f);
  EXPECT_EQ(t.fakes.display.modeChanges().size(), 2u);

  program.currentOptions.TC = 8;
  EXPECT_TRUE(apply("Gone"));  // listed, but no longer in the file
  EXPECT_EQ(program.currentOptions, program.defaultOptions);
  EXPECT_EQ(current(), "Gone");
}

TEST_F(Schemes, SchemeClocksOnlyOnChipsThatHaveThem) {
  store("Fast", "MclkSpeed:120.00 EclkSpeed:500");
  program.identity.capabilities &= ~(kCapMclk | kCapEclk);
  EXPECT_TRUE(apply("Fast"));
  EXPECT_EQ(program.clocks.desiredMclk, 100.0f);
  EXPECT_EQ(program.clocks.desiredEclk, 100.0f);
  EXPECT_TRUE(t.fakes.ports.accesses().empty());

  program.identity.capabilities |= kCapMclk | kCapEclk;
  EXPECT_TRUE(apply("Fast"));
  const AdapterIdentity& id = program.identity;
  EXPECT_NEAR(program.clocks.desiredMclk, 120.0f, 1.0f);
  EXPECT_FLOAT_EQ(program.clocks.desiredMclk,
                  readPllFrequency(t.fakes.ports, id.mclkPll.pllIndex, id.mclkPll.postDividerFlagRegister));
  EXPECT_NEAR(program.clocks.desiredEclk, 150.0f, 1.0f);  // held to the range
}

// A scheme's clocks are held to the limits the Overclock dialog offers: the
// chip's, as the card key's overrides narrowed or raised them.
TEST_F(Schemes, SchemeClocksAreHeldToTheCardKeyLimits) {
  const AdapterIdentity& id = program.identity;
  const struct {
    const char* limit;
    const char* text;
    const char* line;
    float ClockState::*desired;
    float expected;
  } cases[] = {
      {"MclkMax", "220", "MclkSpeed:210.00", &ClockState::desiredMclk, 210.0f},  // above the chip's 200
      {"MclkMax", "140", "MclkSpeed:190.00", &ClockState::desiredMclk, 140.0f},  // the user's own cap
      {"EclkMax", "130", "EclkSpeed:190.00", &ClockState::desiredEclk, 130.0f},
      {"MclkMin", "100", "MclkSpeed:95.00", &ClockState::desiredMclk, 100.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.limit) + "=" + c.text + " " + c.line);
    t.fakes.registry = FakeRegistry();
    program.clocks = ClockState();
    program.identity.mclkLimit = program.identity.eclkLimit = 200.0f;
    t.setCardValue("MclkDef", "120");
    t.setCardValue("EclkDef", "120");
    t.setCardValue(c.limit, c.text);
    readStartupClocks(t.fakes.ports, id, program.clocks);
    {
      RegKey card;
      ASSERT_EQ(openCardKey(t.fakes.registry, id, &card), 0);
      loadClockSettings(card, id, t.boxes, nullptr, program.clocks);
    }
    store("Clock", c.line);
    EXPECT_TRUE(apply("Clock"));
    EXPECT_NEAR(program.clocks.*c.desired, c.expected, 0.5f);
  }
}

TEST_F(Schemes, SaveWritesTheLineAndNamesItCurrent) {
  SchemeSaveRequest r;
  r.name = "Mine";
  r.includeStandard = false;
  EXPECT_TRUE(saveSchemeLine(program, r));
  EXPECT_EQ(readSchemeLine(t.fakes.profile, kFile, "Mine"), "AA:On VO:off AT:off WV:off FB:off AGPSize:24");
  EXPECT_EQ(current(), "Mine");
}

TEST_F(Schemes, SavingUnderACutNameKeepsOneKey) {
  const std::string longName(200, 'n');
  store(longName, "TC:256");
  SchemeSaveRequest r;
  r.name = longName.substr(0, 127);
  r.includeStandard = false;
  EXPECT_TRUE(saveSchemeLine(program, r));
  EXPECT_EQ(t.fakes.profile.keys(kFile, kSchemeSection), std::vector<std::string>{longName});
  EXPECT_EQ(readSchemeLine(t.fakes.profile, kFile, r.name), "AA:On VO:off AT:off WV:off FB:off AGPSize:24");
}

TEST_F(Schemes, LongNamesAreCutTheSameWayAndStillFindTheirLine) {
  const std::string longName(200, 'n');
  store(longName, "TC:256");
  store("other", "TC:128");
  const std::vector<std::string> names = schemeNames(t.fakes.profile, kFile);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0], std::string(127, 'n'));
  EXPECT_TRUE(apply(names[0]));
  EXPECT_EQ(program.currentOptions.TC, 256);
}

}  // namespace
}  // namespace vdx
