// Tray commands over the fake registry and display: what is written, asked
// and reset, and what is left alone when the user declines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/tweaker/card_programs.h"
#include "tweaker/resources/command_ids.h"
#include "tweaker/shell/program.h"
#include "tweaker/shell/program_records.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/shell/command_handler.h"
#include "tweaker/shell/command_schemes.h"
#include "tweaker/display/display_reset.h"

namespace vdx {
namespace {

constexpr char kSettings[] = "Display\\Settings";
constexpr char kMiniGL[] = "Software\\S3\\S3GL";

class RecordingHost : public CommandHost {
 public:
  int tooltips = 0;
  std::vector<uint16_t> dialogsRun;
  std::vector<WindowHandle> raised;
  std::vector<int> schemesApplied;
  int destroyed = 0, help = 0, reloads = 0;
  std::string itemText;
  WindowHandle mainWindow() override { return reinterpret_cast<WindowHandle>(0x1234); }
  void composeTooltip() override { ++tooltips; }
  DialogSlots* slots = nullptr;
  void runDialog(const DialogCommand& d) override {
    // The dialog puts itself in its slot while it runs.
    slots->set(d.kind, reinterpret_cast<WindowHandle>(0x9000 + d.resourceId));
    dialogsRun.push_back(d.resourceId);
  }
  void bringToForeground(WindowHandle w) override { raised.push_back(w); }
  void destroyMainWindow() override { ++destroyed; }
  void showHelpContents() override { ++help; }
  std::string menuItemText(uint16_t) override { return itemText; }
  bool reloadSchemeList() override { ++reloads; return true; }
  bool applyScheme(int index) override { schemesApplied.push_back(index); return true; }
};

class Commands : public ::testing::Test {
 protected:
  Savage4Program t;
  FakePlatform& fp = t.fakes;
  ScriptedMessageBoxes& boxes = t.boxes;
  Program& program = t.program;
  RecordingHost host;

  void SetUp() override {
    host.slots = &program.dialogs;
    DriverOptions d;
    d.WV = 1;
    d.AGP = 2;
    d.AGPSize = 24;
    d.DMACB = 4;
    d.FD = 1;
    d.TextureCache = 1;
    d.Mipmapping = 1;
    d.TC = 64;
    d.TM = 64;
    program.defaultOptions = d;
    program.currentOptions = d;
    fp.display.setModes({{640, 480, 8, 60}, {640, 480, 16, 60}, {640, 480, 32, 60}, {800, 600, 16, 60},
                         {1024, 768, 16, 60}});
    t.setCardValue("Current", "Quake");
  }

  void run(uint16_t id, uint16_t schemeCount = 0) { handleMenuCommand(program, id, schemeCount, host); }
  std::string setting(const char* name) { return fp.registry.getString(RegRoot::CurrentConfig, kSettings, name); }
  bool hasSetting(const char* name) { return fp.registry.hasValue(RegRoot::CurrentConfig, kSettings, name); }
  std::string current() { return t.cardValue("Current"); }
};

TEST_F(Commands, CancelOnTheTextureModeQuestionWritesNothing) {
  boxes.answers = {kIdCancel};
  run(IDM_VIDTEX_ONLY);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].style, 0x23u);
  EXPECT_EQ(boxes.shown[0].caption, "Vidarix");
  EXPECT_EQ(boxes.shown[0].text,
            "To use the new texture mem setting, you must restart Windows or change your display settings.\n\n"
            "Choose Yes to change the setting and reset the display.\nNo to change the setting without "
            "resetting display.\nOr Cancel to make no changes.");
  EXPECT_EQ(program.currentOptions.VO, 0);
  EXPECT_FALSE(fp.registry.keyExists(RegRoot::CurrentConfig, kSettings));
  EXPECT_EQ(current(), "Quake");
  EXPECT_EQ(host.tooltips, 0);
}

