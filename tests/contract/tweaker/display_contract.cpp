// What the display seam answers without an S3 driver, on the fake and on Win32.
#include <gtest/gtest.h>

#include "tests/contract/tweaker/contract_factories.h"

namespace vdx {
namespace {

TEST(DisplayContract, TheCurrentModeIsListedAndPassesATestChange) {
  auto display = contract::makeDisplay();
  uint32_t w = 0, h = 0, bpp = 0;
  display->deviceCaps(&w, &h, &bpp);
  ASSERT_GT(w, 0u);
  EXPECT_EQ(static_cast<int>(w), display->screenWidth());
  EXPECT_EQ(static_cast<int>(h), display->screenHeight());
  bool listed = false;
  uint32_t count = 0;
  DisplayMode m;
  while (count < 4096 && display->enumMode(count, &m)) {
    listed = listed || (m.width == w && m.height == h && m.bitsPerPixel == bpp);
    ++count;
  }
  EXPECT_GT(count, 0u);
  EXPECT_LT(count, 4096u) << "enumeration ends";
  EXPECT_TRUE(listed);
  const DisplayMode current{w, h, bpp, 0};
  EXPECT_EQ(display->changeMode(current, kDmPelsWidth | kDmPelsHeight | kDmBitsPerPel, kCdsTest),
            kDispChangeSuccessful);
  const DisplayMode odd{123, 45, bpp, 0};
  EXPECT_EQ(display->changeMode(odd, kDmPelsWidth | kDmPelsHeight | kDmBitsPerPel, kCdsTest), kDispChangeBadMode);
}

TEST(DisplayContract, NoDriverEscapesWithoutTheDriver) {
  auto display = contract::makeDisplay();
  const uint8_t query[4] = {0x00, 0x30, 0, 0};
  EXPECT_LE(display->escape(8, query, sizeof query, nullptr, 0), 0);
  uint8_t out[8] = {};
  const uint8_t deviceId[4] = {95, 0, 0, 0};
  EXPECT_NE(display->escape(0x3000, deviceId, sizeof deviceId, out, sizeof out), 1);
}

}  // namespace
}  // namespace vdx
