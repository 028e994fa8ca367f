#include <gtest/gtest.h>

#include "tests/host/tweaker/adapter_rig.h"
#include "tweaker/adapter/chip_registers.h"
#include "tweaker/adapter/pll.h"

namespace vdx {
namespace {

using adapter_rig::in;
using adapter_rig::out;
using adapter_rig::outw;
using adapter_rig::PortAccess;
using adapter_rig::Rig;

TEST(ChipRegisters, ExtendedCrtcAccessUnlocksAndRestoresIndexAndLock) {
  Rig rig;
  rig.chip.crtcIndex = 0x11;
  rig.chip.crtc[0x68] = 0xC3;
  EXPECT_EQ(readExtReg(rig.chip, 0x68), 0xC3);
  const std::vector<PortAccess> expected = {
      in(0x3D4, 0x11), out(0x3D4, 0x39), in(0x3D5, 0x5A), outw(0x3D4, 0xA539), out(0x3D4, 0x68),
      in(0x3D5, 0xC3), out(0x3D4, 0x39), out(0x3D5, 0x5A), out(0x3D4, 0x11)};
  EXPECT_EQ(rig.chip.log, expected);

  writeExtReg(rig.chip, 0x70, 0x42);
  EXPECT_EQ(rig.chip.crtc[0x70], 0x42);
  EXPECT_EQ(rig.chip.crtc[0x39], 0x5A) << "lock value restored";
  EXPECT_EQ(rig.chip.crtcIndex, 0x11) << "index restored";
}

TEST(ChipRegisters, SequencerAccessRestoresIndexAndLeavesUnlockOpen) {
  Rig rig;
  rig.chip.seqIndex = 0x02;
  rig.chip.seq[0x10] = 0x21;
  EXPECT_EQ(readSeqReg(rig.chip, 0x10), 0x21);
  const std::vector<PortAccess> expected = {in(0x3C4, 0x02), outw(0x3C4, 0x0608), out(0x3C4, 0x10),
                                            in(0x3C5, 0x21), out(0x3C4, 0x02)};
  EXPECT_EQ(rig.chip.log, expected);
  writeSeqReg(rig.chip, 0x11, 0x55);
  EXPECT_EQ(rig.chip.seq[0x11], 0x55);
  EXPECT_EQ(rig.chip.seq[0x08], 0x06);
  EXPECT_EQ(rig.chip.seqIndex, 0x02);
}

TEST(ChipRegisters, RevisionIsOneHigherOnSavage3D) {
  Rig rig;
  rig.chip.crtc[0x2F] = 0x05;
  EXPECT_EQ(readChipRevision(rig.chip, 0x8A20), 6u);
  EXPECT_EQ(readChipRevision(rig.chip, 0x8A21), 6u);
  EXPECT_EQ(readChipRevision(rig.chip, 0x8A22), 5u);
}

TEST(PllFrequency, ReadsDivisorsAndPostDivider) {
  Rig rig;
  rig.chip.seq[0x10] = 0x01;
  rig.chip.seq[0x11] = 0x1C;
  EXPECT_NEAR(readPllFrequency(rig.chip, 0x10, 0), 143.1818, 0.0001);
  rig.chip.seq[0x35] = 0x23;
  rig.chip.seq[0x36] = 0x72;
  rig.chip.seq[0x38] = 0xF9;
  EXPECT_NEAR(readPllFrequency(rig.chip, 0x35, 0x38), 166.0909, 0.0001);
  rig.chip.seq[0x38] = 0x00;
  EXPECT_NEAR(readPllFrequency(rig.chip, 0x35, 0x38), 83.0455, 0.0001);
  // Bits outside the fields are ignored; the pair index wraps in 8 bits.
  rig.chip.seq[0xFF] = 0x80 | 0x01;
  rig.chip.seq[0x00] = 0x80 | 0x1C;
  EXPECT_NEAR(readPllFrequency(rig.chip, 0xFF, 0), 143.1818, 0.0001);
}

TEST(ProgramPll, WritesInRetraceWithLatchPulseAndReadsBack) {
  Rig rig;
  rig.chip.seq[0x15] = 0x43;  // other bits of the load register survive
  const float mhz = programPll(rig.chip, rig.clock, 0x10, 0x0115, 0x01, 28, 0);
  EXPECT_NEAR(mhz, 143.1818, 0.0001);
  const std::vector<std::pair<uint8_t, uint8_t>> writes = {
      {0x08, 0x06}, {0x15, 0x42}, {0x10, 0x01}, {0x11, 28}, {0x15, 0x43}, {0x15, 0x42}};
  std::vector<std::pair<uint8_t, uint8_t>> seen;
  for (auto& w : rig.chip.seqWrites)
    if (w.first != 0x08 || seen.empty()) seen.push_back(w);
  EXPECT_EQ(seen, writes);
  // The divisor writes come after a retrace began: a clear then a set status read.
  std::size_t firstSeqWrite = 0;
  while (rig.chip.log[firstSeqWrite].port != 0x3C4) ++firstSeqWrite;
  ASSERT_GT(firstSeqWrite, 1u);
  EXPECT_EQ(rig.chip.log[firstSeqWrite - 1], in(0x3DA, 0x08));
}

TEST(ProgramPll, FlagRegisterFollowsPostDivider) {
  Rig rig;
  EXPECT_NEAR(programPll(rig.chip, rig.clock, 0x35, 0x0237, 0x23, 114, 0x38), 166.0909, 0.0001);
  EXPECT_EQ(rig.chip.seq[0x38], 0xF9);
  EXPECT_EQ(rig.chip.seq[0x37] & 0x02, 0);
  EXPECT_NEAR(programPll(rig.chip, rig.clock, 0x35, 0x0237, 0x43, 114, 0x38), 83.0455, 0.0001);
  EXPECT_EQ(rig.chip.seq[0x38], 0x00);
}

TEST(ProgramPll, UnreachablePortsReportZeroAndTouchNothing) {
  Rig rig;
  rig.chip.reachable = false;
  EXPECT_EQ(programPll(rig.chip, rig.clock, 0x10, 0x0115, 0x01, 28, 0), 0.0f);
  EXPECT_TRUE(rig.chip.log.empty());
}

TEST(ProgramPll, DisplayNotScanningDoesNotHang) {
  Rig rig;
  rig.chip.scanning = false;
  EXPECT_FALSE(waitVerticalRetrace(rig.chip, rig.clock));
  EXPECT_NEAR(programPll(rig.chip, rig.clock, 0x10, 0x0115, 0x01, 28, 0), 143.1818, 0.0001);
  // Also with a millisecond counter that never moves.
  rig.clock.setStep(0);
  EXPECT_FALSE(waitVerticalRetrace(rig.chip, rig.clock));
}

TEST(ProgramPll, SettleWaitUsesTheGivenDelay) {
  Rig rig;
  // waitMilliseconds on its own: counts from its first reading.
  rig.clock.setStep(7);
  EXPECT_EQ(waitMilliseconds(rig.clock, 120), 126u);
  EXPECT_LE(waitMilliseconds(rig.clock, 0), 7u);
  // Across the 2^32 wrap of the counter.
  rig.clock.set(0xFFFFFFF0u);
  rig.clock.setStep(4);
  EXPECT_EQ(waitMilliseconds(rig.clock, 30), 32u);

  rig.clock.set(0);
  rig.clock.setStep(1);
  programPll(rig.chip, rig.clock, 0x10, 0x0115, 0x01, 28, 0, 120);
  EXPECT_GE(rig.clock.peek(), 120u);
}

}  // namespace
}  // namespace vdx
