// The simulated driver behind the escape wrappers: the answers the tweaker
// relies on, values kept between calls, refusals, and replies that never
// run past the buffers they are given.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/display/driver_escape.h"
#include "tweaker/display/escape_record.h"
#include "tweaker/simulated/sim_display.h"

namespace vdx {
namespace {

class SimDriverTest : public ::testing::Test {
 protected:
  void use(const std::string& preset) {
    SimCard card;
    ASSERT_TRUE(simPreset(preset, &card));
    driver = std::make_unique<SimulatedDriver>(card);
    display = std::make_unique<SimulatedDisplay>(*driver, fp.display);
    esc = std::make_unique<DriverEscapes>(*display);
    ASSERT_TRUE(esc->QueryDriverEscapes());
  }
  FakePlatform fp;
  std::unique_ptr<SimulatedDriver> driver;
  std::unique_ptr<SimulatedDisplay> display;
  std::unique_ptr<DriverEscapes> esc;
};

TEST_F(SimDriverTest, EveryPresetAnswersItsDeviceIdMemoryAndBios) {
  for (const std::string& name : simPresetNames()) {
    use(name);
    uint32_t id = 0, memory = 0;
    EXPECT_TRUE(esc->DRV_GET_DEVICE_ID(&id)) << name;
    EXPECT_EQ(id, driver->card().deviceId) << name;
    EXPECT_TRUE(esc->DRV_GET_VIDEO_MEMORY(&memory)) << name;
    EXPECT_EQ(memory, driver->card().memoryBytes) << name;
    uint16_t bios[9];
    EXPECT_TRUE(esc->DRV_GET_BIOS_VERSION(bios)) << name;
    EXPECT_EQ(bios[0], driver->card().biosVersion[0]) << name;
  }
}

TEST_F(SimDriverTest, SetValuesAreKeptAndOutOfRangeValuesRefused) {
  use("Savage4");
  uint32_t v = 0, w = 0;
  EXPECT_TRUE(esc->DRV_SET_TV_STANDARD(2));
  EXPECT_TRUE(esc->DRV_GET_TV_STANDARD(&v));
  EXPECT_EQ(v, 2u);
  EXPECT_FALSE(esc->DRV_SET_TV_STANDARD(15)) << "code 15 has no bit in the mask";
  EXPECT_FALSE(esc->DRV_SET_TV_STANDARD(0));
  EXPECT_TRUE(esc->DRV_SET_TV_CONTRAST(10));
  EXPECT_TRUE(esc->DRV_GET_TV_CONTRAST(&v));
  EXPECT_EQ(v, 10u);
  uint32_t bMax = 0, cMax = 0, colMax = 0, tMax = 0;
  ASSERT_TRUE(esc->DRV_GET_TV_PICTURE_RANGES(&bMax, &cMax, &colMax, &tMax));
  EXPECT_TRUE(esc->DRV_SET_TV_BRIGHTNESS(bMax));
  EXPECT_FALSE(esc->DRV_SET_TV_BRIGHTNESS(bMax + 1));
  EXPECT_TRUE(esc->DRV_SET_ACTIVE_DISPLAYS(DISPLAY_CRT | DISPLAY_TV));
  EXPECT_TRUE(esc->DRV_GET_ACTIVE_DISPLAYS(&v, &w));
  EXPECT_EQ(v, DISPLAY_CRT | DISPLAY_TV);
  EXPECT_FALSE(esc->DRV_SET_ACTIVE_DISPLAYS(DISPLAY_LCD)) << "the Savage4 board has no panel";
  EXPECT_FALSE(esc->DRV_SET_ACTIVE_DISPLAYS(0));
  uint16_t panel[3] = {1, 1, 1};
  EXPECT_FALSE(esc->DRV_GET_PANEL_SIZE(panel));
  uint32_t hr = 0, hp = 0, vr = 0, vp = 0;
  EXPECT_TRUE(esc->DRV_SET_TV_POSITION(64, 3, 32, 4));
  EXPECT_TRUE(esc->DRV_GET_TV_POSITION(&hr, &hp, &vr, &vp));
  EXPECT_EQ(hp, 3u);
  EXPECT_EQ(vp, 4u);
  EXPECT_FALSE(esc->DRV_SET_TV_POSITION(64, hr + 1, 32, 0));
}

TEST_F(SimDriverTest, TvSizeWithAndWithoutTheHorizontalSize) {
  use("Savage4");
  uint32_t h = 0, v = 0, lock = 0;
  EXPECT_TRUE(esc->DRV_SET_TV_SIZE(10, 0, 20));
  EXPECT_TRUE(esc->DRV_GET_TV_HORZ_SIZE(&h));
  EXPECT_TRUE(esc->DRV_GET_TV_VERT_SIZE(&v, &lock));
  EXPECT_EQ(h, 20u);
  EXPECT_EQ(v, 10u);
  EXPECT_EQ(lock, 0u);
  EXPECT_TRUE(esc->DRV_SET_TV_SIZE(16, 1, -1));
  EXPECT_TRUE(esc->DRV_GET_TV_HORZ_SIZE(&h));
  EXPECT_EQ(h, 16u) << "locked ratio: horizontal follows the vertical size";
}

TEST_F(SimDriverTest, LaptopPresetHasAPanelAndExpansion) {
  use("SavageMX-Toshiba");
  uint16_t panel[3];
  ASSERT_TRUE(esc->DRV_GET_PANEL_SIZE(panel));
  EXPECT_EQ(panel[0], 1024);
  EXPECT_EQ(panel[1], 768);
  uint32_t h = 0, v = 0;
  EXPECT_TRUE(esc->DRV_SET_HORZ_EXPANSION(kExpansionOn));
  EXPECT_TRUE(esc->DRV_SET_VERT_EXPANSION(kExpansionOn));
  EXPECT_TRUE(esc->DRV_GET_HORZ_EXPANSION(&h));
  EXPECT_TRUE(esc->DRV_GET_VERT_EXPANSION(&v));
  EXPECT_EQ(h, 2u);
  EXPECT_EQ(v, 2u);
  EXPECT_FALSE(esc->DRV_SET_HORZ_EXPANSION(3));
}

TEST_F(SimDriverTest, GammaTableIsKeptAndCommitsCounted) {
  use("Savage4");
  GammaRamp ramp;
  ASSERT_TRUE(esc->GetGammaRamp(&ramp));
  EXPECT_EQ(ramp.red(200), 200);
  ramp.green(7) = 0x1AB;
  ASSERT_TRUE(esc->SetGammaRamp(ramp, false));
  EXPECT_EQ(driver->state().gammaCommits, 0u);
  ASSERT_TRUE(esc->SetGammaRamp(ramp, true));
  EXPECT_EQ(driver->state().gammaCommits, 1u);
  GammaRamp back;
  ASSERT_TRUE(esc->GetGammaRamp(&back));
  EXPECT_EQ(back.green(7), 0xAB);
}

TEST_F(SimDriverTest, MalformedRecordsAreRefusedWithoutTouchingPastBuffers) {
  use("Savage4");
  SimulatedDriver& d = *driver;
  uint8_t in[20] = {};
  putU32(in, 95);
  // Short output buffers get only what fits (ASan watches the rest).
  for (std::size_t outSize : {0u, 1u, 3u, 7u}) {
    std::vector<uint8_t> out(outSize, 0xEE);
    EXPECT_EQ(d.escape(0x3000, in, 4, outSize ? out.data() : nullptr, outSize), 1);
  }
  uint8_t out[8] = {};
  EXPECT_EQ(d.escape(0x3000, in, 3, out, 8), -1) << "no room for the code";
  EXPECT_EQ(d.escape(0x3000, nullptr, 4, out, 8), -1);
  putU32(in, 2);
  EXPECT_EQ(d.escape(0x3000, in, 8, nullptr, 0), -1) << "DRV_SET_ACTIVE_DISPLAYS needs 12 bytes";
  putU32(in, 92);
  EXPECT_EQ(d.escape(0x3000, in, 20, out, 8), -1) << "DRV_SET_TV_SIZE takes 12 or 16 bytes";
  putU32(in, 1000);
  EXPECT_EQ(d.escape(0x3000, in, 4, out, 8), 0) << "unknown function";
  putU32(in, 1);
  EXPECT_EQ(d.escape(0x3002, in, 8, nullptr, 0), -1) << "a gamma set without its table";
  std::vector<uint8_t> shortTable(100, 0);
  putU32(in, 0);
  EXPECT_EQ(d.escape(0x3002, in, 4, shortTable.data(), shortTable.size()), 1);
  EXPECT_EQ(d.escape(0x1234, in, 4, out, 8), 0);
  putU32(in, 0x3002);
  EXPECT_EQ(d.escape(8, in, 4, nullptr, 0), 1);
  putU32(in, 0x3001);
  EXPECT_EQ(d.escape(8, in, 4, nullptr, 0), 0);
}

TEST_F(SimDriverTest, AnyRecordOfAnySizeStaysInsideItsBuffers) {
  use("SavageMX-Toshiba");
  uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<uint8_t>(seed >> 16);
  };
  for (int escape : {8, 0x3000, 0x3002}) {
    for (uint32_t function = 0; function < 128; ++function) {
      for (std::size_t inSize = 0; inSize <= 24; inSize += 4) {
        for (std::size_t outSize : {0u, 2u, 5u, 8u, 17u, 20u}) {
          // Exactly sized heap buffers, so ASan reports a single byte too far.
          std::vector<uint8_t> in(inSize);
          for (uint8_t& b : in) b = next();
          if (inSize >= 4) putU32(in.data(), function);
          std::vector<uint8_t> out(outSize);
          driver->escape(escape, inSize ? in.data() : nullptr, inSize, outSize ? out.data() : nullptr, outSize);
        }
      }
    }
  }
  std::vector<uint8_t> table(1032, 0xFF);
  putU32(table.data(), 1);
  EXPECT_EQ(driver->escape(0x3002, table.data(), table.size(), nullptr, 0), 1);
  EXPECT_EQ(driver->state().gamma[0], 0x00FFFFFFu) << "only 24 bits of a gamma word are kept";
}

}  // namespace
}  // namespace vdx
