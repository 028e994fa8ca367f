// The Display Outputs dialog over an in-memory surface holding the controls
// of dialog 141, talking to the simulated driver.
#include <gtest/gtest.h>

#include <memory>

#include "tests/fakes/tweaker/fake_dialog_surface.h"
#include "tests/fakes/tweaker/fake_display.h"
#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/display/outputs_dialog.h"
#include "tweaker/resources/resource.h"
#include "tweaker/simulated/sim_display.h"
#include "tweaker/simulated/sim_driver.h"

namespace vdx {
namespace {

class OutputsDialogTest : public ::testing::Test {
 protected:
  OutputsDialogTest() : surface(FakeDialogSurface::forDialog(IDD_DISPLAY_OUTPUTS)) { screen(1024, 768); }
  void TearDown() override { EXPECT_TRUE(surface.unknownIds().empty()); }

  void screen(uint32_t w, uint32_t h) {
    DisplayMode m{};
    m.width = w;
    m.height = h;
    modes.setCurrent(m);
  }
  void open() {
    identity.deviceId = card.deviceId;
    driver.reset(new SimulatedDriver(card));
    simDisplay.reset(new SimulatedDisplay(*driver, modes));
    escapes.reset(new DriverEscapes(*simDisplay));
    escapes->QueryDriverEscapes();
    dialog.reset(new OutputsDialog(surface, {escapes.get(), &identity, &prefs, &modes, &boxes, nullptr}));
    dialog->init();
  }
  void tick(int id, bool on) {
    surface.setChecked(id, on);
    presenterCommand(*dialog, surface, id);
  }
  void slide(int id, int pos) {
    surface.setTrackPos(id, pos);
    presenterScrolled(*dialog, id, kScrollEnded);
  }
  SimDriverState& kept() { return driver->state(); }

