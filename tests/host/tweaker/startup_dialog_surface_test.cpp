// The in-memory dialog surface the dialog tests stand on: it must behave like
// the controls it stands for and refuse controls the dialog does not have.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/fake_dialog_surface.h"
#include "tweaker/resources/resource.h"

namespace vdx {
namespace {

TEST(FakeDialogSurface, UnknownControlIdFailsTheTest) {
  FakeDialogSurface dlg = FakeDialogSurface::forDialog(IDD_MSGBOX);
  EXPECT_NONFATAL_FAILURE(dlg.setText(IDC_OPT_AUTOSTART, "x"), "no control with id 1050");
  EXPECT_NONFATAL_FAILURE((void)dlg.checked(42), "no control with id 42");
  EXPECT_EQ((std::vector<int>{IDC_OPT_AUTOSTART, 42}), dlg.unknownIds());
}

// The ids come from the .rc: every kind of control statement, the standard
// buttons by their numbers, and no id for the static texts.
TEST(FakeDialogSurface, ForDialogHoldsTheControlsItsResourceDeclares) {
  FakeDialogSurface options = FakeDialogSurface::forDialog(IDD_OPTIONS);
  for (int id : {IDC_OPT_ADVANCED_MENUS, IDC_OPT_PERFICD_MENU, IDC_OPT_TC_SIZE, IDC_OPT_TM_SIZE, 1, 2}) {
    EXPECT_TRUE(options.has(id)) << id;
  }
  EXPECT_FALSE(options.has(-1));
  EXPECT_FALSE(options.has(IDC_MSGBOX_TEXT));
  FakeDialogSurface box = FakeDialogSurface::forDialog(IDD_MSGBOX);
  EXPECT_TRUE(box.has(IDC_MSGBOX_ICON));  // a CONTROL statement
  EXPECT_TRUE(box.has(IDC_MSGBOX_BUTTON5));
  EXPECT_NONFATAL_FAILURE(FakeDialogSurface::forDialog(IDI_VIDARIX), "no dialog resource with id 152");
}

TEST(FakeDialogSurface, KnownControlsKeepTheirState) {
  FakeDialogSurface dlg = FakeDialogSurface::forDialog(IDD_MSGBOX);
  dlg.setText(0, "Title");
  dlg.setChecked(IDC_MSGBOX_BUTTON1, true);
  dlg.enable(IDC_MSGBOX_BUTTON2, false);
  dlg.show(IDC_MSGBOX_BUTTON3, false);
  EXPECT_EQ("Title", dlg.text(0));
  EXPECT_TRUE(dlg.checked(IDC_MSGBOX_BUTTON1));
  EXPECT_FALSE(dlg.enabled(IDC_MSGBOX_BUTTON2));
  EXPECT_FALSE(dlg.visible(IDC_MSGBOX_BUTTON3));
  EXPECT_TRUE(dlg.unknownIds().empty());
}

TEST(FakeDialogSurface, TrackBarClampsToItsRange) {
  FakeDialogSurface dlg({1286});
  dlg.setTrackRange(1286, 0, 20);
  dlg.setTrackPos(1286, 25);
  EXPECT_EQ(20, dlg.trackPos(1286));
  dlg.setTrackPos(1286, -3);
  EXPECT_EQ(0, dlg.trackPos(1286));
}

TEST(FakeDialogSurface, ListItemsSelectionAndRemoval) {
  FakeDialogSurface dlg({1090});
  EXPECT_EQ(0, dlg.addItem(1090, "alpha", 7));
  EXPECT_EQ(1, dlg.addItem(1090, "beta", 8));
  EXPECT_EQ(2, dlg.addItem(1090, "gamma", 9));
  dlg.select(1090, 2);
  dlg.removeItem(1090, 0);
  EXPECT_EQ(1, dlg.selection(1090));  // still on "gamma"
  EXPECT_EQ("gamma", dlg.itemText(1090, 1));
  EXPECT_EQ(9, dlg.itemData(1090, 1));
  EXPECT_EQ(-1, dlg.findItem(1090, "Beta"));  // exact match only
  EXPECT_EQ(0, dlg.findItem(1090, "beta"));
  dlg.select(1090, 5);
  EXPECT_EQ(-1, dlg.selection(1090));
  EXPECT_EQ(-1, dlg.itemData(1090, 5));
}

}  // namespace
}  // namespace vdx
