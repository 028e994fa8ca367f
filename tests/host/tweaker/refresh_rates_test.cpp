// Refresh rates: the driver's rate lists as the parser reads them, the code
// mapping, where a choice is stored, and the dialog over the controls of
// dialog 170 with the 15-second question scripted.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/fakes/tweaker/fake_dialog_surface.h"
#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/display/refresh_rates_dialog.h"
#include "tweaker/resources/resource.h"

namespace vdx {
namespace {

const char kClass[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
const std::string kDefault = std::string(kClass) + "\\DEFAULT";
std::string modeKey(const char* tail) { return std::string(kClass) + "\\MODES\\" + tail; }

std::vector<int32_t> listed(const RefreshModeEntry& e) {
  std::vector<int32_t> out;
  for (int i = 0; i < kRefreshRateSlots && e.rates[i] != 0; ++i) out.push_back(e.rates[i]);
  return out;
}

TEST(RefreshRateList, ParsesAsTheDriversListsAreRead) {
  struct Case {
    const char* text;
    std::vector<int32_t> rates;
  } cases[] = {
      {"60,70,72,75,85", {60, 70, 72, 75, 85}},
      {"0,60,-1", {60}},
      {"1,75", {75}},
      {"60, 70", {60, 70, 70}},  // a two-character separator reads the next number twice
      {"60,", {60}},
      {"abc", {}},
      {"-2,60,-75,99999999999", {60}},  // no second "Optimal", nothing negative, nothing wrapped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    RefreshModeEntry e = {};
    parseRateList(c.text, &e, 0);
    EXPECT_EQ(c.rates, listed(e));
  }
  // 46 read rates fill the list; more are dropped, nothing runs past it.
  std::string many;
  for (int i = 0; i < 60; ++i) many += std::to_string(50 + i) + ",";
  RefreshModeEntry e = {};
  e.selected = 0x5EED;
  parseRateList(many, &e, 2);
  EXPECT_EQ(95, e.rates[kRefreshRateSlots - 1]);
  EXPECT_EQ(0x5EED, e.selected);
}

TEST(RefreshRateCodes, StoredAndShown) {
  EXPECT_EQ(RATE_OPTIMAL, rateCodeFromStored(-1));
  EXPECT_EQ(RATE_ADAPTER_DEFAULT, rateCodeFromStored(0));
  EXPECT_EQ(75, rateCodeFromStored(75));
  EXPECT_EQ("-1", storedRateText(RATE_OPTIMAL));
  EXPECT_EQ("-1", storedRateText(-1));
  EXPECT_EQ("0", storedRateText(0));
  EXPECT_EQ("0", storedRateText(RATE_ADAPTER_DEFAULT));
  EXPECT_EQ("85", storedRateText(85));
  EXPECT_EQ("Optimal", rateCodeText(RATE_OPTIMAL));
  EXPECT_EQ("Adapter default", rateCodeText(RATE_ADAPTER_DEFAULT));
  EXPECT_EQ("72 Hz", rateCodeText(72));
}

class RefreshRatesTest : public ::testing::Test {
 protected:
  RefreshRatesTest() : surface(FakeDialogSurface::forDialog(IDD_REFRESH_RATES)) {
    fp.display.setModes({{640, 480, 4, 60}, {800, 600, 16, 60}, {1024, 768, 16, 60}, {1024, 768, 32, 60}});
    fp.display.setCurrent({1024, 768, 16, 60});
    reg().setString(RegRoot::LocalMachine, modeKey("16\\1024,768"), "", "60,75,85");
    reg().setString(RegRoot::LocalMachine, modeKey("16\\800,600"), "", "60,72");
  }
  void TearDown() override {
    EXPECT_TRUE(surface.unknownIds().empty());
    EXPECT_EQ(0u, fp.registry.openKeyCount());
  }
  FakeRegistry& reg() { return fp.registry; }
  void open() {
    dialog = std::make_unique<RefreshRatesDialog>(surface, RefreshRatesModel{fp.services(), classKey, &boxes, nullptr});
    dialog->init();
  }
  void pickMode(const char* text) {
    surface.select(IDC_REFRESH_MODES, surface.findItem(IDC_REFRESH_MODES, text));
    presenterCommand(*dialog, surface, IDC_REFRESH_MODES, 1);
  }
  void pickRate(const char* text) {
    surface.select(IDC_REFRESH_RATES, surface.findItem(IDC_REFRESH_RATES, text));
    presenterCommand(*dialog, surface, IDC_REFRESH_RATES, 1);
  }
  std::string stored(const std::string& key) { return reg().getString(RegRoot::LocalMachine, key, "RefreshRate"); }
  bool has(const std::string& key) { return reg().hasValue(RegRoot::LocalMachine, key, "RefreshRate"); }
  std::vector<std::string> rateItems() {
    std::vector<std::string> out;
    for (int i = 0; i < surface.itemCount(IDC_REFRESH_RATES); ++i) out.push_back(surface.itemText(IDC_REFRESH_RATES, i));
    return out;
  }
  std::string selectedRate() { return surface.itemText(IDC_REFRESH_RATES, surface.selection(IDC_REFRESH_RATES)); }

  FakePlatform fp;
  ScriptedMessageBoxes boxes;
  std::string classKey = kClass;
  FakeDialogSurface surface;
  std::unique_ptr<RefreshRatesDialog> dialog;
};

TEST_F(RefreshRatesTest, OpensOnTheModeInUseWithItsRates) {
  reg().setString(RegRoot::LocalMachine, kDefault, "RefreshRate", "-1");
  open();
  EXPECT_EQ(3, surface.itemCount(IDC_REFRESH_MODES));  // the 4 bpp mode is not listed
  EXPECT_EQ("800 x 600 x 16 bpp", surface.itemText(IDC_REFRESH_MODES, 0));
  EXPECT_EQ("1024 x 768 x 16 bpp", surface.itemText(IDC_REFRESH_MODES, surface.selection(IDC_REFRESH_MODES)));
  EXPECT_EQ((std::vector<std::string>{"Optimal", "Adapter default", "60 Hz", "75 Hz", "85 Hz"}), rateItems());
  EXPECT_EQ("Optimal", selectedRate());
  EXPECT_FALSE(surface.enabled(3));
  EXPECT_NE(std::string::npos, surface.text(IDC_REFRESH_WARNING).find("WARNING! Some refresh rates"));
  // Opening creates the keys of every listed mode.
  EXPECT_TRUE(reg().keyExists(RegRoot::LocalMachine, modeKey("32\\1024,768")));
  reg().setString(RegRoot::LocalMachine, modeKey("16\\800,600"), "RefreshRate", "0");
  pickMode("800 x 600 x 16 bpp");
  EXPECT_EQ("Optimal", selectedRate());  // loaded at opening, from DEFAULT
}

TEST_F(RefreshRatesTest, StoredCodesShowAsTheirNames) {
  reg().setString(RegRoot::LocalMachine, modeKey("16\\1024,768"), "RefreshRate", "0");
  reg().setString(RegRoot::LocalMachine, modeKey("16\\800,600"), "RefreshRate", "72");
  open();
  EXPECT_EQ("Adapter default", selectedRate());
  pickMode("800 x 600 x 16 bpp");
  EXPECT_EQ("72 Hz", selectedRate());
  pickMode("1024 x 768 x 32 bpp");  // no values anywhere: the two codes alone
  EXPECT_EQ((std::vector<std::string>{"Optimal", "Adapter default"}), rateItems());
  EXPECT_EQ("Adapter default", selectedRate());
}

// A stored rate the dialog cannot use reads as absent: shown as the default
// the mode falls back to, and never written back, not even when the previous
// rate is restored.
TEST_F(RefreshRatesTest, AStoredRateItCannotUseIsShownAsTheDefaultAndNeverWritten) {
  const struct {
    const char* text;
    const char* inDefault;  // DEFAULT's own, or null for none
    const char* shown;
  } cases[] = {
      {"4294967356", nullptr, "Adapter default"},  // 2^32 + 60: must not wrap to 60
      {"99999999999", nullptr, "Adapter default"},
      {"2147483648", "-1", "Optimal"},
      {"-5", nullptr, "Adapter default"},
      {"-2", "-1", "Optimal"},
      {"abc", "-1", "Optimal"},
      {"60", "-1", "60 Hz"},  // a usable one still wins over DEFAULT's
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    fp.registry = FakeRegistry();
    reg().setString(RegRoot::LocalMachine, modeKey("16\\1024,768"), "", "60");
    reg().setString(RegRoot::LocalMachine, modeKey("16\\1024,768"), "RefreshRate", c.text);
    if (c.inDefault) reg().setString(RegRoot::LocalMachine, kDefault, "RefreshRate", c.inDefault);
    boxes.answers = {kIdNo};
    boxes.shown.clear();
    surface = FakeDialogSurface::forDialog(IDD_REFRESH_RATES);
    open();
    EXPECT_EQ(c.shown, selectedRate());
    pickRate("Adapter default");
    pickRate("60 Hz");
    presenterCommand(*dialog, surface, 1, 0);  // OK; the question is answered No, the loaded rate goes back
    ASSERT_EQ(2u, boxes.shown.size());
    const std::string now = stored(modeKey("16\\1024,768"));
    if (std::string(c.text) != "60") {
      EXPECT_NE(now, c.text);
    }
    EXPECT_NE(now, "2147483647");
    EXPECT_EQ(c.shown, selectedRate());
  }
}

TEST_F(RefreshRatesTest, TheModeInUseResetsAndAsksWithinFifteenSeconds) {
  boxes.answers = {kIdNo};  // also what the time-out picks
  open();
  pickRate("85 Hz");
  EXPECT_TRUE(surface.enabled(3));
  presenterCommand(*dialog, surface, 3, 0);
  ASSERT_EQ(2u, boxes.shown.size());
  EXPECT_EQ("Do you want to keep your new refresh rate?", boxes.shown[0].text);
  EXPECT_EQ(0x124u, boxes.shown[0].style);
  EXPECT_EQ(15, boxes.shown[0].timeout);
  EXPECT_EQ("Your previous refresh rate has been restored.", boxes.shown[1].text);
  EXPECT_EQ(0x40u, boxes.shown[1].style);
  EXPECT_EQ(0, boxes.shown[1].timeout);
  ASSERT_EQ(2u, fp.display.modeChanges().size());
  EXPECT_EQ(0x40000001u, fp.display.modeChanges()[0].flags);
  EXPECT_EQ(1024u, fp.display.modeChanges()[1].mode.width);
  // The loaded adapter default, saved again: to DEFAULT, the mode's own value gone.
  EXPECT_EQ("0", stored(kDefault));
  EXPECT_FALSE(has(modeKey("16\\1024,768")));
  EXPECT_EQ("Adapter default", selectedRate());
  EXPECT_FALSE(surface.enabled(3));

  boxes.answers = {kIdYes};
  pickRate("75 Hz");
  presenterCommand(*dialog, surface, 1, 0);
  EXPECT_EQ("75", stored(modeKey("16\\1024,768")));
  EXPECT_EQ(3u, boxes.shown.size());
  EXPECT_EQ(1, surface.result());
}

TEST_F(RefreshRatesTest, OptimalGoesToDefaultOnlyForTheModeInUse) {
  reg().setString(RegRoot::LocalMachine, modeKey("16\\1024,768"), "RefreshRate", "75");
  reg().setString(RegRoot::LocalMachine, kDefault, "RefreshRate", "60");
  boxes.whenEmpty = kIdYes;
  open();
  pickRate("Optimal");
  presenterCommand(*dialog, surface, 3, 0);
  EXPECT_EQ("-1", stored(kDefault));
  EXPECT_FALSE(has(modeKey("16\\1024,768")));

  reg().setString(RegRoot::LocalMachine, kDefault, "RefreshRate", "60");
  fp.display.clearLog();
  boxes.shown.clear();
  pickMode("800 x 600 x 16 bpp");
  pickRate("Optimal");
  presenterCommand(*dialog, surface, 3, 0);
  EXPECT_EQ("-1", stored(modeKey("16\\800,600")));
  EXPECT_EQ("60", stored(kDefault));
  EXPECT_TRUE(fp.display.modeChanges().empty());  // another mode: nothing resets, nothing asks
  EXPECT_TRUE(boxes.shown.empty());
}

// Each changed mode is saved under its own key; only the mode in use resets
// and asks, once, however many modes changed in one Apply.
TEST_F(RefreshRatesTest, EachChangedModeIsSavedUnderItsOwnKey) {
  reg().setString(RegRoot::LocalMachine, modeKey("16\\1024,768"), "RefreshRate", "75");
  reg().setString(RegRoot::LocalMachine, kDefault, "RefreshRate", "60");
  open();
  pickMode("800 x 600 x 16 bpp");
  pickRate("72 Hz");
  presenterCommand(*dialog, surface, 3, 0);
  EXPECT_EQ("72", stored(modeKey("16\\800,600")));
  EXPECT_EQ("75", stored(modeKey("16\\1024,768")));
  EXPECT_EQ("60", stored(kDefault));
  EXPECT_TRUE(fp.display.modeChanges().empty());
  EXPECT_TRUE(boxes.shown.empty());

  boxes.answers = {kIdYes};
  pickRate("60 Hz");
  pickMode("1024 x 768 x 16 bpp");
  pickRate("85 Hz");
  presenterCommand(*dialog, surface, 1, 0);
  EXPECT_EQ("60", stored(modeKey("16\\800,600")));
  EXPECT_EQ("85", stored(modeKey("16\\1024,768")));
  EXPECT_EQ("60", stored(kDefault));
  EXPECT_EQ(1u, boxes.shown.size());
  ASSERT_EQ(1u, fp.display.modeChanges().size());
  EXPECT_EQ(1024u, fp.display.modeChanges()[0].mode.width);
  EXPECT_EQ(16u, fp.display.modeChanges()[0].mode.bitsPerPixel);
}

TEST_F(RefreshRatesTest, CancelStoresNothing) {
  open();
  pickRate("60 Hz");
  presenterCommand(*dialog, surface, 2, 0);
  EXPECT_FALSE(has(modeKey("16\\1024,768")));
  EXPECT_EQ(2, surface.result());
}

TEST_F(RefreshRatesTest, SeventyModesListSixtyFour) {
  std::vector<DisplayMode> modes;
  for (uint32_t i = 0; i < 70; ++i) modes.push_back({640 + i, 480, 16, 60});
  fp.display.setModes(modes);
  open();
  EXPECT_EQ(kRefreshModeCapacity, surface.itemCount(IDC_REFRESH_MODES));
  EXPECT_EQ(16, dialog->entries()[kRefreshModeCapacity - 1].bitsPerPixel);
}

TEST_F(RefreshRatesTest, NoClassKeyListsModesWithoutRatesAndCreatesNothing) {
  classKey.clear();
  open();
  EXPECT_EQ(3, surface.itemCount(IDC_REFRESH_MODES));
  EXPECT_EQ(0, surface.itemCount(IDC_REFRESH_RATES));
  EXPECT_FALSE(reg().keyExists(RegRoot::LocalMachine, "\\DEFAULT"));
  EXPECT_FALSE(reg().keyExists(RegRoot::LocalMachine, "DEFAULT"));
  EXPECT_FALSE(reg().keyExists(RegRoot::LocalMachine, "MODES"));
}

}  // namespace
}  // namespace vdx
