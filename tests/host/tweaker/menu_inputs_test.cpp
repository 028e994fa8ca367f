// The tray menu and tooltip from the program's records: options are read
// from the registry at every click, so other tools' changes show at once.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/card_programs.h"
#include "tweaker/resources/command_ids.h"
#include "tweaker/shell/program.h"
#include "tweaker/shell/program_records.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/shell/menu_inputs.h"
#include "tweaker/shell/tray_tooltip.h"

namespace vdx {
namespace {

constexpr char kSettings[] = "Display\\Settings";

class MenuInputs : public ::testing::Test {
 protected:
  Savage4Program t;
  FakePlatform& fp = t.fakes;
  Program& program = t.program;

  void SetUp() override {
    DriverOptions d;
    d.WV = 1;
    d.AGP = 2;
    d.AGPSize = 24;
    d.DMACB = 4;
    d.TC = 64;
    d.TM = 64;
    program.defaultOptions = d;
    program.currentOptions = d;
    fp.system.memory.totalPhys = 48u << 20;
  }
};

TEST_F(MenuInputs, OptionsAreReadFromTheRegistryAtEveryClick) {
  TrayMenuInputs in = gatherTrayMenuInputs(program, nullptr);
  EXPECT_EQ(in.options.WV, 1);
  EXPECT_FALSE(in.schemeListExists);

  // Another tool turns vsync off and writes sizes the menu does not offer.
  fp.registry.setString(RegRoot::CurrentConfig, kSettings, "WV", "off");
  fp.registry.setString(RegRoot::CurrentConfig, kSettings, "AGPSize", "30");
  fp.registry.setString(RegRoot::CurrentConfig, kSettings, "DB", "0.25");
  in = gatherTrayMenuInputs(program, nullptr);
  EXPECT_EQ(in.options.WV, 0);
  EXPECT_EQ(in.options.AGPSize, 30);

  TrayMenu menu;
  in.advanced = true;
  ASSERT_TRUE(buildTrayMenu(in, &menu));
  EXPECT_TRUE(findMenuItem(menu.popup, IDM_AGP_SIZE_CUSTOM)->checked);  // "Custom"
  EXPECT_TRUE(findMenuItem(menu.popup, IDM_DBIAS_ZERO)->checked);  // "0.0"
}

TEST_F(MenuInputs, PreferencesDisplayAndSchemesReachTheMenu) {
  program.preferences.showAdvanced = true;
  program.preferences.agpSizeList = {8, 16, 64};
  t.setCardValue("Current", "Fast");
  const std::vector<std::string> schemes = {"Fast", "Nice"};
  const TrayMenuInputs in = gatherTrayMenuInputs(program, &schemes);
  EXPECT_TRUE(in.advanced);
  EXPECT_EQ(in.agpSizeList, (std::vector<uint32_t>{8, 16, 64}));
  EXPECT_TRUE(in.schemeListExists);
  EXPECT_EQ(in.currentScheme, "Fast");
  EXPECT_EQ(in.displayModes.size(), 2u);
  EXPECT_EQ(in.screenDepth, 16);
  EXPECT_EQ(in.capabilities, program.identity.capabilities);
}

TEST_F(MenuInputs, TooltipUsesTheUserNameAndTheDesiredClocks) {
  program.clocks.desiredMclk = 125.0f;
  program.clocks.desiredEclk = 143.0f;
  program.currentOptions.AA = 1;
  program.currentOptions.AGPSize = 28;
  program.currentOptions.AC = 1;
  EXPECT_EQ(composeTooltipText(gatherTooltipState(program)), "Savage4 GT/Pro@125.0MHz/143.0MHz-Vsync AutoAGP(28) S3TC");
  program.preferences.name = "My card";
  program.clocks.desiredEclk = 0.0f;
  program.currentOptions.AA = 0;
  program.currentOptions.AC = 0;
  EXPECT_EQ(composeTooltipText(gatherTooltipState(program)), "My card@125.0MHz-Vsync Vid/AGP");
}

}  // namespace
}  // namespace vdx
