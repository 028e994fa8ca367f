// The scheme file's place, and applying and saving schemes on the program's
// records over the fake registry, profile, display and chip.
#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/shell/command_schemes.h"
#include "tweaker/shell/program_records.h"

namespace vdx {
namespace {

constexpr char kCard[] = "Software\\Tessaly\\Vidarix\\Savage4-5333";
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
  TestProgram t;
  Program& program = t.program;

  void SetUp() override {
    AdapterIdentity& id = program.identity;
    id.deviceId = 0x8A22;
    id.capabilities = kCapMclk | kCapEclk | kCapCommandDma | kCapAgp | kCapZBuffer | kCapAgpSideband;
    id.cardKeyPath = kCard;
    DriverOptions d;
    d.AA = 1;
    d.AGPSize = 24;
    d.TC = 64;
    d.TM = 64;
    d.DMACB = 2;
    program.defaultOptions = d;
    program.currentOptions = d;
    program.schemeFilePath = kFile;
    t.fakes.display.setModes({{640, 480, 8, 60}, {640, 480, 16, 60}});
    t.fakes.display.setCurrent({640, 480, 16, 60});
    program.shell.metrics = readDisplayMetrics(t.fakes.display);
    program.clocks.startupMclk = program.clocks.desiredMclk = 100.0f;
    program.clocks.startupEclk = program.clocks.desiredEclk = 100.0f;
  }
  void store(const std::string& name, const std::string& line) {
    t.fakes.profile.writeString(kFile, kSchemeSection, name, line);
  }
  bool apply(const std::string& name) { return applySchemeByName(program, &name); }
  std::string current() { return t.fakes.registry.getString(RegRoot::LocalMachine, kCard, "Current"); }
  std::string setting(const char* name) {
    return t.fakes.registry.getString(RegRoot::CurrentConfig, kSettings, name);
  }
};

TEST_F(Schemes, ALineGoesOverTheDefaultsAndIsWritten) {
  program.currentOptions.FD = 1;  // not in the line: back to its default
  program.currentOptions.AGPSB = 1;
  store("Quake", "AA:off VO:On TC:32 ZB:On AGPSB:On");
  EXPECT_TRUE(apply("Quake"));
  EXPECT_EQ(program.currentOptions.FD, 0);
  EXPECT_EQ(program.currentOptions.AGPSB, 0);
  EXPECT_EQ(program.currentOptions.VO, 1);
  EXPECT_EQ(program.currentOptions.TC, 32);
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

TEST_F(Schemes, SaveWritesTheLineAndNamesItCurrent) {
  SchemeSaveRequest r;
  r.name = "Mine";
  r.includeStandard = false;
  EXPECT_TRUE(saveSchemeLine(program, r));
  EXPECT_EQ(readSchemeLine(t.fakes.profile, kFile, "Mine"), "AA:On VO:off AT:off WV:off FB:off AGPSize:24");
  EXPECT_EQ(current(), "Mine");
}

TEST_F(Schemes, LongNamesAreCutTheSameWayAndStillFindTheirLine) {
  const std::string longName(200, 'n');
  store(longName, "TC:16");
  store("other", "TC:8");
  const std::vector<std::string> names = schemeNames(t.fakes.profile, kFile);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0], std::string(127, 'n'));
  EXPECT_TRUE(apply(names[0]));
  EXPECT_EQ(program.currentOptions.TC, 16);
}

}  // namespace
}  // namespace vdx
