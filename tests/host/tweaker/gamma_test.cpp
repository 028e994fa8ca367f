// Gamma: the table arithmetic, what is read and applied for the mode in use,
// and the Gamma dialog over the controls of dialog 147 with the simulated
// driver holding the table the hardware would show.
#include <gtest/gtest.h>

#include <memory>

#include "tests/fakes/tweaker/fake_dialog_surface.h"
#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/display/gamma_dialog.h"
#include "tweaker/display/stored_gamma.h"
#include "tweaker/resources/resource.h"
#include "tweaker/simulated/sim_display.h"

namespace vdx {
namespace {

GammaRamp tableOf(float g, float b) {
  StoredGamma s;
  for (int c = 0; c < 3; ++c) s.gamma[c] = g, s.bright[c] = b;
  return buildGammaRamp(s);
}

TEST(GammaTable, WorkedValuesAndClamps) {
  EXPECT_EQ(186, tableOf(2.2f, 1.0f).red(128));
  const GammaRamp identity = tableOf(1.0f, 1.0f);
  for (int i = 0; i < 768; ++i) ASSERT_EQ(i % 256, identity.entries[i]) << i;
  const GammaRamp high = tableOf(1.0f, 3.0f), low = tableOf(1.0f, 0.0f);
  EXPECT_EQ(150, high.red(0));
  EXPECT_EQ(255, high.blue(105));
  EXPECT_EQ(255, high.green(255));
  EXPECT_EQ(0, low.red(150));
  EXPECT_EQ(105, low.red(255));
}

TEST(GammaTable, NonDecreasingOverAGridOfSettings) {
  for (int g = 10; g <= 300; g += 29) {
    for (int b = 0; b <= 300; b += 25) {
      const GammaRamp r = tableOf(g * 0.01f, b * 0.01f);
      for (int i = 1; i < 256; ++i) ASSERT_GE(r.green(i), r.green(i - 1)) << g << " " << b << " " << i;
    }
  }
}

TEST(GammaTable, StoredTextRoundTripsAtTwoDecimals) {
  StoredGamma g;
  g.gamma[0] = 2.2f, g.bright[2] = 0.5f;
  EXPECT_EQ("Gamma=2.20 1.00 1.00 Bright=1.00 1.00 0.50", formatStoredGamma(g));
  const StoredGamma back = parseStoredGamma(formatStoredGamma(g));
  EXPECT_FLOAT_EQ(2.2f, back.gamma[0]);
  EXPECT_FLOAT_EQ(0.5f, back.bright[2]);
}

// A Savage4 on the simulated driver, its card key and a mode in use.
class GammaRig : public ::testing::Test {
 protected:
  GammaRig() {
    SimCard card;
    EXPECT_TRUE(simPreset("Savage4", &card));
    driver = std::make_unique<SimulatedDriver>(card);
    display = std::make_unique<SimulatedDisplay>(*driver, fp.display);
    escapes = std::make_unique<DriverEscapes>(*display);
    EXPECT_TRUE(escapes->QueryDriverEscapes());
    id.cardKeyPath = "Software\\Tessaly\\Vidarix\\8a22_0_0";
    id.capabilities = kCapGamma;
    setMode(1024, 768, 16);
    hw = fp.services();
    hw.display = display.get();
  }
  void setMode(uint32_t w, uint32_t h, uint32_t bpp) { fp.display.setCurrent({w, h, bpp, 60}); }
  void store(const char* name, const char* text) {
    fp.registry.setString(RegRoot::LocalMachine, id.cardKeyPath, name, text);
  }
  std::string stored(const char* name) const { return fp.registry.getString(RegRoot::LocalMachine, id.cardKeyPath, name); }
  // What the hardware shows for red, green and blue at entry i.
  uint32_t hardware(int i) const { return driver->state().gamma[i]; }
  static uint32_t word(int r, int g, int b) { return static_cast<uint32_t>(r << 16 | g << 8 | b); }

