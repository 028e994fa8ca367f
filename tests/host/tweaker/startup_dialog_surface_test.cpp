// The in-memory dialog surface the dialog tests stand on: it must behave like
// the controls it stands for and refuse controls the dialog does not have.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/fake_dialog_surface.h"

namespace vdx {
namespace {

TEST(FakeDialogSurface, UnknownControlIdFailsTheTest) {
  FakeDialogSurface dlg({1001, 1002});
  EXPECT_NONFATAL_FAILURE(dlg.setText(1003, "x"), "no control with id 1003");
  EXPECT_NONFATAL_FAILURE((void)dlg.checked(42), "no control with id 42");
  EXPECT_EQ((std::vector<int>{1003, 42}), dlg.unknownIds());
}

TEST(FakeDialogSurface, KnownControlsKeepTheirState) {
  FakeDialogSurface dlg({1001, 1002, 1003});
  dlg.setText(0, "Title");
  dlg.setChecked(1001, true);
  dlg.enable(1002, false);
  dlg.show(1003, false);
  EXPECT_EQ("Title", dlg.text(0));
  EXPECT_TRUE(dlg.checked(1001));
  EXPECT_FALSE(dlg.enabled(1002));
  EXPECT_FALSE(dlg.visible(1003));
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
