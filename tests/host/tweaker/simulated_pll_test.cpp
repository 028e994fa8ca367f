// The simulated chip's PLL registers are what the tweaker's clock layer
// reads back: programming a clock on each family changes the frequency
// read afterwards, and only through the latch the chip listens to.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/adapter/pll.h"

namespace vdx {
namespace {

struct PllCase {
  const char* preset;
  uint8_t pllIndex;
  uint16_t loadWord;
  uint16_t flagRegister;
  float startMhz;
  float target;
  uint32_t mode;
};

TEST(SimulatedPll, ProgrammedClocksReadBackOnEveryFamily) {
  const PllCase cases[] = {
      {"Savage4", 0x10, 0x0115, 0, 143.18f, 100.0f, 0},
      {"Savage4", 0x32, 0x0831, 0, 116.93f, 143.0f, 0},
      {"Savage3D", 0x10, 0x0115, 0, 143.18f, 125.0f, 0},
      {"Savage2000", 0x35, 0x0237, 0x38, 166.09f, 150.0f, 1},
      {"Savage2000", 0x32, 0x0234, 0, 143.18f, 125.0f, 0},
  };
  for (const PllCase& c : cases) {
    FakePlatform fp;
    ASSERT_TRUE(fp.ports.setPreset(c.preset));
    EXPECT_NEAR(readPllFrequency(fp.ports, c.pllIndex, c.flagRegister), c.startMhz, 0.01) << c.preset;
    const PllDivisors d = findPllDivisors(c.target, true, c.mode);
    ASSERT_GT(d.mhz, 0.0f) << c.preset;
    const float back = programPll(fp.ports, fp.clock, c.pllIndex, c.loadWord, d.mReg, d.nReg, c.flagRegister);
    EXPECT_NEAR(back, d.mhz, 0.01) << c.preset << " pll " << int(c.pllIndex);
    EXPECT_NEAR(readPllFrequency(fp.ports, c.pllIndex, c.flagRegister), d.mhz, 0.01) << c.preset;
  }
}

TEST(SimulatedPll, AWrongLatchLeavesTheOldClock) {
  FakePlatform fp;
  const PllDivisors d = findPllDivisors(100.0f, true, 0);
  // The engine clock's latch (SR31 bit 3) pulsed for the memory clock pair.
  programPll(fp.ports, fp.clock, 0x10, 0x0831, d.mReg, d.nReg, 0);
  EXPECT_NEAR(readPllFrequency(fp.ports, 0x10, 0), 143.18, 0.01);
}

}  // namespace
}  // namespace vdx
