// The Options dialog over an in-memory surface holding exactly the
// controls of dialog 128.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>

#include "tests/fakes/tweaker/fake_dialog_surface.h"
#include "tests/fakes/tweaker/fake_registry.h"
#include "tweaker/resources/resource.h"
#include "tweaker/settings/options_dialog.h"
#include "tweaker/settings/settings_keys.h"

namespace vdx {
namespace {

const char kDriver[] = "Display\\Settings";

class OptionsDialogTest : public ::testing::Test {
 protected:
  OptionsDialogTest()
      : surface(FakeDialogSurface::forDialog(IDD_OPTIONS)) {
    id.cardKeyPath = "Software\\Tessaly\\Vidarix\\8a22_0_0";
    defaults.TC = current.TC = 64;
    defaults.TM = current.TM = 64;
    reg.setString(RegRoot::LocalMachine, kRunKeyPath, "Other", "x.exe");
  }
  // Every test holds the presenter to the controls dialog 128 declares.
  void TearDown() override { EXPECT_TRUE(surface.unknownIds().empty()); }
  // The dialog gets copies of the records as they are when it opens.
  void open() {
    dialog.reset(new OptionsDialog(surface, {&reg, &id, prefs, current, defaults, "C:\\Vidarix\\Vidarix.exe"}));
    dialog->init();
  }
  // A button or control, then the result taken into the records as the shell does.
  bool press(int control) {
    const bool handled = presenterCommand(*dialog, surface, control);
    takeOptionsResult(dialog->result(), &prefs, &current);
    return handled;
  }
  std::string driver(const char* name) const { return reg.getString(RegRoot::CurrentConfig, kDriver, name); }

