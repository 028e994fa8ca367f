// The card INI and the simulated machine's persistence between runs.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/fake_clock.h"
#include "tests/fakes/tweaker/fake_profile.h"
#include "tweaker/adapter/chip_registers.h"
#include "tweaker/simulated/sim_card_ini.h"
#include "tweaker/display/escape_record.h"
#include "tweaker/simulated/sim_machine.h"

namespace vdx {
namespace {

const std::string kDir = "C:\\Sim";
const std::string kIni = "C:\\Sim\\VidarixSim.ini";

TEST(SimCardIni, MissingFileGivesTheSavage4AndPresetsOverrideByField) {
  FakeProfile ini;
  SimCard card = loadSimCard(ini, kIni);
  EXPECT_EQ(card.deviceId, 0x8A22);
  EXPECT_TRUE(card.gtPro);

  ini.setFileText(kIni, "[Card]\nPreset=savage2000\nMemoryMB=32\nSubsystemVendor=0x1092\nBiosDate=1,2,0x1999,0\n");
  card = loadSimCard(ini, kIni);
  EXPECT_EQ(card.deviceId, 0x9102);
  EXPECT_EQ(card.memoryBytes, 32u << 20);
  EXPECT_EQ(card.subsystemVendorId, 0x1092);
  EXPECT_EQ(card.biosDate[2], 0x1999);
}

TEST(SimCardIni, GarbageFieldsKeepThePresetValues) {
  FakeProfile ini;
  ini.setFileText(kIni,
                  "[Card]\nPreset=Voodoo\nDeviceId=0x18A22\nRevision=-1\nMemoryMB=lots\nAGP=2\n"
                  "BiosVersion=1,2,3\nBiosDate=1,2,3,4,5\nPanelWidth=" +
                      std::string(500, '9') + "\n");
  const SimCard card = loadSimCard(ini, kIni);
  const SimCard dflt;
  EXPECT_EQ(card.deviceId, dflt.deviceId);
  EXPECT_EQ(card.revision, dflt.revision);
  EXPECT_EQ(card.memoryBytes, dflt.memoryBytes);
  EXPECT_EQ(card.agp, dflt.agp);
  EXPECT_EQ(card.biosVersion[2], dflt.biosVersion[2]);
  EXPECT_EQ(card.biosDate[3], dflt.biosDate[3]);
  EXPECT_EQ(card.panelWidth, dflt.panelWidth);
}

TEST(SimulatedMachine, RegistersPersistUntilTheMachineIsReset) {
  FakeProfile files;
  FakeClock clock;
  {
    SimulatedMachine m(files, kDir, clock);
    EXPECT_FALSE(m.resumed());
    m.chip().out16(0x3C4, 0x0608);
    m.chip().out16(0x3C4, 0x2110);  // SR10 := 0x21
    m.chip().out16(0x3C4, 0x0115);  // latch
  }
  {
    SimulatedMachine m(files, kDir, clock);
    EXPECT_TRUE(m.resumed());
    EXPECT_EQ(m.chip().seq(0x10), 0x21);
  }
  files.writeString(kIni, "Machine", "Reset", "1");
  {
    SimulatedMachine m(files, kDir, clock);
    EXPECT_FALSE(m.resumed());
    EXPECT_EQ(m.chip().seq(0x10), 0x01);
  }
  EXPECT_EQ(files.readString(kIni, "Machine", "Reset", "", 8), "0") << "a reset happens once";
  files.writeString(kIni, "Card", "Preset", "Savage3D");
  {
    SimulatedMachine m(files, kDir, clock);
    EXPECT_FALSE(m.resumed()) << "another card starts from power-up";
    EXPECT_EQ(m.chip().card().deviceId, 0x8A20);
  }
  files.writeString("C:\\Sim\\VidarixSim.state", "Chip", "Registers", "corrupt");
  SimulatedMachine m(files, kDir, clock);
  EXPECT_FALSE(m.resumed());
}

TEST(SimulatedMachine, APowerCycleRequestPutsTheRunningChipBackAtPowerUp) {
  FakeProfile files;
  FakeClock clock(1000);
  SimulatedMachine m(files, kDir, clock);
  ChipPorts& ports = m.ports();
  ports.out16(0x3C4, 0x0608);
  ports.out16(0x3C4, 0x2110);  // SR10 := 0x21
  ports.out16(0x3C4, 0x0115);  // latch
  EXPECT_EQ(m.chip().seq(0x10), 0x21);
  files.writeString(kIni, "Machine", "PowerCycle", "1");
  ports.in8(0x3DA);
  EXPECT_EQ(m.chip().seq(0x10), 0x21) << "a status poll takes no request";
  ports.in8(0x3C5);
  EXPECT_EQ(m.chip().seq(0x10), 0x21) << "looked for at most every 100 ms";
  clock.advance(kPowerCycleCheckMs);
  ports.in8(0x3C5);
  EXPECT_EQ(m.chip().seq(0x10), 0x01) << "back at the power-up Mclk";
  EXPECT_EQ(m.chip().seq(0x08), 0x00) << "and locked again";
  EXPECT_EQ(files.readString(kIni, "Machine", "PowerCycle", "", 8), "0") << "a request is taken once";
  SimulatedMachine next(files, kDir, clock);
  EXPECT_TRUE(next.resumed());
  EXPECT_EQ(next.chip().seq(0x10), 0x01) << "the state file holds the power-up registers";
}

// Counts the state file's writes: each one costs the program a file rewrite.
class CountingProfile : public FakeProfile {
 public:
  bool writeString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override {
    ++writes;
    return FakeProfile::writeString(file, section, key, value);
  }
  int writes = 0;
};

TEST(SimulatedMachine, ARegisterAccessRewritesTheStateFileOnlyForWhatItChanged) {
  CountingProfile files;
  FakeClock clock;
  {
    SimulatedMachine m(files, kDir, clock);
    files.writes = 0;
    EXPECT_EQ(readExtReg(m.ports(), 0x68), 0x80);
    EXPECT_EQ(files.writes, 0) << "opening and closing CR39 keeps nothing new";
    writeExtReg(m.ports(), 0x66, 0x12);
    EXPECT_EQ(files.writes, 1);
    m.chip().out16(0x3D4, 0xA539);  // left open, as by a program ended mid-access
    EXPECT_EQ(files.writes, 1);
  }
  SimulatedMachine again(files, kDir, clock);
  EXPECT_TRUE(again.resumed());
  EXPECT_EQ(again.chip().crtc(0x66), 0x12);
  EXPECT_EQ(again.chip().crtc(0x39), 0x5A) << "the lock comes back closed";
  EXPECT_EQ(readExtReg(again.ports(), 0x66), 0x12);
}

TEST(SimulatedMachine, DriverValuesPersistWithTheRegisters) {
  FakeProfile files;
  FakeClock clock;
  uint8_t in[1032] = {};
  {
    SimulatedMachine m(files, kDir, clock);
    putU32(in, 35);  // DRV_SET_TV_STANDARD
    putU32(in + 4, 9);
    ASSERT_EQ(m.driver().escape(0x3000, in, 8, nullptr, 0), 1);
    putU32(in, 1);  // GAMMA_SET_RAMP, table of zeros
    ASSERT_EQ(m.driver().escape(0x3002, in, sizeof in, nullptr, 0), 1);
  }
  {
    SimulatedMachine m(files, kDir, clock);
    EXPECT_EQ(m.driver().state().tvStandard, 9u);
    EXPECT_EQ(m.driver().state().gamma[200], 0u);
  }
  files.writeString(kIni, "Machine", "Reset", "1");
  SimulatedMachine m(files, kDir, clock);
  EXPECT_EQ(m.driver().state().tvStandard, 1u);
  EXPECT_EQ(m.driver().state().gamma[200], 0x00C8C8C8u);
  EXPECT_FALSE(m.driver().loadState(m.driver().saveState().substr(1)));
  EXPECT_FALSE(m.driver().loadState(std::string(m.driver().saveState().size(), 'G')));
}

}  // namespace
}  // namespace vdx