TEST_F(Commands, TextureModeAnswersSetTheResetMark) {
  boxes.answers = {kIdNo};
  run(IDM_VIDTEX_ONLY);
  EXPECT_EQ(program.currentOptions.VO, 1);
  EXPECT_EQ(program.currentOptions.AA, 0);
  EXPECT_EQ(setting("VO"), "On");
  EXPECT_EQ(current(), "");
  EXPECT_TRUE(fp.display.modeChanges().empty());
  EXPECT_EQ(host.tooltips, 1);

  boxes.answers = {kIdYes};
  run(IDM_AUTO_AGP);
  EXPECT_EQ(program.currentOptions.AA, 1);
  EXPECT_EQ(program.currentOptions.VO, 0);
  // The reset goes to another depth of the same size and back, forced.
  ASSERT_EQ(fp.display.modeChanges().size(), 2u);
  EXPECT_EQ(fp.display.modeChanges()[0].mode.bitsPerPixel, 8u);
  EXPECT_EQ(fp.display.modeChanges()[0].flags, kCdsReset);
  EXPECT_EQ(fp.display.modeChanges()[1].mode.bitsPerPixel, 16u);
  EXPECT_FALSE(program.displayReset.inProgress);
}

TEST_F(Commands, WithoutTheQuestionTheResetFollowsThePreference) {
  program.preferences.confirmAgpChanges = false;
  program.preferences.autoResetDisplay = false;
  run(IDM_TEXTURES_BY_APP);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(fp.display.modeChanges().empty());
  program.preferences.autoResetDisplay = true;
  run(IDM_AUTO_AGP);
  EXPECT_EQ(fp.display.modeChanges().size(), 2u);
}

TEST_F(Commands, AgpSizeCancelKeepsTheSizeButStillWrites) {
  boxes.answers = {kIdCancel};
  run(IDM_AGP_SIZE_CUSTOM + 32);
  EXPECT_EQ(program.currentOptions.AGPSize, 24);
  EXPECT_EQ(current(), "");
  EXPECT_TRUE(fp.registry.keyExists(RegRoot::CurrentConfig, kSettings));
  EXPECT_EQ(host.tooltips, 0);

  boxes.answers = {kIdNo};
  run(IDM_AGP_SIZE_CUSTOM + 32);
  EXPECT_EQ(program.currentOptions.AGPSize, 32);
  EXPECT_EQ(setting("AGPSize"), "32");
  EXPECT_EQ(host.tooltips, 1);
}

TEST_F(Commands, AgpSizeWithVidTexOnlyChangesNothingButWrites) {
  program.currentOptions.VO = 1;
  run(IDM_AGP_SIZE_CUSTOM + 40);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(program.currentOptions.AGPSize, 24);
  EXPECT_EQ(setting("VO"), "On");
  EXPECT_EQ(current(), "");
}

TEST_F(Commands, CustomRestoresTheChipDefaultSize) {
  program.currentOptions.AGPSize = 64;
  boxes.answers = {kIdNo};
  run(IDM_AGP_SIZE_CUSTOM);
  EXPECT_EQ(program.currentOptions.AGPSize, 24);
  EXPECT_FALSE(hasSetting("AGPSize"));  // the default is deleted, not written
}

TEST_F(Commands, FogOptionsMoveTogetherWhenLinked) {
  program.preferences.useAutoOpenGlFog = true;
  program.currentOptions.EF = 1;
  program.currentOptions.ES = 0;
  run(IDM_NON_DX_FOG);
  EXPECT_EQ(program.currentOptions.EF, 0);
  EXPECT_EQ(program.currentOptions.ES, 0);
  run(IDM_EYE_FOG);
  EXPECT_EQ(program.currentOptions.EF, 1);
  EXPECT_EQ(program.currentOptions.ES, 1);
  program.preferences.useAutoOpenGlFog = false;
  run(IDM_EYE_FOG);
  EXPECT_EQ(program.currentOptions.EF, 1);
  EXPECT_EQ(program.currentOptions.ES, 0);
}

