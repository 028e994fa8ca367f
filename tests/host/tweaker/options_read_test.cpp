// Reading the driver switches: encodings, clamps and what absent or
// unreadable values mean.
#include "tests/host/tweaker/options_fixture.h"

namespace vdx {
namespace {

using OptionsRead = OptionsFixture;

TEST_F(OptionsRead, AnEmptyRegistryReadsAsTheDefaults) {
  current = DriverOptions();
  current.ICDHWTL = 1;  // three-way fields without a value keep what they hold
  read();
  DriverOptions want = defaults;
  want.ICDHWTL = 1;
  EXPECT_TRUE(want == current);
  EXPECT_EQ(0u, reg.openKeyCount());
}

TEST_F(OptionsRead, SwitchTextsAndUnknownTextsFallBackToTheDefault) {
  set("AT", "1");
  set("AC", "ON");
  set("WV", "0");
  set("FD", "maybe");  // default 1 on Savage4
  set("OS", "On");
  reg.setDword(kRoot, kKey, "AM", 1);  // wrong type: the default 0
  read();
  EXPECT_EQ(1, current.AT);
  EXPECT_EQ(1, current.AC);
  EXPECT_EQ(0, current.WV);
  EXPECT_EQ(1, current.FD);
  EXPECT_EQ(1, current.OS);
  EXPECT_EQ(0, current.AM);
}

TEST_F(OptionsRead, NumbersAreClampedAndTheAgpRateMustBeOneTwoOrFour) {
  struct Case {
    const char* name;
    const char* text;
    int32_t DriverOptions::*field;
    int32_t want;
  } cases[] = {
      {"AGP", "3X", &DriverOptions::AGP, 2},      {"AGP", "4X", &DriverOptions::AGP, 4},
      {"AGP", "X", &DriverOptions::AGP, 2},       {"AGPSize", "200", &DriverOptions::AGPSize, 90},
      {"AGPSize", "4", &DriverOptions::AGPSize, 8}, {"AGPSize", " 32MB", &DriverOptions::AGPSize, 32},
      {"AGPSize", "", &DriverOptions::AGPSize, 28}, {"TC", "10", &DriverOptions::TC, 64},
      {"TC", "99999999999999", &DriverOptions::TC, 2048}, {"TM", "-5", &DriverOptions::TM, 64},
      {"DMACB", "2P", &DriverOptions::DMACB, 2},  {"DMACB", "9A", &DriverOptions::DMACB, 4},
      {"DMACB", "P", &DriverOptions::DMACB, 1},
  };
  for (const Case& c : cases) {
    reg.setString(kRoot, kKey, c.name, c.text);
    current = defaults;
    read();
    EXPECT_EQ(c.want, current.*c.field) << c.name << " = \"" << c.text << "\"";
  }
}

TEST_F(OptionsRead, TheTextureMipmapFloorFollowsTheChip) {
  ctx.tmValueFloor = 8;
  set("TM", "4");
  read();
  EXPECT_EQ(8, current.TM);
  set("TM", "16");
  read();
  EXPECT_EQ(16, current.TM);
}

TEST_F(OptionsRead, DepthBiasIsADecimalFractionWithinOne) {
  const struct {
    const char* text;
    float want;
  } cases[] = {{"-3", -1.0f}, {"0.5", 0.5f}, {"-0.3xyz", -0.3f}, {"7.9", 1.0f}, {"abc", 0.0f}, {"0,5", 0.0f}};
  for (const auto& c : cases) {
    set("DB", c.text);
    read();
    EXPECT_FLOAT_EQ(c.want, current.DB) << "DB = \"" << c.text << "\"";
  }
}

TEST_F(OptionsRead, ThreeWaySwitchesKeepTheirValueWhenAbsentOrEmpty) {
  set("ICDHWTL", "off");
  read();
  EXPECT_EQ(-1, current.ICDHWTL);
  reg.setString(kRoot, kKey, "ICDHWTL", "");
  read();
  EXPECT_EQ(-1, current.ICDHWTL) << "an empty value leaves the field";
  ASSERT_TRUE(reg.hasValue(kRoot, kKey, "ICDHWTL"));
  RegKey key;
  ASSERT_TRUE(key.open(reg, kRoot, kKey));
  reg.deleteValue(key.handle(), "ICDHWTL");
  key.close();
  read();
  EXPECT_EQ(-1, current.ICDHWTL) << "a missing value leaves the last value read";
  set("ICDHWTL", "sometimes");
  read();
  EXPECT_EQ(0, current.ICDHWTL) << "unknown text is the default";
  set("ICDHWTL", "AUTO");
  current.ICDHWTL = 1;
  read();
  EXPECT_EQ(0, current.ICDHWTL);
  set("ICDTEXTURESIZE", "32");
  set("ICDFOGTABLE", "On");
  read();
  EXPECT_EQ(1, current.ICDTEXTURESIZE);
  EXPECT_EQ(1, current.ICDFOGTABLE);
}

TEST_F(OptionsRead, VidTexOnlyFollowsTheDriversValueName) {
  ctx.vidTexValueName = "VT";
  set("VO", "On");
  set("VT", "off");
  current.VO = 1;
  read();
  EXPECT_EQ(0, current.VO);
  set("VT", "On");
  read();
  EXPECT_EQ(1, current.VO);
}

TEST_F(OptionsRead, MiniGLKeepsItsOwnDefaultsAndAcceptsOnlyDwords) {
  reg.setDword(RegRoot::LocalMachine, kMiniGL, "32Bit", 1);
  reg.setString(RegRoot::LocalMachine, kMiniGL, "TextureCache", "0");
  read();
  EXPECT_EQ(1, current.Bit32);
  EXPECT_EQ(1, current.TextureCache) << "a text is not a DWORD: the default";
  EXPECT_EQ(1, current.Mipmapping);
}

TEST_F(OptionsRead, TheMiniGLModeSwitchDefaultsToItsPresentValue) {
  current.ICDMode = 1;
  read();
  EXPECT_EQ(1, current.ICDMode);
  set("ICDMode", "0");
  read();
  EXPECT_EQ(0, current.ICDMode);
}

}  // namespace
}  // namespace vdx