  FakeRegistry reg;
  AdapterIdentity id;
  Preferences prefs;
  DriverOptions current, defaults;
  FakeDialogSurface surface;
  std::unique_ptr<OptionsDialog> dialog;
};

// The surface is the .rc's dialog: its controls by name or standard number,
// no static texts, and nothing another dialog declares.
TEST_F(OptionsDialogTest, TheSurfaceHoldsExactlyTheControlsOfTheResource) {
  for (int id : {IDC_OPT_ADVANCED_MENUS, IDC_OPT_PERFICD_MENU, IDC_OPT_TC_SIZE, IDC_OPT_TM_SIZE, 1, 2}) {
    EXPECT_TRUE(surface.has(id)) << id;
  }
  EXPECT_FALSE(surface.has(-1));
  EXPECT_FALSE(surface.has(IDC_MSGBOX_TEXT));
  FakeDialogSurface other = FakeDialogSurface::forDialog(IDD_MSGBOX);
  EXPECT_NONFATAL_FAILURE(other.setText(IDC_OPT_AUTOSTART, "x"), "no control with id 1050");
  EXPECT_EQ((std::vector<int>{IDC_OPT_AUTOSTART}), other.unknownIds());
}

TEST_F(OptionsDialogTest, OpensWithThePreferencesShown) {
  prefs.showAdvanced = true;
  prefs.confirmAgpChanges = false;
  prefs.ict = false;
  current.TM = 256;
  open();
  EXPECT_TRUE(surface.checked(IDC_OPT_ADVANCED_MENUS));
  EXPECT_FALSE(surface.checked(IDC_OPT_CONFIRM_AGP));
  EXPECT_TRUE(surface.checked(IDC_OPT_LINK_TRIMIP));
  EXPECT_TRUE(surface.checked(IDC_OPT_DISABLE_ICT)) << "checked means ICT off";
  EXPECT_FALSE(surface.checked(IDC_OPT_AUTOSTART));
  EXPECT_EQ("64", surface.text(IDC_OPT_TC_SIZE));
  EXPECT_EQ("256", surface.text(IDC_OPT_TM_SIZE));
  EXPECT_TRUE(surface.unknownIds().empty());
}

TEST_F(OptionsDialogTest, OkStoresEveryControl) {
  open();
  surface.setChecked(IDC_OPT_ADVANCED_MENUS, true);
  surface.setChecked(IDC_OPT_SORT_SCHEMES, false);
  surface.setChecked(IDC_OPT_IMMEDIATE_CLK, false);
  surface.setChecked(IDC_OPT_DISABLE_ICT, true);
  surface.setChecked(IDC_OPT_AUTOSTART, true);
  surface.setText(IDC_OPT_TC_SIZE, "512");
  EXPECT_TRUE(press(1));
  EXPECT_TRUE(surface.ended());
  EXPECT_EQ(1, surface.result());
  EXPECT_TRUE(prefs.showAdvanced);
  EXPECT_FALSE(prefs.sortSchemeMenu);
  EXPECT_FALSE(prefs.ict);
  EXPECT_EQ(512, current.TC);
  EXPECT_EQ("On", reg.getString(RegRoot::LocalMachine, kProgramKeyPath, "ShowAdvanced"));
  EXPECT_EQ("off", reg.getString(RegRoot::LocalMachine, kProgramKeyPath, "SortSchemeMenu"));
  EXPECT_EQ("off", reg.getString(RegRoot::LocalMachine, id.cardKeyPath, "ImmediateClk"));
  EXPECT_EQ("off", driver("ICT"));
  EXPECT_EQ("512", driver("TC"));
  EXPECT_EQ("C:\\Vidarix\\Vidarix.exe", reg.getString(RegRoot::LocalMachine, kRunKeyPath, "Vidarix"));
  EXPECT_TRUE(surface.unknownIds().empty());
  EXPECT_EQ(0u, reg.openKeyCount());
}

TEST_F(OptionsDialogTest, CancelDiscardsEverything) {
  open();
  surface.setChecked(IDC_OPT_ADVANCED_MENUS, true);
  surface.setChecked(IDC_OPT_AUTOSTART, true);
  surface.setText(IDC_OPT_TC_SIZE, "512");
  EXPECT_TRUE(press(2));
  EXPECT_EQ(2, surface.result());
  EXPECT_FALSE(prefs.showAdvanced);
  EXPECT_EQ(64, current.TC);
  EXPECT_FALSE(reg.hasValue(RegRoot::LocalMachine, kProgramKeyPath, "ShowAdvanced"));
  EXPECT_FALSE(reg.hasValue(RegRoot::LocalMachine, kRunKeyPath, "Vidarix"));
}

TEST_F(OptionsDialogTest, SizesAreClampedAndNonNumbersLeaveTheValue) {
  const struct {
    const char* tc;
    const char* tm;
    int32_t wantTc, wantTm;
  } cases[] = {{"10", "5000", 64, 2048},   {"5000", "10", 2048, 64},      {"abc", "", 300, 300},
               {"-100", "12x", 300, 300},  {"99999999999", " 128 ", 300, 128}, {"4294967295", "0", 2048, 64}};
  for (const auto& c : cases) {
    current.TC = current.TM = 300;
    open();
    surface.setText(IDC_OPT_TC_SIZE, c.tc);
    surface.setText(IDC_OPT_TM_SIZE, c.tm);
    press(1);
    EXPECT_EQ(c.wantTc, current.TC) << "TC \"" << c.tc << "\"";
    EXPECT_EQ(c.wantTm, current.TM) << "TM \"" << c.tm << "\"";
  }
  EXPECT_EQ("2048", driver("TC"));
  EXPECT_FALSE(reg.hasValue(RegRoot::CurrentConfig, kDriver, "TM")) << "64 is the default";
}

TEST_F(OptionsDialogTest, AnUnchangedOkKeepsASavage2000sLowMipmapSize) {
  id.tmValueFloor = 8;
  defaults.TM = current.TM = 8;
  open();
  press(1);
  EXPECT_EQ(8, current.TM);
  EXPECT_FALSE(reg.hasValue(RegRoot::CurrentConfig, kDriver, "TM"));
}

// The tray may change the records while the dialog is open: OK takes back
// only what the dialog shows.
TEST_F(OptionsDialogTest, OkLeavesTheFieldsTheDialogDoesNotShow) {
  open();
  prefs.gammaType = GAMMA_GLOBAL;
  prefs.agpSizeList = {4, 8};
  current.AGPSize = 8;
  surface.setChecked(IDC_OPT_ADVANCED_MENUS, true);
  surface.setText(IDC_OPT_TM_SIZE, "128");
  press(1);
  EXPECT_TRUE(prefs.showAdvanced);
  EXPECT_EQ(128, current.TM);
  EXPECT_EQ(GAMMA_GLOBAL, prefs.gammaType);
  EXPECT_EQ((std::vector<uint32_t>{4, 8}), prefs.agpSizeList);
  EXPECT_EQ(8, current.AGPSize);
}

TEST_F(OptionsDialogTest, OtherCommandsAreNotHandled) {
  open();
  EXPECT_FALSE(press(IDC_OPT_ADVANCED_MENUS));
  EXPECT_FALSE(surface.ended());
}

}  // namespace
}  // namespace vdx