  FakePlatform fp;
  std::unique_ptr<SimulatedDriver> driver;
  std::unique_ptr<SimulatedDisplay> display;
  std::unique_ptr<DriverEscapes> escapes;
  AdapterIdentity id;
  Platform hw;
};

using ApplyStoredGammaTest = GammaRig;

TEST_F(ApplyStoredGammaTest, ReadsTheValueNamedByTheStorageType) {
  struct Case {
    GammaType type;
    const char* name;
  } cases[] = {{GAMMA_BY_MODE, "Gamma(1024x768x16)"}, {GAMMA_BY_BPP, "Gamma(16bpp)"}, {GAMMA_GLOBAL, "Gamma(all)"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    store(c.name, "Gamma=2.20 2.20 2.20 Bright=1.00 1.00 1.00");
    GammaSettings s;
    ApplyStoredGamma(hw, id, c.type, *escapes, &s);
    EXPECT_EQ(word(186, 186, 186), hardware(128));
    EXPECT_EQ(kGammaAllChannels, s.selection);
  }
  // Only the gamma part: brightness stays neutral, channels differ: red is selected.
  store("Gamma(1024x768x16)", "Gamma=2.20 1.00 1.00");
  GammaSettings s;
  ApplyStoredGamma(hw, id, GAMMA_BY_MODE, *escapes, &s);
  EXPECT_EQ(word(186, 128, 128), hardware(128));
  EXPECT_FLOAT_EQ(1.0f, s.values.bright[0]);
  EXPECT_EQ(kGammaRed, s.selection);
  EXPECT_EQ(0u, fp.registry.openKeyCount());
}

TEST_F(ApplyStoredGammaTest, PaletteModesAndDisabledApplyNothing) {
  store("Gamma(1024x768x8)", "Gamma=2.20 2.20 2.20 Bright=1.00 1.00 1.00");
  store("Gamma(1024x768x16)", "Gamma=2.20 2.20 2.20 Bright=1.00 1.00 1.00");
  driver->state().gamma[128] = 0xABCDEF;  // a sentinel nothing should touch
  setMode(1024, 768, 8);
  GammaSettings s;
  ApplyStoredGamma(hw, id, GAMMA_BY_MODE, *escapes, &s);
  EXPECT_EQ(0xABCDEFu, hardware(128));
  EXPECT_EQ(0, s.selection);
  setMode(1024, 768, 16);
  ApplyStoredGamma(hw, id, GAMMA_DISABLED, *escapes, &s);
  EXPECT_EQ(0xABCDEFu, hardware(128));
}

class GammaDialogTest : public GammaRig {
 protected:
  GammaDialogTest() : surface(FakeDialogSurface::forDialog(IDD_GAMMA)) {}
  void TearDown() override { EXPECT_TRUE(surface.unknownIds().empty()); }
  // `type` stands for the program's preference: Apply hands the result over
  // at once, the rest is taken when the dialog ends, as the shell does.
  void open() {
    auto take = [this](const GammaResult& r) {
      if (r.gammaType) type = *r.gammaType;
    };
    dialog = std::make_unique<GammaDialog>(surface, GammaDialogModel{hw, &id, type, escapes.get(), take});
    dialog->init();
  }
  void press(int control) {
    presenterCommand(*dialog, surface, control);
    if (surface.ended() && dialog->result().gammaType) type = *dialog->result().gammaType;
  }
  void slide(int id, int pos) {
    surface.setTrackPos(id, pos);
    dialog->scrolled(id);
  }
  FakeDialogSurface surface;
  GammaType type = GAMMA_BY_MODE;
  std::unique_ptr<GammaDialog> dialog;
};

TEST_F(GammaDialogTest, OpensWithTheStoredValuesAndTheStorageType) {
  store("Gamma(all)", "Gamma=1.50 1.50 1.50 Bright=0.80 0.80 0.80");
  type = GAMMA_GLOBAL;
  open();
  EXPECT_EQ("Globally", surface.itemText(IDC_GAMMA_STORAGE, surface.selection(IDC_GAMMA_STORAGE)));
  EXPECT_EQ(4, surface.itemCount(IDC_GAMMA_STORAGE));
  EXPECT_TRUE(surface.checked(IDC_GAMMA_ALL));
  EXPECT_EQ(150, surface.trackPos(IDC_GAMMA_SLIDER));
  EXPECT_EQ(80, surface.trackPos(IDC_GAMMA_BRIGHT_SLIDER));
  EXPECT_EQ("1.50", surface.text(IDC_GAMMA_VALUE));
  EXPECT_EQ("0.80", surface.text(IDC_GAMMA_BRIGHT_VALUE));
  EXPECT_FALSE(surface.enabled(3));
  EXPECT_FALSE(surface.visible(IDC_GAMMA_DISPLAY1));  // one display only
}

TEST_F(GammaDialogTest, SlidersPreviewAndOkStoresUnderTheChosenType) {
  open();
  const uint32_t commits = driver->state().gammaCommits;
  slide(IDC_GAMMA_SLIDER, 220);
  EXPECT_EQ(word(186, 186, 186), hardware(128));  // previewed, not committed
  EXPECT_EQ(commits, driver->state().gammaCommits);
  EXPECT_EQ("2.20", surface.text(IDC_GAMMA_VALUE));
  EXPECT_TRUE(surface.enabled(3));
  press(IDC_GAMMA_BLUE);
  slide(IDC_GAMMA_BRIGHT_SLIDER, 200);  // blue only, raised by 75
  EXPECT_EQ(word(186, 186, 255), hardware(128));
  surface.select(IDC_GAMMA_STORAGE, 2);  // "Globally": nothing yet
  EXPECT_EQ(GAMMA_BY_MODE, type);
  press(1);
  EXPECT_EQ(GAMMA_GLOBAL, type);
  EXPECT_EQ(commits + 1, driver->state().gammaCommits);
  EXPECT_EQ("Gamma=2.20 2.20 2.20 Bright=1.00 1.00 2.00", stored("Gamma(all)"));
  EXPECT_EQ("Global", stored("GammaType"));
  EXPECT_FALSE(fp.registry.hasValue(RegRoot::LocalMachine, id.cardKeyPath, "Gamma(1024x768x16)"));
  EXPECT_EQ(1, surface.result());
}

TEST_F(GammaDialogTest, CancelAfterApplyRestoresTheAppliedTable) {
  open();
  slide(IDC_GAMMA_SLIDER, 220);
  surface.select(IDC_GAMMA_STORAGE, 1);  // "By colour depth"
  press(3);  // Apply
  EXPECT_FALSE(surface.enabled(3));
  EXPECT_EQ(GAMMA_BY_BPP, type) << "the program has the type while the dialog is open";
  slide(IDC_GAMMA_SLIDER, 100);
  EXPECT_EQ(word(128, 128, 128), hardware(128));
  press(2);
  EXPECT_EQ(word(186, 186, 186), hardware(128));
  EXPECT_FALSE(fp.registry.hasValue(RegRoot::LocalMachine, id.cardKeyPath, "GammaType"));
  EXPECT_EQ(2, surface.result());
  EXPECT_EQ(GAMMA_BY_BPP, type);
  EXPECT_FALSE(dialog->result().gammaType) << "nothing is left to hand over";
}

TEST_F(GammaDialogTest, AllAndDefaultAndDisabled) {
  store("Gamma(1024x768x16)", "Gamma=2.20 1.00 1.00 Bright=1.50 1.00 1.00");
  open();
  EXPECT_TRUE(surface.checked(IDC_GAMMA_RED));
  press(IDC_GAMMA_ALL);  // green and blue follow red
  EXPECT_FLOAT_EQ(2.2f, dialog->settings().values.gamma[2]);
  EXPECT_FLOAT_EQ(1.5f, dialog->settings().values.bright[1]);
  press(IDC_GAMMA_DEFAULT);
  EXPECT_EQ(word(128, 128, 128), hardware(128));
  EXPECT_EQ(100, surface.trackPos(IDC_GAMMA_SLIDER));
  EXPECT_EQ(kGammaAllChannels, dialog->settings().selection);
  surface.select(IDC_GAMMA_STORAGE, 3);  // "Disabled": OK writes only the type
  press(1);
  EXPECT_EQ("Disabled", stored("GammaType"));
  EXPECT_EQ("Gamma=2.20 1.00 1.00 Bright=1.50 1.00 1.00", stored("Gamma(1024x768x16)"));
}

TEST_F(GammaDialogTest, PaletteModeSelectsNoChannelSoSlidersChangeNothing) {
  setMode(800, 600, 8);
  open();
  for (int b : {IDC_GAMMA_RED, IDC_GAMMA_GREEN, IDC_GAMMA_BLUE, IDC_GAMMA_ALL}) EXPECT_FALSE(surface.checked(b));
  slide(IDC_GAMMA_SLIDER, 250);
  EXPECT_FLOAT_EQ(1.0f, dialog->settings().values.gamma[0]);
}

}  // namespace
}  // namespace vdx
