// Every option survives a write and a read, one at a time and all together,
// with every capability present: reader and writer agree on names and forms.
#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/shell/program_records.h"
#include "tests/host/tweaker/options_fixture.h"
#include "tweaker/settings/settings_keys.h"

namespace vdx {
namespace {

using OptionsRoundTrip = OptionsFixture;

using Field = int32_t DriverOptions::*;
struct Changed {
  const char* what;
  Field field;
  int32_t value;
};
// TC, TM and ICDMode belong to the preference save and the MiniGL dialog.
const Changed kChanges[] = {
    {"AA", &DriverOptions::AA, 1},           {"AGPSB", &DriverOptions::AGPSB, 0},
    {"VO", &DriverOptions::VO, 1},           {"AM", &DriverOptions::AM, 1},
    {"AT", &DriverOptions::AT, 1},           {"AC", &DriverOptions::AC, 1},
    {"EF", &DriverOptions::EF, 1},           {"ES", &DriverOptions::ES, 1},
    {"TP", &DriverOptions::TP, 1},           {"FD", &DriverOptions::FD, 0},
    {"ATB", &DriverOptions::ATB, 1},         {"WV", &DriverOptions::WV, 0},
    {"FB", &DriverOptions::FB, 1},           {"OS", &DriverOptions::OS, 1},
    {"TSL", &DriverOptions::TSL, 1},         {"BW", &DriverOptions::BW, 1},
    {"WC", &DriverOptions::WC, 1},           {"ZB", &DriverOptions::ZB, 1},
    {"ZC", &DriverOptions::ZC, 1},           {"NF", &DriverOptions::NF, 1},
    {"WB", &DriverOptions::WB, 1},           {"HSP", &DriverOptions::HSP, 1},
    {"AGPSize", &DriverOptions::AGPSize, 56}, {"AGP", &DriverOptions::AGP, 4},
    {"DMACB", &DriverOptions::DMACB, 1},     {"ICD3DNOW", &DriverOptions::ICD3DNOW, 0},
    {"ICDSIMD", &DriverOptions::ICDSIMD, 0}, {"ICDUSEKTX", &DriverOptions::ICDUSEKTX, 0},
    {"ICDWBUFFER", &DriverOptions::ICDWBUFFER, 0}, {"ICDHWTL", &DriverOptions::ICDHWTL, 1},
    {"ICDAZ", &DriverOptions::ICDAZ, -1},    {"ICDFOGTABLE", &DriverOptions::ICDFOGTABLE, -1},
    {"ICDTEXTURESIZE", &DriverOptions::ICDTEXTURESIZE, 1},
};
const Changed kMiniGLChanges[] = {
    {"32Bit", &DriverOptions::Bit32, 1},          {"AutoS3TC", &DriverOptions::AutoS3TC, 1},
    {"S3TCDiskCache", &DriverOptions::S3TCDiskCache, 1}, {"TextureCache", &DriverOptions::TextureCache, 0},
    {"Mipmapping", &DriverOptions::Mipmapping, 0},
};

TEST_F(OptionsRoundTrip, EachOptionAloneComesBack) {
  ctx.capabilities = 0xFFFFFFFF;
  for (const Changed& c : kChanges) {
    current = defaults;
    current.*c.field = c.value;
    ASSERT_TRUE(write());
    DriverOptions back = defaults;
    readDriverOptions(reg, id, ctx, defaults, &back);
    EXPECT_EQ(c.value, back.*c.field) << c.what;
    EXPECT_TRUE(current == back) << c.what << " disturbed another option";
    current = defaults;
    ASSERT_TRUE(write());
  }
  for (const Changed& c : kMiniGLChanges) {
    current = defaults;
    current.*c.field = c.value;
    ASSERT_TRUE(writeMiniGLOptions(reg, id, ctx, defaults, current));
    DriverOptions back = defaults;
    readDriverOptions(reg, id, ctx, defaults, &back);
    EXPECT_EQ(c.value, back.*c.field) << c.what;
  }
}

TEST_F(OptionsRoundTrip, AllTogetherAndTheDepthBias) {
  ctx.capabilities = 0xFFFFFFFF;
  for (const Changed& c : kChanges) current.*c.field = c.value;
  current.DB = -0.7f;
  ASSERT_TRUE(write());
  DriverOptions back = defaults;
  readDriverOptions(reg, id, ctx, defaults, &back);
  EXPECT_FLOAT_EQ(-0.7f, back.DB);
  back.DB = current.DB;  // "%.1f" keeps one decimal; the rest must match exactly
  EXPECT_TRUE(current == back);
}

TEST(ProgramOptions, UseTheProgramsRegistryAndAdapterRecord) {
  TestProgram t;
  Program& program = t.program;
  FakeRegistry& reg = t.fakes.registry;
  program.identity.settingsRoot = RegRoot::LocalMachine;
  program.identity.settingsKeyPath = "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\DEFAULT";
  program.identity.cardKeyPath = "Software\\Tessaly\\Vidarix\\8c12_0_0";
  program.currentOptions.AT = 1;
  EXPECT_TRUE(writeDriverOptions(program));
  EXPECT_EQ("On", reg.getString(RegRoot::LocalMachine, program.identity.settingsKeyPath, "AT"));
  EXPECT_FALSE(reg.keyExists(RegRoot::CurrentConfig, "Display\\Settings")) << "the MX/IX key moved";
  program.currentOptions.AT = 0;
  readDriverOptions(program);
  EXPECT_EQ(1, program.currentOptions.AT);

  EXPECT_TRUE(writeSettingString(program, SettingsKey::Card, "Current", "Fast"));
  std::string text;
  EXPECT_TRUE(readSettingString(program, SettingsKey::Card, "Current", &text, "x"));
  EXPECT_EQ("Fast", text);
  program.identity.cardKeyPath.clear();
  EXPECT_FALSE(readSettingString(program, SettingsKey::Card, "Current", &text, "none"));
  EXPECT_EQ("none", text) << "no card key: the default";
  EXPECT_EQ(0u, reg.openKeyCount());
}

}  // namespace
}  // namespace vdx
