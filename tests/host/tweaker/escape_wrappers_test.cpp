// The driver escape layer: the support flag, exact record sizes, "exactly 1
// is success", zero-filled outputs, the BIOS date fix-up and gamma packing.
#include <gtest/gtest.h>

#include <functional>

#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/display/driver_escape.h"
#include "tweaker/display/escape_record.h"

namespace vdx {
namespace {

class EscapeTest : public ::testing::Test {
 protected:
  // Decides escapeSupported through the one function allowed to.
  void setSupported(bool on) {
    fp.display.setEscapeHandler([on](int code, const std::vector<uint8_t>& in, uint8_t*, std::size_t) {
      return code == kQueryEscSupport && in.size() == 4 && getU32(in.data()) == 0x3000 && on ? 1 : 0;
    });
    EXPECT_EQ(esc.QueryDriverEscapes(), on);
    EXPECT_EQ(esc.escapeSupported(), on);
    fp.display.clearLog();
  }
  // Every driver call answers `result` and fills the output with `fill`.
  void answer(int result, uint8_t fill) {
    fp.display.setEscapeHandler([result, fill](int, const std::vector<uint8_t>&, uint8_t* out, std::size_t n) {
      for (std::size_t i = 0; i < n; ++i) out[i] = fill;
      return result;
    });
  }
  FakePlatform fp;
  DriverEscapes esc{fp.display};
};

TEST_F(EscapeTest, QueryAsksForEscape3000Once) {
  setSupported(true);
  setSupported(false);
  fp.display.setEscapeHandler(nullptr);
  EXPECT_FALSE(esc.QueryDriverEscapes());
  ASSERT_EQ(fp.display.escapeCalls().size(), 1u);
  EXPECT_EQ(fp.display.escapeCalls()[0].code, 8);
  EXPECT_EQ(fp.display.escapeCalls()[0].input, (std::vector<uint8_t>{0x00, 0x30, 0, 0}));
  EXPECT_FALSE(fp.display.escapeCalls()[0].outGiven);
}

TEST_F(EscapeTest, WithoutSupportEveryOperationSucceedsWithZerosAndNoDriverCall) {
  setSupported(false);
  uint32_t a = 7, b = 7, c = 7, d = 7;
  EXPECT_TRUE(esc.DRV_GET_DEVICE_ID(&a, &b));
  EXPECT_EQ(a, 0u);
  EXPECT_EQ(b, 0u);
  a = 7;
  EXPECT_TRUE(esc.DRV_GET_VIDEO_MEMORY(&a));
  EXPECT_EQ(a, 0u);
  a = b = c = d = 7;
  EXPECT_TRUE(esc.DRV_GET_TV_POSITION(&a, &b, &c, &d));
  EXPECT_EQ(a + b + c + d, 0u);
  a = b = c = d = 7;
  EXPECT_TRUE(esc.DRV_GET_TV_PICTURE_RANGES(&a, &b, &c, &d));
  for (uint32_t v : {a, b, c, d}) EXPECT_EQ(v, 0xFFFFFFFFu);
  a = 0;
  b = c = 7;
  EXPECT_TRUE(esc.DRV_GET_FLICKER_RANGE(&a, &b, &c));
  EXPECT_EQ(a, 0xFFFFFFFFu);
  EXPECT_EQ(b, 7u) << "zero second and third values are not stored";
  EXPECT_EQ(c, 7u);
  uint16_t bios[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  EXPECT_TRUE(esc.DRV_GET_BIOS_VERSION(bios));
  for (uint16_t w : bios) EXPECT_EQ(w, 0);
  GammaRamp ramp;
  ramp.red(3) = 99;
  EXPECT_TRUE(esc.GetGammaRamp(&ramp));
  EXPECT_EQ(ramp.red(3), 0);
  EXPECT_TRUE(esc.SetGammaRamp(ramp, true));
  EXPECT_TRUE(esc.DRV_SET_ACTIVE_DISPLAYS(DISPLAY_CRT));
  EXPECT_TRUE(esc.DRV_SET_TV_SIZE(1, 1, -1));
  EXPECT_TRUE(fp.display.escapeCalls().empty());
}

struct SizeRow {
  const char* name;
  std::function<bool()> call;
  int escape;
  uint32_t function;
  std::size_t inSize;
  std::size_t outSize;
};

TEST_F(EscapeTest, EveryOperationSendsItsExactRecordSizes) {
  setSupported(true);
  answer(1, 0);
  uint32_t v = 0;
  uint16_t words[9];
  GammaRamp ramp;
  const SizeRow rows[] = {
      {"panel", [&] { return esc.DRV_GET_PANEL_SIZE(words); }, 0x3000, 0, 4, 6},
      {"active", [&] { return esc.DRV_GET_ACTIVE_DISPLAYS(&v); }, 0x3000, 1, 4, 8},
      {"set active", [&] { return esc.DRV_SET_ACTIVE_DISPLAYS(3); }, 0x3000, 2, 12, 0},
      {"get horz", [&] { return esc.DRV_GET_HORZ_EXPANSION(&v); }, 0x3000, 3, 4, 4},
      {"set horz", [&] { return esc.DRV_SET_HORZ_EXPANSION(2); }, 0x3000, 4, 8, 0},
      {"get vert", [&] { return esc.DRV_GET_VERT_EXPANSION(&v); }, 0x3000, 5, 4, 4},
      {"set vert", [&] { return esc.DRV_SET_VERT_EXPANSION(2); }, 0x3000, 6, 8, 0},
      {"connected", [&] { return esc.DRV_GET_CONNECTED_DISPLAYS(&v); }, 0x3000, 7, 4, 4},
      {"get flicker", [&] { return esc.DRV_GET_FLICKER(&v, &v); }, 0x3000, 17, 4, 8},
      {"set flicker", [&] { return esc.DRV_SET_FLICKER(1, 2); }, 0x3000, 18, 12, 0},
      {"get port", [&] { return esc.DRV_GET_TV_PORT(&v); }, 0x3000, 21, 4, 4},
      {"set port", [&] { return esc.DRV_SET_TV_PORT(1); }, 0x3000, 22, 8, 0},
      {"get pos", [&] { return esc.DRV_GET_TV_POSITION(&v, &v, &v, &v); }, 0x3000, 23, 4, 16},
      {"set pos", [&] { return esc.DRV_SET_TV_POSITION(1, 2, 3, 4); }, 0x3000, 24, 20, 0},
      {"bios", [&] { return esc.DRV_GET_BIOS_VERSION(words); }, 0x3000, 29, 4, 18},
      {"get std", [&] { return esc.DRV_GET_TV_STANDARD(&v); }, 0x3000, 34, 4, 4},
      {"set std", [&] { return esc.DRV_SET_TV_STANDARD(2); }, 0x3000, 35, 8, 0},
      {"memory", [&] { return esc.DRV_GET_VIDEO_MEMORY(&v); }, 0x3000, 36, 4, 4},
      {"caps", [&] { return esc.DRV_GET_DISPLAY_CAPS(&v, &v); }, 0x3000, 60, 4, 8},
      {"get contrast", [&] { return esc.DRV_GET_TV_CONTRAST(&v); }, 0x3000, 69, 4, 4},
      {"set contrast", [&] { return esc.DRV_SET_TV_CONTRAST(1); }, 0x3000, 70, 8, 0},
      {"get colour", [&] { return esc.DRV_GET_TV_COLOUR(&v); }, 0x3000, 72, 4, 4},
      {"set colour", [&] { return esc.DRV_SET_TV_COLOUR(1); }, 0x3000, 73, 8, 0},
      {"get tint", [&] { return esc.DRV_GET_TV_TINT(&v); }, 0x3000, 75, 4, 4},
      {"set tint", [&] { return esc.DRV_SET_TV_TINT(1); }, 0x3000, 76, 8, 0},
      {"get bright", [&] { return esc.DRV_GET_TV_BRIGHTNESS(&v); }, 0x3000, 78, 4, 4},
      {"set bright", [&] { return esc.DRV_SET_TV_BRIGHTNESS(1); }, 0x3000, 79, 8, 0},
      {"get hsize", [&] { return esc.DRV_GET_TV_HORZ_SIZE(&v); }, 0x3000, 88, 4, 4},
      {"set hsize", [&] { return esc.DRV_SET_TV_HORZ_SIZE(1); }, 0x3000, 89, 8, 0},
      {"get vsize", [&] { return esc.DRV_GET_TV_VERT_SIZE(&v, &v); }, 0x3000, 91, 4, 8},
      {"set size 3", [&] { return esc.DRV_SET_TV_SIZE(5, 1, 7); }, 0x3000, 92, 16, 8},
      {"set size 2", [&] { return esc.DRV_SET_TV_SIZE(5, 1, -1); }, 0x3000, 92, 12, 8},
      {"size range", [&] { return esc.DRV_GET_TV_SIZE_RANGE(&v, &v); }, 0x3000, 94, 4, 8},
      {"device", [&] { return esc.DRV_GET_DEVICE_ID(&v); }, 0x3000, 95, 4, 8},
      {"pictures", [&] { return esc.DRV_GET_TV_PICTURE_RANGES(&v, &v, &v, &v); }, 0x3000, 98, 4, 16},
      {"flicker range", [&] { return esc.DRV_GET_FLICKER_RANGE(&v, &v, &v); }, 0x3000, 99, 4, 12},
      {"bios date", [&] { return esc.DRV_GET_BIOS_DATE(words); }, 0x3000, 102, 4, 8},
      {"get gamma", [&] { return esc.GetGammaRamp(&ramp); }, 0x3002, 0, 4, 1024},
      {"set gamma", [&] { return esc.SetGammaRamp(ramp, false); }, 0x3002, 1, 1032, 0},
  };
  for (const SizeRow& r : rows) {
    fp.display.clearLog();
    EXPECT_TRUE(r.call()) << r.name;
    ASSERT_EQ(fp.display.escapeCalls().size(), 1u) << r.name;
    const FakeDisplay::EscapeCall& c = fp.display.escapeCalls()[0];
    EXPECT_EQ(c.code, r.escape) << r.name;
    ASSERT_EQ(c.input.size(), r.inSize) << r.name;
    EXPECT_EQ(getU32(c.input.data()), r.function) << r.name;
    EXPECT_EQ(c.outSize, r.outSize) << r.name;
  }
}

TEST_F(EscapeTest, RecordsCarryTheirParametersInOrder) {
  setSupported(true);
  answer(1, 0);
  ASSERT_TRUE(esc.DRV_SET_TV_SIZE(0x11, 1, 0x22));
  ASSERT_TRUE(esc.DRV_SET_TV_POSITION(64, 10, 32, 5));
  ASSERT_TRUE(esc.DRV_SET_ACTIVE_DISPLAYS(0x05));
  const auto& calls = fp.display.escapeCalls();
  auto word = [&](std::size_t call, std::size_t i) { return getU32(calls[call].input.data() + 4 * i); };
  EXPECT_EQ(word(0, 1), 0x11u);
  EXPECT_EQ(word(0, 2), 1u);
  EXPECT_EQ(word(0, 3), 0x22u);
  EXPECT_EQ((std::vector<uint32_t>{word(1, 1), word(1, 2), word(1, 3), word(1, 4)}),
            (std::vector<uint32_t>{64, 10, 32, 5}));
  EXPECT_EQ(word(2, 1), 5u);
  EXPECT_EQ(word(2, 2), 0u);
}

TEST_F(EscapeTest, OnlyAResultOfExactlyOneCountsAndCopiesOut) {
  setSupported(true);
  for (int result : {0, -1, 2, 12288}) {
    answer(result, 0xAB);
    uint32_t v = 5, w = 6;
    EXPECT_FALSE(esc.DRV_GET_DEVICE_ID(&v, &w)) << result;
    EXPECT_EQ(v, 5u);
    EXPECT_EQ(w, 6u);
    EXPECT_FALSE(esc.DRV_SET_TV_PORT(1)) << result;
    uint16_t date[4] = {1, 2, 3, 4};
    EXPECT_FALSE(esc.DRV_GET_BIOS_DATE(date));
    EXPECT_EQ(date[0], 0) << "a caller's record is zeroed, never left half-filled";
  }
  answer(1, 0xAB);
  uint32_t v = 0;
  EXPECT_TRUE(esc.DRV_GET_DEVICE_ID(&v));
  EXPECT_EQ(v, 0xABABABABu);
}

TEST_F(EscapeTest, BiosDateYear1A00BecomesYear2000) {
  setSupported(true);
  for (uint16_t year : {uint16_t{0x1A00}, uint16_t{0x1999}, uint16_t{0x1A01}}) {
    fp.display.setEscapeHandler([year](int, const std::vector<uint8_t>&, uint8_t* out, std::size_t n) {
      if (n >= 8) {
        putU16(out, 0x12);
        putU16(out + 2, 0x31);
        putU16(out + 4, year);
      }
      return 1;
    });
    uint16_t date[4];
    ASSERT_TRUE(esc.DRV_GET_BIOS_DATE(date));
    EXPECT_EQ(date[0], 0x12);
    EXPECT_EQ(date[2], year == 0x1A00 ? 0x2000 : year);
  }
}

TEST_F(EscapeTest, GammaTablesArePackedAsRedGreenBlueLowBytes) {
  GammaRamp ramp;
  ramp.red(0) = 0x1FF;
  ramp.green(0) = 0x180;
  ramp.blue(0) = 0x140;
  ramp.red(255) = 0x01;
  uint32_t words[256];
  packGammaRamp(ramp, words);
  EXPECT_EQ(words[0], 0x00FF8040u);
  EXPECT_EQ(words[255], 0x00010000u);
  words[1] = 0x00FF8040;
  GammaRamp back;
  unpackGammaRamp(words, &back);
  EXPECT_EQ(back.red(1), 0xFF);
  EXPECT_EQ(back.green(1), 0x80);
  EXPECT_EQ(back.blue(1), 0x40);

  setSupported(true);
  answer(1, 0);
  ASSERT_TRUE(esc.SetGammaRamp(ramp, true));
  const std::vector<uint8_t>& in = fp.display.escapeCalls().back().input;
  EXPECT_EQ(getU32(in.data() + 4), 1u) << "commit flag";
  EXPECT_EQ(getU32(in.data() + 8), 0x00FF8040u);
}

}  // namespace
}  // namespace vdx