  SimCard card;
  AdapterIdentity identity;
  Preferences prefs;
  FakeDisplay modes;
  ScriptedMessageBoxes boxes;
  std::unique_ptr<SimulatedDriver> driver;
  std::unique_ptr<SimulatedDisplay> simDisplay;
  std::unique_ptr<DriverEscapes> escapes;
  FakeDialogSurface surface;
  std::unique_ptr<OutputsDialog> dialog;
};

TEST(OutputsMask, UntickingEveryDisplayKeepsTheFirstOfCrtLcdTvThatWasOn) {
  struct Row {
    uint32_t active, expected;
  } rows[] = {{0x07, DISPLAY_CRT}, {0x06, DISPLAY_LCD}, {0x04, DISPLAY_TV}};
  for (const Row& r : rows) {
    EXPECT_EQ(r.expected, nextDisplayMask(r.active, 0x07, false, false, false, -1)) << r.active;
  }
  // An unsupported display is left as it was; DuoView follows its box when offered.
  EXPECT_EQ(0x01u, nextDisplayMask(0x01, 0x03, true, true, false, -1));
  EXPECT_EQ(0x09u, nextDisplayMask(0x01, 0x07, true, false, false, 1));
  EXPECT_EQ(0x01u, nextDisplayMask(0x09, 0x07, true, false, false, 0));
}

TEST(OutputsMask, DuoViewNeverLeavesAMaskWithoutADisplay) {
  struct Row {
    uint32_t active;
    int duoView;
    uint32_t expected;
  } rows[] = {
      {0x09, 0, DISPLAY_CRT},                    // DuoView's bit must not hide an empty mask
      {0x09, 1, DISPLAY_CRT | DISPLAY_DUOVIEW},  // nor its box
      {0x0A, 0, DISPLAY_LCD},
      {0x01, 1, DISPLAY_CRT | DISPLAY_DUOVIEW},
      {0x08, 0, 0x08},  // nothing was on to fall back to: the driver's mask stays
      {0x00, 1, 0x00},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.expected, nextDisplayMask(r.active, 0x07, false, false, false, r.duoView))
        << r.active << " duo " << r.duoView;
  }
}

TEST_F(OutputsDialogTest, WithoutTheConnectionQueryTheActiveDisplaysShowConnected) {
  prefs.useQueryConnect = false;
  card.supportedDisplays = 0x07;
  card.activeDisplays = 0x04;
  card.connectedDisplays = 0x07;
  open();
  EXPECT_EQ("Disconnected", surface.control(IDC_OUT_CRT_STATUS).text);
  EXPECT_EQ("Connected", surface.control(IDC_OUT_TV_STATUS).text);
  EXPECT_EQ("Disconnected", surface.control(IDC_OUT_LCD_STATUS).text);
  EXPECT_FALSE(surface.control(IDC_OUT_CRT).enabled);
  EXPECT_TRUE(surface.control(IDC_OUT_TV).enabled);
  EXPECT_TRUE(surface.control(IDC_OUT_TV).checked);
}

TEST_F(OutputsDialogTest, ExpandLcdOnlyForAScreenSmallerThanThePanelWithTheLcdOn) {
  struct Row {
    uint32_t active, w, h;
    bool enabled;
  } rows[] = {{0x02, 1024, 768, false}, {0x02, 1024, 600, false}, {0x02, 800, 600, true}, {0x01, 800, 600, false}};
  card.supportedDisplays = 0x03;
  card.panelWidth = 1024;
  card.panelHeight = 768;
  for (const Row& r : rows) {
    card.activeDisplays = r.active;
    screen(r.w, r.h);
    open();
    EXPECT_EQ(r.enabled, surface.control(IDC_OUT_EXPAND_LCD).enabled) << r.active << " " << r.w << "x" << r.h;
  }
}

TEST_F(OutputsDialogTest, ApplyingSendsTheDisplaysAndTheLcdExpansion) {
  card.supportedDisplays = 0x03;
  card.activeDisplays = 0x02;
  screen(800, 600);
  open();
  tick(IDC_OUT_EXPAND_LCD, true);
  EXPECT_TRUE(surface.control(IDC_OUT_APPLY).enabled);
  tick(IDC_OUT_CRT, true);
  presenterCommand(*dialog, surface, IDC_OUT_APPLY);
  EXPECT_EQ(0x03u, kept().activeDisplays);
  EXPECT_EQ(kExpansionOn, kept().horzExpansion);
  EXPECT_EQ(kExpansionOn, kept().vertExpansion);
  EXPECT_FALSE(surface.control(IDC_OUT_APPLY).enabled);
  EXPECT_TRUE(boxes.shown.empty());
  // Unticking both falls back to the CRT.
  tick(IDC_OUT_CRT, false);
  tick(IDC_OUT_LCD, false);
  presenterCommand(*dialog, surface, 1);
  EXPECT_EQ(0x01u, kept().activeDisplays);
  EXPECT_TRUE(surface.ended());
}

TEST_F(OutputsDialogTest, ARefusedSwitchIsReportedAndTheRestStillRuns) {
  card.switchableDisplays = 0;
  card.activeDisplays = 0x01;
  open();
  tick(IDC_OUT_TV, true);
  surface.select(IDC_OUT_TV_STANDARD, 2);  // PAL
  presenterCommand(*dialog, surface, IDC_OUT_APPLY);
  ASSERT_EQ(1u, boxes.shown.size());
  EXPECT_EQ("Could not set displays.", boxes.shown[0].text);
  EXPECT_EQ("Vidarix", boxes.shown[0].caption);
  EXPECT_EQ(kMbIconExclamation, boxes.shown[0].style);
  EXPECT_EQ(0x01u, kept().activeDisplays);
  EXPECT_EQ(2u, kept().tvStandard);
}

TEST_F(OutputsDialogTest, TvStandardsAreListedWithTheirCodesAndAnUnknownOneSelectsTheFirst) {
  card.tvStandards = 0x07;  // NTSC, PAL, NTSC (Japan)
  card.tvStandard = 9;
  open();
  const FakeControl& list = surface.control(IDC_OUT_TV_STANDARD);
  ASSERT_EQ(3u, list.items.size());
  EXPECT_EQ("NTSC", list.items[0].first);
  EXPECT_EQ("NTSC (Japan)", list.items[1].first);
  EXPECT_EQ(3, list.items[1].second);
  EXPECT_EQ("PAL", list.items[2].first);
  EXPECT_EQ(0, list.selection);
}

TEST_F(OutputsDialogTest, Savage3dHorizontalSizeRunsInvertedOnAReducedMaximum) {
  simPreset("Savage3D", &card);
  card.tvHorzSizeRange = 20;
  card.activeDisplays = 0x05;
  open();
  kept().tvHorzSize = 4;
  dialog->read(false);
  EXPECT_EQ(19, surface.control(IDC_OUT_HORZ_SIZE).rangeMax);
  EXPECT_EQ(15, surface.control(IDC_OUT_HORZ_SIZE).pos);
  slide(IDC_OUT_HORZ_SIZE, 10);
  EXPECT_EQ(9u, kept().tvHorzSize);
  EXPECT_TRUE(surface.control(IDC_OUT_APPLY).enabled);
}

TEST_F(OutputsDialogTest, PictureSlidersActOnlyWithTheTvOnAndSendAtTheEndOfAScroll) {
  card.activeDisplays = 0x01;
  open();
  EXPECT_FALSE(surface.control(IDC_OUT_CONTRAST).enabled);
  EXPECT_FALSE(surface.control(IDC_OUT_FLICKER).enabled);
  card.activeDisplays = 0x05;
  open();
  const FakeControl& contrast = surface.control(IDC_OUT_CONTRAST);
  EXPECT_TRUE(contrast.enabled);
  EXPECT_EQ(63, contrast.rangeMax);  // the driver's 64 steps replace the chip's 13
  EXPECT_EQ(3, contrast.ticEvery);
  slide(IDC_OUT_CONTRAST, 63);
  EXPECT_EQ(63u, kept().tvContrast);
  surface.setSpinPos(IDC_OUT_VERT_POS, 5);
  dialog->scrollEnded(IDC_OUT_VERT_POS);
  EXPECT_EQ(5u, kept().tvVertPos);
  tick(IDC_OUT_FLICKER, false);
  EXPECT_EQ(0u, kept().flickerOn);
  EXPECT_FALSE(surface.control(IDC_OUT_FLICKER_LEVEL).enabled);
}

TEST_F(OutputsDialogTest, WithoutTvEveryPictureControlStaysDisabledAndTheFlickerSliderFollowsItsPreference) {
  const int picture[] = {IDC_OUT_FLICKER,  IDC_OUT_FLICKER_LEVEL, IDC_OUT_HORZ_SIZE,  IDC_OUT_VERT_SIZE,
                         IDC_OUT_LOCK_RATIO, IDC_OUT_HORZ_POS,    IDC_OUT_VERT_POS,   IDC_OUT_BRIGHTNESS,
                         IDC_OUT_CONTRAST, IDC_OUT_COLOUR,        IDC_OUT_TINT};
  card.supportedDisplays = 0x03;
  card.activeDisplays = 0x01;
  for (bool shown : {false, true}) {
    prefs.showFlickerSlider = shown;
    surface = FakeDialogSurface::forDialog(IDD_DISPLAY_OUTPUTS);
    open();
    for (int id : picture) EXPECT_FALSE(surface.control(id).enabled) << id;
    EXPECT_EQ(shown, surface.control(IDC_OUT_FLICKER_LEVEL).visible);
    EXPECT_FALSE(surface.control(IDC_OUT_TV_STANDARD).enabled);
    EXPECT_FALSE(surface.control(IDC_OUT_TV_PORT).enabled);
  }
}

TEST_F(OutputsDialogTest, TheFlickerFilterBoxEnablesTheSliderOnlyWhenItHasLevelsToChoose) {
  card.activeDisplays = 0x05;
  card.flickerLevels = 1;
  open();
  EXPECT_TRUE(surface.control(IDC_OUT_FLICKER).enabled);
  tick(IDC_OUT_FLICKER, true);
  EXPECT_FALSE(surface.control(IDC_OUT_FLICKER_LEVEL).enabled);
}

TEST_F(OutputsDialogTest, ApplyWithDuoViewOnAndEveryBoxUntickedKeepsADisplayOn) {
  identity.capabilities |= kCapTwoDisplays;
  prefs.showDuoview = true;
  card.supportedDisplays = 0x0B;
  card.activeDisplays = 0x09;
  open();
  EXPECT_TRUE(surface.control(IDC_OUT_DUOVIEW).checked);
  tick(IDC_OUT_CRT, false);
  tick(IDC_OUT_DUOVIEW, false);
  presenterCommand(*dialog, surface, IDC_OUT_APPLY);
  EXPECT_EQ(0x01u, kept().activeDisplays);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OutputsDialogTest, LinkedSizesGoTogetherAndTheLockDisablesTheHorizontalSlider) {
  simPreset("SavageMX", &card);
  card.supportedDisplays = 0x07;
  card.activeDisplays = 0x05;
  card.tvHorzSizeRange = card.tvVertSizeRange = 32;
  open();
  EXPECT_EQ(31, surface.control(IDC_OUT_VERT_SIZE).rangeMax);
  tick(IDC_OUT_LOCK_RATIO, false);
  EXPECT_TRUE(surface.control(IDC_OUT_HORZ_SIZE).enabled);
  slide(IDC_OUT_HORZ_SIZE, 7);
  EXPECT_EQ(7u, kept().tvHorzSize);
  slide(IDC_OUT_VERT_SIZE, 12);
  EXPECT_EQ(12u, kept().tvVertSize);
  EXPECT_EQ(7u, kept().tvHorzSize);
  tick(IDC_OUT_LOCK_RATIO, true);
  EXPECT_EQ(1u, kept().tvLockRatio);
  EXPECT_FALSE(surface.control(IDC_OUT_HORZ_SIZE).enabled);
}

}  // namespace
}  // namespace vdx