TEST_F(Commands, TrilinearSwitchesAutoMipmapOnWhenLinked) {
  run(IDM_TRILINEAR);
  EXPECT_EQ(program.currentOptions.AT, 1);
  EXPECT_EQ(program.currentOptions.AM, 1);
  run(IDM_TRILINEAR);
  EXPECT_EQ(program.currentOptions.AT, 0);
  EXPECT_EQ(program.currentOptions.AM, 1);
  program.preferences.autoTriMip = false;
  program.currentOptions.AM = 0;
  run(IDM_TRILINEAR);
  EXPECT_EQ(program.currentOptions.AM, 0);
}

TEST_F(Commands, SwitchesFlipWriteAndRefreshTheTooltipOnlyForShownOptions) {
  run(IDM_WAIT_VSYNC);
  EXPECT_EQ(program.currentOptions.WV, 0);
  EXPECT_EQ(setting("WV"), "off");
  EXPECT_EQ(host.tooltips, 1);
  run(IDM_WAIT_VSYNC);
  EXPECT_FALSE(hasSetting("WV"));  // back at the default
  run(IDM_S3TC);
  EXPECT_EQ(setting("AC"), "On");
  EXPECT_EQ(host.tooltips, 3);
  run(IDM_TRIPLE_BUFFER);
  EXPECT_EQ(setting("ATB"), "On");
  EXPECT_EQ(host.tooltips, 3);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Commands, RestartNoticesForAgpRateSidebandAndCommandDma) {
  run(IDM_AGP_4X);
  EXPECT_EQ(program.currentOptions.AGP, 4);
  EXPECT_EQ(setting("AGP"), "4X");
  run(IDM_AGP_SIDEBAND);
  EXPECT_EQ(program.currentOptions.AGPSB, 1);
  run(IDM_COMMAND_DMA_BASE + 2);
  EXPECT_EQ(program.currentOptions.DMACB, 2);
  EXPECT_EQ(setting("DMACB"), "2A");
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[0].text, "Please restart Windows to use the new setting.");
  EXPECT_EQ(boxes.shown[0].style, 0x40u);
  EXPECT_EQ(boxes.shown[0].timeout, 0);
  EXPECT_EQ(boxes.shown[1].text, "Please restart Windows to use the new setting.");
  EXPECT_EQ(boxes.shown[2].text, "Please restart Windows to use the new CommandDMA setting.");
  // 30403 is no command.
  program.currentOptions.AGP = 2;
  run(IDM_AGP_RATE_BASE + 3);
  EXPECT_EQ(program.currentOptions.AGP, 2);
}

TEST_F(Commands, ValueCommandsSetTheirFields) {
  run(IDM_DBIAS_FIRST + 7);
  EXPECT_FLOAT_EQ(program.currentOptions.DB, 0.3f);
  EXPECT_EQ(setting("DB"), "0.3");
  run(IDM_DBIAS_LAST);
  EXPECT_FLOAT_EQ(program.currentOptions.DB, -1.0f);
  run(IDM_ICD_HWTNL_OFF);
  EXPECT_EQ(program.currentOptions.ICDHWTL, -1);
  run(IDM_ICD_FOG_TABLE_ON);
  EXPECT_EQ(program.currentOptions.ICDFOGTABLE, 1);
  run(IDM_ICD_FOG_TABLE_OFF);
  EXPECT_EQ(program.currentOptions.ICDFOGTABLE, -1);
  run(IDM_ICD_TEXTURE_SIZE_16);
  EXPECT_EQ(program.currentOptions.ICDTEXTURESIZE, -1);
  run(IDM_ICD_AUTO_Z_CLEAR_ON);
  EXPECT_EQ(program.currentOptions.ICDAZ, 1);
}

TEST_F(Commands, MiniGlSwitchesGoToTheMiniGlKey) {
  run(IDM_MINIGL_32BIT);
  EXPECT_EQ(program.currentOptions.Bit32, 1);
  uint32_t type = 0;
  std::vector<uint8_t> data;
  ASSERT_TRUE(fp.registry.getRaw(RegRoot::LocalMachine, kMiniGL, "32Bit", &type, &data));
  EXPECT_EQ(type, kRegDword);
  EXPECT_EQ(current(), "");
  EXPECT_FALSE(fp.registry.keyExists(RegRoot::CurrentConfig, kSettings));
}

