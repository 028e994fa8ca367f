// Identification and clocks against the simulated chip of every card preset.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/card_programs.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/simulated/sim_card.h"

namespace vdx {
namespace {

struct PresetExpect {
  const char* preset;
  uint32_t deviceId;
  const char* chipName;
  ChipCapability capabilities;  // without registry or driver files
  uint8_t memoryType;
  uint16_t subsystemVendorId, subsystemId;
  float mclk, eclk;  // MHz at power-up; 0 = the chip has no such clock
};

const PresetExpect kPresets[] = {
    {"Savage4", 0x8A22, "Savage4 GT/Pro",
     kCapMclk | kCapEclk | kCapOutputs | kCapBlockWrite | kCapCommandDma | kCapZBuffer | kCapFastZClear | kCapGamma |
         kCapTopScanLine | kCapTvRca | kCapTvSVideo | kCapAgp | kCapAgpSideband | kCapAgpExtra1 | kCapAgpExtra2 |
         kCapAgp4x | kCapMiniGl,
     kMemorySgram, 0x5333, 0x8A22, 143.1818f, 116.9318f},
    {"Savage3D", 0x8A20, "Savage3D",
     kCapMclk | kCapOutputs | kCapWriteCombining | kCapGamma | kCapTopScanLine | kCapTvRca | kCapTvSVideo | kCapAgp |
         kCapAgpExtra1 | kCapAgpExtra2,
     kMemorySgram, 0x5333, 0x8A20, 143.1818f, 0},
    {"Savage4LT", 0x8A22, "Savage4 LT",
     kCapMclk | kCapEclk | kCapOutputs | kCapCommandDma | kCapZBuffer | kCapFastZClear | kCapGamma | kCapTopScanLine |
         kCapTvRca | kCapTvSVideo | kCapMiniGl,
     kMemorySdram, 0x5333, 0x8A23, 100.2273f, 116.9318f},
    {"SavageMX-Toshiba", 0x8C11, "Savage/MX",
     kCapMclk | kCapOutputs | kCapTwoDisplays | kCapGamma | kCapAgp | kCapAgpExtra1 | kCapAgpExtra2 | kCapMiniGl,
     kMemorySdram, 0x1179, 0x0001, 100.2273f, 0},
    {"SavageMX", 0x8C10, "Savage/MX (MV)",
     kCapMclk | kCapOutputs | kCapTwoDisplays | kCapGamma | kCapAgp | kCapAgpExtra1 | kCapAgpExtra2 | kCapAgpSideband |
         kCapMiniGl,
     kMemorySgram, 0x5333, 0x8C10, 100.2273f, 0},
    {"SavageIX-IBM", 0x8C12, "Savage/IX (MV)",
     kCapMclk | kCapOutputs | kCapTwoDisplays | kCapGamma | kCapAgp | kCapAgpExtra1 | kCapAgpExtra2 | kCapMiniGl,
     kMemorySdram, 0x1014, 0x017F, 100.2273f, 0},
    {"Savage2000", 0x9102, "Savage 2000",
     kCapMclk | kCapEclk | kCapOutputs | kCapCommandDma | kCapAgp | kCapAgpSideband | kCapAgpExtra1 | kCapAgpExtra2 |
         kCapAgp4x | kCapGamma | kCapTopScanLine | kCapOpenGl | kCapHwTnl | kCapForceWBuffer | kCapTvRca | kCapTvSVideo,
     kMemorySdram, 0x5333, 0x9102, 166.0909f, 143.1818f},
    {"SavageNB", 0x8A25, "SavageNB",
     kCapMclk | kCapEclk | kCapOutputs | kCapCommandDma | kCapZBuffer | kCapFastZClear | kCapGamma | kCapTopScanLine |
         kCapTvRca | kCapTvSVideo | kCapAgp | kCapAgpSideband | kCapAgpExtra1 | kCapAgpExtra2 | kCapAgp4x,
     kMemorySdram, 0x5333, 0x8A25, 143.1818f, 116.9318f},
    {"Unknown", 0x8811, "???", 0, kMemoryUnknown, 0x5333, 0x8811, 0, 0},
};

TEST(IdentifyPresets, EverySimulatedCard) {
  ASSERT_EQ(simPresetNames().size(), sizeof kPresets / sizeof kPresets[0]);
  for (const PresetExpect& e : kPresets) {
    SCOPED_TRACE(e.preset);
    FakePlatform fp;
    AdapterIdentity id;
    ASSERT_TRUE(identifyCard(fp, e.preset, &id));
    EXPECT_EQ(id.deviceId, e.deviceId);
    EXPECT_EQ(id.chipName, e.chipName);
    EXPECT_EQ(id.capabilities, e.capabilities);
    EXPECT_EQ(id.memoryType, e.memoryType);
    EXPECT_EQ(id.subsystemVendorId, e.subsystemVendorId);
    EXPECT_EQ(id.subsystemId, e.subsystemId);
    const uint32_t expectedRevision =
        fp.ports.card().revision + ((e.deviceId == 0x8A20 || e.deviceId == 0x8A21) ? 1u : 0u);
    EXPECT_EQ(id.revision, expectedRevision);
    if (id.has(kCapMclk)) {
      EXPECT_NEAR(readPllFrequency(fp.ports, id.mclkPll.pllIndex, id.mclkPll.postDividerFlagRegister), e.mclk, 0.001);
    }
    if (id.has(kCapEclk)) {
      EXPECT_NEAR(readPllFrequency(fp.ports, id.eclkPll.pllIndex, id.eclkPll.postDividerFlagRegister), e.eclk, 0.001);
    }
  }
}

TEST(IdentifyPresets, ProgrammedClocksTakeEffectOnTheSimulatedChip) {
  FakePlatform fp;
  fp.ports.setPreset("Savage4");
  const PllDivisors d = findPllDivisors(100.0f, true, 0);
  EXPECT_NEAR(programPll(fp.ports, fp.clock, 0x10, 0x0115, d.mReg, d.nReg, 0, 120), 100.2273, 0.001);
  EXPECT_NEAR(readPllFrequency(fp.ports, 0x10, 0), 100.2273, 0.001);

  fp.ports.setPreset("Savage2000");
  const PllDivisors s = findPllDivisors(166.0f, true, 1);
  EXPECT_NEAR(programPll(fp.ports, fp.clock, 0x35, 0x0237, s.mReg, s.nReg, 0x38), 166.0909, 0.001);
  EXPECT_EQ(fp.ports.seq(0x38), 0xF9);
  const PllDivisors slow = findPllDivisors(83.0f, true, 1);
  const float got = programPll(fp.ports, fp.clock, 0x35, 0x0237, slow.mReg, slow.nReg, 0x38);
  EXPECT_NEAR(got, slow.mhz, 0.001);
}

}  // namespace
}  // namespace vdx
