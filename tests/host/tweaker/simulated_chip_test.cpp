// The simulated chip: locks, identification registers, PLL latching,
// retrace timing, the access record and persistence of its state.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/fake_chip_ports.h"
#include "tests/fakes/tweaker/fake_clock.h"

namespace vdx {
namespace {

uint8_t readCrtcUnlocked(ChipPorts& p, uint8_t index) {
  p.out16(0x3D4, 0xA539);
  p.out8(0x3D4, index);
  return p.in8(0x3D5);
}

uint8_t readSeqUnlocked(ChipPorts& p, uint8_t index) {
  p.out16(0x3C4, 0x0608);
  p.out8(0x3C4, index);
  return p.in8(0x3C5);
}

void writeSeqUnlocked(ChipPorts& p, uint8_t index, uint8_t value) {
  p.out16(0x3C4, 0x0608);
  p.out16(0x3C4, static_cast<uint16_t>(value << 8 | index));
}

TEST(SimulatedChip, ExtendedRegistersAreClosedUntilUnlocked) {
  FakeClock clock;
  FakeChipPorts chip(clock);
  chip.out8(0x3D4, 0x68);
  EXPECT_EQ(chip.in8(0x3D5), 0xFF) << "CR68 is locked at power-up";
  chip.out8(0x3C4, 0x10);
  EXPECT_EQ(chip.in8(0x3C5), 0xFF) << "SR10 is locked at power-up";
  chip.out8(0x3C5, 0x55);  // ignored while locked
  EXPECT_EQ(readCrtcUnlocked(chip, 0x68), 0x80);
  EXPECT_EQ(readSeqUnlocked(chip, 0x10), 0x01);
  chip.out16(0x3D4, 0x0039);  // lock again
  chip.out8(0x3D4, 0x68);
  EXPECT_EQ(chip.in8(0x3D5), 0xFF);
  EXPECT_EQ(chip.crtcIndex(), 0x68);
}

struct IdRow {
  const char* preset;
  uint16_t deviceId;
  uint8_t reg;
  uint8_t value;
};

TEST(SimulatedChip, PresetsAnswerTheIdentificationRegisters) {
  const IdRow rows[] = {
      {"Savage4", 0x8A22, 0x68, 0x80},          {"Savage4", 0x8A22, 0x92, 0x10},
      {"Savage4", 0x8A22, 0x37, 0x40},          {"Savage4LT", 0x8A22, 0x68, 0x40},
      {"Savage4LT", 0x8A22, 0x92, 0x00},        {"Savage4LT", 0x8A22, 0x37, 0x00},
      {"Savage3D", 0x8A20, 0x2F, 0x02},         {"SavageMX-Toshiba", 0x8C11, 0x96, 0x11},
      {"SavageMX-Toshiba", 0x8C11, 0x95, 0x79}, {"SavageMX-Toshiba", 0x8C11, 0x98, 0x00},
      {"SavageMX-Toshiba", 0x8C11, 0x97, 0x01}, {"SavageMX-Toshiba", 0x8C11, 0x36, 0x42},
      {"SavageIX-IBM", 0x8C12, 0x96, 0x10},     {"SavageIX-IBM", 0x8C12, 0x97, 0x7F},
      {"Savage2000", 0x9102, 0x98, 0x91},       {"SavageNB", 0x8A25, 0x84, 0x8A},
      {"Savage4", 0x8A22, 0x70, 0x80},          {"Unknown", 0x8811, 0x68, 0x40},
  };
  FakeClock clock;
  FakeChipPorts chip(clock);
  for (const IdRow& r : rows) {
    ASSERT_TRUE(chip.setPreset(r.preset)) << r.preset;
    EXPECT_EQ(chip.card().deviceId, r.deviceId) << r.preset;
    EXPECT_EQ(readCrtcUnlocked(chip, r.reg), r.value) << r.preset << " CR" << std::hex << int(r.reg);
  }
  EXPECT_FALSE(chip.setPreset("Voodoo"));
  EXPECT_EQ(chip.card().deviceId, 0x8A22) << "an unknown preset falls back to the Savage4";
}

TEST(SimulatedChip, PllValuesTakeEffectOnlyOnTheLatchPulse) {
  FakeClock clock;
  FakeChipPorts chip(clock);
  writeSeqUnlocked(chip, 0x10, 0x21);
  writeSeqUnlocked(chip, 0x11, 0x28);
  EXPECT_EQ(readSeqUnlocked(chip, 0x10), 0x01) << "old value until latched";
  const uint8_t base = readSeqUnlocked(chip, 0x15) & 0xFE;
  writeSeqUnlocked(chip, 0x15, base | 0x01);
  writeSeqUnlocked(chip, 0x15, base);
  EXPECT_EQ(readSeqUnlocked(chip, 0x10), 0x21);
  EXPECT_EQ(readSeqUnlocked(chip, 0x11), 0x28);
  // The engine clock latch is bit 3 of SR31; bit 0 does nothing for it.
  writeSeqUnlocked(chip, 0x32, 0x01);
  writeSeqUnlocked(chip, 0x31, 0x01);
  EXPECT_EQ(readSeqUnlocked(chip, 0x32), 0x21);
  writeSeqUnlocked(chip, 0x31, 0x09);
  EXPECT_EQ(readSeqUnlocked(chip, 0x32), 0x01);
}

TEST(SimulatedChip, Savage2000HasItsOwnPllLayoutAndFlagRegister) {
  FakeClock clock;
  FakeChipPorts chip(clock);
  ASSERT_TRUE(chip.setPreset("Savage2000"));
  EXPECT_EQ(readSeqUnlocked(chip, 0x35), 0x23);
  EXPECT_EQ(readSeqUnlocked(chip, 0x36), 0x72);
  EXPECT_EQ(readSeqUnlocked(chip, 0x38), 0xF9);
  writeSeqUnlocked(chip, 0x35, 0x41);
  writeSeqUnlocked(chip, 0x37, 0x02);
  EXPECT_EQ(readSeqUnlocked(chip, 0x35), 0x41);
  writeSeqUnlocked(chip, 0x38, 0x00);
  EXPECT_EQ(readSeqUnlocked(chip, 0x38), 0x00);
}

TEST(SimulatedChip, InputStatusBit3FollowsTheClock) {
  FakeClock clock;
  FakeChipPorts chip(clock);
  clock.set(0);
  EXPECT_EQ(chip.in8(0x3DA) & 0x08, 0x08);
  clock.set(kSimRetraceMs);
  EXPECT_EQ(chip.in8(0x3DA) & 0x08, 0);
  clock.set(kSimFrameMs + 1);
  EXPECT_EQ(chip.in8(0x3DA) & 0x08, 0x08);
}

TEST(SimulatedChip, RecordsEveryAccessInOrder) {
  FakeClock clock;
  FakeChipPorts chip(clock);
  chip.out8(0x3D4, 0x39);
  chip.in8(0x3D5);
  chip.out16(0x3D4, 0xA539);
  chip.in8(0x3DA);
  const std::vector<PortAccess> want = {
      {PortAccess::Out8, 0x3D4, 0x39}, {PortAccess::In8, 0x3D5, 0x5A}, {PortAccess::Out16, 0x3D4, 0xA539}};
  EXPECT_EQ(chip.accessesWithoutStatus(), want);
  EXPECT_EQ(chip.accesses().size(), 4u);
  chip.clearAccesses();
  EXPECT_TRUE(chip.accesses().empty());
}

TEST(SimulatedChip, StateSurvivesARestartOfTheSameCardOnly) {
  FakeClock clock;
  FakeChipPorts chip(clock);
  writeSeqUnlocked(chip, 0x10, 0x21);
  writeSeqUnlocked(chip, 0x15, 0x01);
  const std::string state = chip.saveState();

  FakeChipPorts again(clock);
  ASSERT_TRUE(again.loadState(state));
  EXPECT_EQ(again.seq(0x10), 0x21);
  EXPECT_EQ(again.crtc(0x68), 0x80);

  FakeChipPorts other(clock);
  other.setPreset("Savage3D");
  EXPECT_FALSE(other.loadState(state));
  EXPECT_EQ(other.seq(0x10), 0x01);
  for (const char* bad : {"", "garbage", "8A2205533338A22:zz:zz:zz", "8A22055333:8A22"}) EXPECT_FALSE(again.loadState(bad));
}

}  // namespace
}  // namespace vdx