TEST_F(Commands, DialogsOpenOneCopyEach) {
  run(IDM_OPTIONS);
  EXPECT_EQ(host.dialogsRun, (std::vector<uint16_t>{128}));
  EXPECT_EQ(program.dialogs.get(DialogKind::Options), nullptr);  // cleared when it returned

  // A dialog still open (a nested loop) is brought forward instead.
  program.dialogs.set(DialogKind::Gamma, reinterpret_cast<WindowHandle>(0x77));
  run(IDM_GAMMA);
  EXPECT_EQ(host.dialogsRun.size(), 1u);
  ASSERT_EQ(host.raised.size(), 1u);
  EXPECT_EQ(host.raised[0], reinterpret_cast<WindowHandle>(0x77));

  for (uint16_t id :
       {IDM_ABOUT, IDM_OVERCLOCK, IDM_MINIGL_CONFIG, IDM_OUTPUTS, IDM_REFRESH_RATES, IDM_SCHEME_CONFIGURE})
    run(id);
  EXPECT_EQ(host.dialogsRun, (std::vector<uint16_t>{128, 120, 126, 145, 141, 170, 146}));
}

TEST_F(Commands, ExitHelpAndSchemeIds) {
  run(IDM_EXIT);
  EXPECT_EQ(host.destroyed, 1);
  run(IDM_HELP);
  EXPECT_EQ(host.help, 1);
  run(IDM_SCHEME_REFRESH);
  EXPECT_EQ(host.reloads, 1);
  run(IDM_SCHEME_DEFAULT);
  run(IDM_SCHEME_FIRST + 2, 3);
  run(IDM_SCHEME_FIRST + 3, 3);  // beyond the schemes of the last menu
  run(IDM_SCHEME_FIRST, 0);
  EXPECT_EQ(host.schemesApplied, (std::vector<int>{-1, 2}));
  EXPECT_EQ(host.tooltips, 2);
  run(12345);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Commands, DefaultsRestoreEveryOptionAndResetWhenTextureMemoryChanged) {
  program.currentOptions.WV = 0;
  program.currentOptions.AGPSize = 64;
  program.currentOptions.Bit32 = 1;
  applyDefaultOptions(program);
  EXPECT_EQ(program.currentOptions, program.defaultOptions);
  EXPECT_EQ(current(), "(Default)");
  EXPECT_EQ(fp.display.modeChanges().size(), 2u);
  fp.display.clearLog();
  applyDefaultOptions(program);
  EXPECT_TRUE(fp.display.modeChanges().empty());
}

TEST_F(Commands, TweakResUnansweredRestoresThePreviousMode) {
  host.itemText = "800x600 (16 bpp)";
  boxes.answers = {kIdYes, kIdNo};  // the time-out presses the default No
  run(IDM_DISPLAY_MODE_FIRST + 3);
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[0].text, "The new settings may not work correctly.  Change anyway?");
  EXPECT_EQ(boxes.shown[0].style, 0x24u);
  EXPECT_EQ(boxes.shown[1].text, "Do you want to keep your new display settings?");
  EXPECT_EQ(boxes.shown[1].style, 0x124u);
  EXPECT_EQ(boxes.shown[1].timeout, 15);
  EXPECT_EQ(boxes.shown[2].text, "Your previous settings have been restored.");
  EXPECT_EQ(boxes.shown[2].style, 0x40u);
  ASSERT_EQ(fp.display.modeChanges().size(), 2u);
  EXPECT_EQ(fp.display.modeChanges()[0].mode.width, 800u);
  EXPECT_EQ(fp.display.modeChanges()[0].flags, kCdsUpdateRegistry);
  EXPECT_EQ(fp.display.current().width, 640u);
  EXPECT_EQ(fp.display.current().bitsPerPixel, 16u);
}

