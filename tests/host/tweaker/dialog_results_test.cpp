// What a dialog's result does to the program's records, and the buttons
// every presenter shares: each record is written only where the result has
// it, and OK, Cancel and Apply reach the presenter's own handling.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/fake_dialog_surface.h"
#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/resources/resource.h"
#include "tweaker/shell/dialog_results.h"

namespace vdx {
namespace {

TEST(DialogResults, AnEmptyResultLeavesEveryRecord) {
  TestProgram t;
  Program& p = t.program;
  p.preferences.gammaType = GAMMA_BY_BPP;
  p.preferences.showAdvanced = true;
  p.currentOptions.ICDMode = 1;
  p.currentOptions.TC = 300;
  p.clocks.desiredMclk = 125.0f;
  p.schemeImportFolder = "A:\\";
  applyDialogResult(p, OptionsResult{});
  applyDialogResult(p, GammaResult{});
  applyDialogResult(p, OverclockResult{});
  applyDialogResult(p, MiniGLResult{});
  applyDialogResult(p, ConfigureSchemesResult{});
  EXPECT_EQ(GAMMA_BY_BPP, p.preferences.gammaType);
  EXPECT_TRUE(p.preferences.showAdvanced);
  EXPECT_EQ(1, p.currentOptions.ICDMode);
  EXPECT_EQ(300, p.currentOptions.TC);
  EXPECT_FLOAT_EQ(125.0f, p.clocks.desiredMclk);
  EXPECT_EQ("A:\\", p.schemeImportFolder);
}

TEST(DialogResults, EachResultWritesItsRecord) {
  TestProgram t;
  Program& p = t.program;
  p.currentOptions.AGPSize = 8;
  GammaResult gamma;
  gamma.gammaType = GAMMA_DISABLED;
  applyDialogResult(p, gamma);
  EXPECT_EQ(GAMMA_DISABLED, p.preferences.gammaType);
  MiniGLResult minigl;
  minigl.icdMode = 0;
  p.currentOptions.ICDMode = 1;
  applyDialogResult(p, minigl);
  EXPECT_EQ(0, p.currentOptions.ICDMode);
  OverclockResult clocks;
  clocks.clocks = ClockState();
  clocks.clocks->desiredMclk = 140.0f;
  applyDialogResult(p, clocks);
  EXPECT_FLOAT_EQ(140.0f, p.clocks.desiredMclk);
  ConfigureSchemesResult schemes;
  schemes.importFolder = "C:\\friend";
  applyDialogResult(p, schemes);
  EXPECT_EQ("C:\\friend", p.schemeImportFolder);
  OptionsResult options;
  options.saved = true;
  options.TC = 512;
  options.TM = 128;
  options.ict = false;
  applyDialogResult(p, options);
  EXPECT_EQ(512, p.currentOptions.TC);
  EXPECT_EQ(128, p.currentOptions.TM);
  EXPECT_FALSE(p.preferences.ict);
  EXPECT_EQ(8, p.currentOptions.AGPSize) << "not the dialog's";
  EXPECT_EQ(GAMMA_DISABLED, p.preferences.gammaType) << "not the dialog's";
}

// A presenter with all three buttons, counting what reached it.
struct Buttons {
  static constexpr int kApplyId = 3;
  int oks = 0, cancels = 0, applies = 0, commands = 0;
  int okEnd = kIdOk;
  int ok() { return ++oks, okEnd; }
  int cancel() { return ++cancels, 5; }
  void apply() { ++applies; }
  bool command(int id) { return ++commands, id == IDC_GAMMA_RED; }
};

// Only OK, and no other command.
struct OkOnly {
  int ok() { return 7; }
};

TEST(PresenterButtons, OkCancelAndApplyReachThePresenterAndEndAsItSays) {
  FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_GAMMA);
  Buttons b;
  EXPECT_TRUE(presenterCommand(b, s, 3));
  EXPECT_EQ(1, b.applies);
  EXPECT_FALSE(s.ended()) << "Apply leaves the dialog open";
  b.okEnd = kStayOpen;
  EXPECT_TRUE(presenterCommand(b, s, kIdOk));
  EXPECT_FALSE(s.ended()) << "an OK the presenter refuses";
  EXPECT_TRUE(presenterCommand(b, s, kIdCancel));
  EXPECT_EQ(5, s.result());
  EXPECT_TRUE(presenterCommand(b, s, IDC_GAMMA_RED));
  EXPECT_FALSE(presenterCommand(b, s, IDC_GAMMA_BLUE));
  EXPECT_EQ(2, b.commands) << "the buttons never reach command()";
  EXPECT_EQ(1, b.oks);
  EXPECT_EQ(1, b.cancels);

  FakeDialogSurface plain = FakeDialogSurface::forDialog(IDD_GAMMA);
  OkOnly o;
  EXPECT_FALSE(presenterCommand(o, plain, 3)) << "no Apply of its own";
  EXPECT_FALSE(presenterCommand(o, plain, IDC_GAMMA_RED));
  EXPECT_FALSE(presenterScrolled(o, IDC_GAMMA_SLIDER, 0));
  EXPECT_TRUE(presenterCommand(o, plain, kIdCancel));
  EXPECT_EQ(kIdCancel, plain.result()) << "without cancel() Cancel ends with 2";
  EXPECT_TRUE(presenterCommand(o, plain, kIdOk));
  EXPECT_EQ(7, plain.result());
}

}  // namespace
}  // namespace vdx
