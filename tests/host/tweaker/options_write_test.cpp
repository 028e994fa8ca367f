// Writing the driver switches: delete-when-default, "WriteRegDefaults", the
// command buffer exception, capabilities and the OpenGL driver group.
#include "tests/host/tweaker/options_fixture.h"

namespace vdx {
namespace {

using OptionsWrite = OptionsFixture;

TEST_F(OptionsWrite, DefaultsAreDeletedUnlessWriteRegDefaultsIsOn) {
  set("AT", "On");
  current.AT = 1;
  ASSERT_TRUE(write());
  EXPECT_EQ("On", get("AT"));
  current.AT = 0;
  ASSERT_TRUE(write());
  EXPECT_FALSE(has("AT"));
  EXPECT_FALSE(has("AGP"));
  EXPECT_FALSE(has("DB"));

  ctx.writeRegDefaults = true;
  ASSERT_TRUE(write());
  EXPECT_EQ("off", get("AT"));
  EXPECT_EQ("On", get("WV"));
  EXPECT_EQ("2X", get("AGP"));
  EXPECT_EQ("0.0", get("DB"));
  EXPECT_EQ("28", get("AGPSize"));
  EXPECT_EQ("Auto", get("ICDFOGTABLE"));
  EXPECT_GE(reg.flushCount(), 1u) << "the driver must see the values at once";
  EXPECT_EQ(0u, reg.openKeyCount());
}

TEST_F(OptionsWrite, CommandBufferDefaultIsDeletedEvenWithWriteRegDefaults) {
  ctx.writeRegDefaults = true;
  current.DMACB = 2;
  ASSERT_TRUE(write());
  EXPECT_EQ("2A", get("DMACB"));
  current.DMACB = 4;
  ASSERT_TRUE(write());
  EXPECT_FALSE(has("DMACB"));

  ctx.capabilities &= ~kCapAgp;
  current.DMACB = 3;
  ASSERT_TRUE(write());
  EXPECT_EQ("3P", get("DMACB")) << "a PCI board";
}

TEST_F(OptionsWrite, AStrappedSidebandMakesOnTheDefault) {
  ASSERT_EQ(1, defaults.AGPSB);
  set("AGPSB", "off");
  current.AGPSB = 1;
  ASSERT_TRUE(write());
  EXPECT_FALSE(has("AGPSB"));
  current.AGPSB = 0;
  ASSERT_TRUE(write());
  EXPECT_EQ("off", get("AGPSB"));
}

TEST_F(OptionsWrite, ValuesTheChipLacksAreNotTouched) {
  ctx.capabilities = kCapAgp;
  ctx.writeRegDefaults = true;
  set("WC", "On");
  ASSERT_TRUE(write());
  EXPECT_EQ("On", get("WC")) << "left alone without write-combining";
  for (const char* name : {"BW", "DMACB", "ZB", "ZC", "WB", "HSP", "AGPSB", "ICD3DNOW", "ICDHWTL", "ICDFOGTABLE"})
    EXPECT_FALSE(has(name)) << name;
  EXPECT_EQ("off", get("TSL")) << "top scan line is always written";
  for (const char* name : {"TC", "TM", "ICDMode", "ICT", "PerfICDmenu"}) EXPECT_FALSE(has(name)) << name;
}

TEST_F(OptionsWrite, OpenGlDriverValuesNeedTheCapabilityOrThePerfIcdMenu) {
  ctx.capabilities = kCapAgp;
  current.ICD3DNOW = 0;  // default 1 on Savage4
  current.ICDHWTL = -1;
  current.ICDTEXTURESIZE = -1;
  ASSERT_TRUE(write());
  EXPECT_FALSE(has("ICD3DNOW"));
  ctx.perfIcdMenu = true;
  ASSERT_TRUE(write());
  EXPECT_EQ("off", get("ICD3DNOW"));
  EXPECT_EQ("16", get("ICDTEXTURESIZE"));
  EXPECT_FALSE(has("ICDHWTL")) << "hardware T&L needs its own bit as well";
  ctx.capabilities |= kCapHwTnl;
  ASSERT_TRUE(write());
  EXPECT_EQ("Off", get("ICDHWTL"));
  current.ICDHWTL = 5;
  ASSERT_TRUE(write());
  EXPECT_EQ("Auto", get("ICDHWTL")) << "a value outside the table writes the first row";
}

TEST_F(OptionsWrite, VidTexOnlyUnderVtNeverTouchesVo) {
  ctx.vidTexValueName = "VT";
  set("VO", "junk");
  current.VO = 1;
  ASSERT_TRUE(write());
  EXPECT_EQ("On", get("VT"));
  EXPECT_EQ("junk", get("VO"));
}

TEST_F(OptionsWrite, WithdrawnTexPatchIsDeletedOnEveryWrite) {
  current.TP = 1;
  ctx.texPatchUnavailable = true;
  set("TP", "On");
  ASSERT_TRUE(write());
  EXPECT_FALSE(has("TP"));
}

TEST_F(OptionsWrite, NumbersAreFormattedAsTheDriverExpects) {
  current.DB = -0.5f;
  current.AGPSize = 128;  // a menu size outside the range
  current.AGP = 4;
  ASSERT_TRUE(write());
  EXPECT_EQ("-0.5", get("DB"));
  EXPECT_EQ("128", get("AGPSize"));
  EXPECT_EQ("4X", get("AGP"));
  read();
  EXPECT_EQ(90, current.AGPSize) << "read back clamped";
  ASSERT_TRUE(write());
  EXPECT_EQ("90", get("AGPSize"));
}

TEST_F(OptionsWrite, ReadThenWriteChangesNothingStored) {
  set("AT", "1");
  set("DMACB", "2P");
  set("AGP", "1X");
  set("ICDFOGTABLE", "OFF");
  read();
  ASSERT_TRUE(write());
  EXPECT_EQ("On", get("AT"));
  EXPECT_EQ("2A", get("DMACB"));
  EXPECT_EQ("1X", get("AGP"));
  EXPECT_EQ("Off", get("ICDFOGTABLE"));
}

TEST_F(OptionsWrite, MiniGLValuesAreDwordsOrDeleted) {
  current.Bit32 = 1;
  current.TextureCache = 1;
  ASSERT_TRUE(writeMiniGLOptions(reg, id, ctx, defaults, current));
  uint32_t type = 0;
  std::vector<uint8_t> data;
  ASSERT_TRUE(reg.getRaw(RegRoot::LocalMachine, kMiniGL, "32Bit", &type, &data));
  EXPECT_EQ(kRegDword, type);
  EXPECT_FALSE(reg.hasValue(RegRoot::LocalMachine, kMiniGL, "TextureCache"));
}

TEST_F(OptionsWrite, AKeyThatCannotBeOpenedIsReportedAndReadingChangesNothing) {
  id.settingsKeyPath.clear();
  current.AT = 1;
  EXPECT_FALSE(write());
  read();
  EXPECT_EQ(1, current.AT);
}

}  // namespace
}  // namespace vdx