TEST_F(Commands, TweakResRestoreRefusedIsNotReportedAsDone) {
  host.itemText = "800x600 (16 bpp)";
  boxes.answers = {kIdYes, kIdNo};
  // The driver takes the new mode, then refuses every further change.
  fp.display.setOnModeChanged([this](const DisplayMode&) { fp.display.forceChangeResult(kDispChangeFailed); });
  run(IDM_DISPLAY_MODE_FIRST + 3);
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[2].text, "Unable to change your display.");
  EXPECT_EQ(boxes.shown[2].style, 0x30u);
  EXPECT_EQ(fp.display.current().width, 800u);
}

TEST_F(Commands, TweakResKeptDeclinedRefusedOrUnreadable) {
  host.itemText = "1024x768 (16 bpp)";
  boxes.answers = {kIdYes, kIdYes};
  run(IDM_DISPLAY_MODE_FIRST + 4);
  EXPECT_EQ(fp.display.current().width, 1024u);
  EXPECT_EQ(boxes.shown.size(), 2u);

  boxes.shown.clear();
  boxes.answers = {kIdNo};
  host.itemText = "640x480 (8 bpp)";
  run(IDM_DISPLAY_MODE_FIRST);
  EXPECT_EQ(fp.display.current().width, 1024u);

  boxes.shown.clear();
  program.preferences.askChangeDisplay = false;
  host.itemText = "1600x1200 (32 bpp)";
  run(IDM_DISPLAY_MODE_FIRST + 1);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Unable to change your display.");
  EXPECT_EQ(boxes.shown[0].style, 0x30u);

  boxes.shown.clear();
  fp.display.clearLog();
  host.itemText = "garbage";
  run(IDM_DISPLAY_MODE_FIRST + 2);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(fp.display.modeChanges().empty());
}

TEST_F(Commands, ResetDisplayWithOneDepthOnlyDoesTheSecondSwitch) {
  fp.display.setModes({{640, 480, 16, 60}, {800, 600, 32, 60}});
  resetDisplay(program, RESET_FULL);
  ASSERT_EQ(fp.display.modeChanges().size(), 2u);
  EXPECT_NE(fp.display.modeChanges()[0].result, kDispChangeSuccessful);
  EXPECT_EQ(fp.display.modeChanges()[1].result, kDispChangeSuccessful);
  EXPECT_EQ(fp.display.modeChanges()[1].mode.bitsPerPixel, 16u);
}

TEST(DisplayReset, AwayOnlyBeforeMetricsTakesTheFirstModeOfTheSizeAndClearsTheFlag) {
  FakePlatform fp;
  fp.display.setModes({{800, 600, 4, 60}, {640, 480, 8, 60}, {640, 480, 16, 60}});
  // Before the metrics are read the present depth counts as 0.
  fp.display.setCurrent({640, 480, 16, 60});
  DisplayResetState state;
  resetDisplay(fp.display, fp.clock, 0, RESET_AWAY_ONLY, state);
  ASSERT_EQ(fp.display.modeChanges().size(), 1u);
  EXPECT_EQ(fp.display.modeChanges()[0].mode.bitsPerPixel, 8u);
  EXPECT_FALSE(state.inProgress);  // else a "-RD" start would never program a clock again
}

TEST(DisplayReset, ChangeDisplayModeLeavesOutFieldsGivenAsMinusOne) {
  FakePlatform fp;
  fp.display.setModes({{640, 480, 16, 60}, {640, 480, 32, 60}});
  fp.display.setCurrent({640, 480, 16, 60});
  EXPECT_EQ(changeDisplayMode(fp.display, -1, 480, 32, kCdsReset), kDispChangeSuccessful);
  EXPECT_EQ(fp.display.modeChanges()[0].fields, kDmBitsPerPel);
  changeDisplayMode(fp.display, 640, 480, -1, 0);
  EXPECT_EQ(fp.display.modeChanges()[1].fields, kDmPelsWidth | kDmPelsHeight);
}

}  // namespace
}  // namespace vdx
