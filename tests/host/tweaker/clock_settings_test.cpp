// The clock settings: limits and saved speeds read from the card key, the
// crash guard, the applying and storing of clocks, and the Overclock dialog's
// sliders and buttons, against the simulated chip.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/fakes/tweaker/fake_dialog_surface.h"
#include "tests/fakes/tweaker/card_programs.h"
#include "tweaker/adapter/clock_load.h"
#include "tweaker/adapter/clock_store.h"
#include "tweaker/adapter/overclock_dialog.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/common/registry_utils.h"
#include "tweaker/resources/resource.h"

namespace vdx {
namespace {

const char kLog[] = "C:\\WINDOWS\\SYSTEM\\Vidarix.dat";

class Clocks : public ::testing::Test {
 protected:
  void SetUp() override {
    id().mclkLimit = id().eclkLimit = 220.0f;
    p().preferences.useOverclock = true;
  }
  AdapterIdentity& id() { return t.program.identity; }
  Program& p() { return t.program; }
  ClockState& c() { return t.program.clocks; }
  void set(const char* name, const char* text) { t.setCardValue(name, text); }
  bool has(const char* name) { return t.hasCardValue(name); }
  std::string get(const char* name) { return t.cardValue(name); }
  void load() {
    readStartupClocks(t.fakes.ports, id(), c());
    RegKey card;
    ASSERT_EQ(openCardKey(t.fakes.registry, id(), &card), 0);
    loadClockSettings(card, id(), t.boxes, nullptr, c());
  }
  float mclkNow() { return readPllFrequency(t.fakes.ports, id().mclkPll.pllIndex, 0); }
  ClockRules rules() {
    ClockRules r = p().clockRules();
    r.logFile = kLog;
    return r;
  }
  std::vector<std::string> logKeys() { return t.fakes.profile.keys(kLog, "Vidarix Clk"); }

  Savage4Program t;
};

TEST_F(Clocks, LimitsAreClampedPerChip) {
  struct Row {
    uint32_t device;
    const char* name;
    const char* text;
    float ClockState::*field;
    float expected;
  } rows[] = {
      {0x8A22, "MclkMax", "300", &ClockState::mclkMax, 220.0f},  // Savage4 cap
      {0x8A20, "MclkMax", "300", &ClockState::mclkMax, 150.0f},  // Savage3D: the default cap
      {0x8A22, "MclkMax", "50", &ClockState::mclkMax, 100.0f},   // at least the minimum + 10
      {0x8A22, "MclkMin", "60", &ClockState::mclkMin, 80.0f},
      {0x8A22, "EclkMin", "60", &ClockState::eclkMin, 85.0f},
      {0x8A22, "MclkMax", "garbage", &ClockState::mclkMax, 100.0f},  // unreadable reads as 0
      // The card's own clock widens the limits only as far as a slider shows.
      {0x8A22, "MclkDef", "4294967296", &ClockState::mclkMax, kClockLimitMaxMhz},
      {0x8A22, "EclkDef", "99999999999999999999", &ClockState::eclkMax, kClockLimitMaxMhz},
      {0x8A22, "MclkDef", "-50", &ClockState::mclkMin, 0.0f},
  };
  for (const Row& r : rows) {
    t.fakes.registry = FakeRegistry();
    c() = ClockState();
    id().deviceId = r.device;
    set("MclkDef", "95");  // inside every range, so widening moves no limit
    set(r.name, r.text);
    load();
    EXPECT_FLOAT_EQ(c().*r.field, r.expected) << r.name << "=" << r.text << " on " << std::hex << r.device;
  }
}

TEST_F(Clocks, StartupBelowTheMinimumLowersItAndIsRecordedOnce) {
  set("MclkDef", "75");
  load();
  EXPECT_FLOAT_EQ(c().mclkMin, 75.0f);
  EXPECT_NEAR(c().startupMclk, 75.0f, 1.0f);  // snapped to what the generator makes
  EXPECT_EQ(get("MclkDef"), "75");            // present: not rewritten
  EXPECT_NE(get("EclkDef"), "");              // absent: written as first seen
}

TEST_F(Clocks, OverclockedFollowsADifferenceAboveFifteenHundredths) {
  struct Row {
    const char* def;
    bool overclocked;
  } rows[] = {{"143.0", false}, {"125.0", true}};
  for (const Row& r : rows) {
    t.fakes.registry = FakeRegistry();
    c() = ClockState();
    set("MclkDef", r.def);
    set("EclkDef", "");  // empty: the chip's own stays
    set("MclkSpeed", "143.2");
    load();
    EXPECT_EQ(has("Overclocked"), r.overclocked) << "start-up " << r.def << " snapped to " << c().startupMclk;
  }
}

TEST_F(Clocks, CrashGuardYesDropsTheSavedSpeedsNoKeepsThem) {
  for (int answer : {kIdYes, kIdNo}) {
    t.fakes.registry = FakeRegistry();
    c() = ClockState();
    set("Overclocked", "On");
    set("MclkSpeed", "160.00");
    t.boxes.answers = {answer};
    t.boxes.shown.clear();
    load();
    ASSERT_EQ(t.boxes.shown.size(), 1u);
    EXPECT_EQ(t.boxes.shown[0].text, kCrashGuardQuestion);
    EXPECT_EQ(t.boxes.shown[0].style, kMbYesNo | kMbIconQuestion);
    if (answer == kIdYes) {
      EXPECT_FALSE(has("MclkSpeed"));
      EXPECT_FALSE(has("Overclocked"));
      EXPECT_FLOAT_EQ(c().desiredMclk, c().startupMclk);
    } else {
      EXPECT_EQ(get("MclkSpeed"), "160.00");
      EXPECT_EQ(get("Overclocked"), "On");
      EXPECT_FLOAT_EQ(c().desiredMclk, 160.0f);
    }
  }
}

TEST_F(Clocks, RatioIsReadClampedOrWrittenFromTheStartupClocks) {
  set("ClkRatio", "3");
  load();
  EXPECT_FLOAT_EQ(c().clkRatio, 2.0f);
  t.fakes.registry = FakeRegistry();
  load();
  EXPECT_NEAR(c().clkRatio, c().startupEclk / c().startupMclk, 0.0001f);
  EXPECT_FALSE(get("ClkRatio").empty());
}

// Nothing to program (the snap is the clock the chip runs at, or the
// generator has no divisors): nothing is written or logged, and the desired
// clocks stay as the user asked for them.
TEST_F(Clocks, ApplyWritesNothingWhenTheSnapEqualsTheCurrentClock) {
  load();
  const float eclkNow = readPllFrequency(t.fakes.ports, id().eclkPll.pllIndex, 0);
  const struct {
    float mclk, eclk;
  } cases[] = {
      {mclkNow() + 0.01f, eclkNow + 0.01f},  // the nearest frequency is the current one
      {5000.0f, 0.0f},                       // no divisors; 0 asks for nothing
  };
  for (const auto& w : cases) {
    SCOPED_TRACE(w.mclk);
    c().desiredMclk = w.mclk;
    c().desiredEclk = w.eclk;
    // What reading both clocks costs: applying may do that and nothing more.
    std::size_t mark = t.fakes.ports.accesses().size();
    mclkNow();
    readPllFrequency(t.fakes.ports, id().eclkPll.pllIndex, 0);
    const std::size_t readsOnly = t.fakes.ports.accesses().size() - mark;
    mark = t.fakes.ports.accesses().size();
    applyDesiredClocks(t.fakes.services(), id(), rules(), c());
    EXPECT_EQ(t.fakes.ports.accesses().size() - mark, readsOnly);
    EXPECT_TRUE(logKeys().empty());
    EXPECT_EQ(c().desiredMclk, w.mclk);
    EXPECT_EQ(c().desiredEclk, w.eclk);
  }
}

TEST_F(Clocks, ApplyIsSkippedWithOverclockOffShiftOrAReset) {
  load();
  const float before = mclkNow();
  for (int skip = 0; skip < 3; ++skip) {
    ClockRules r = rules();
    ClockState s = c();
    s.desiredMclk = before + 20.0f;
    if (skip == 0) r.useOverclock = false;
    if (skip == 1) s.clocksAllowed = false;
    if (skip == 2) r.resetInProgress = true;
    applyDesiredClocks(t.fakes.services(), id(), r, s);
    EXPECT_FLOAT_EQ(mclkNow(), before) << skip;
  }
  // The end of the session restores even with overclocking off.
  c().desiredMclk = before + 20.0f;
  applyDesiredClocks(t.fakes.services(), id(), rules(), c());
  ASSERT_GT(mclkNow(), before + 10.0f);
  ClockRules off = rules();
  off.useOverclock = false;
  set("Overclocked", "On");
  restoreStartupClocks(t.fakes.services(), id(), off, c());
  EXPECT_FLOAT_EQ(mclkNow(), c().startupMclk);
  EXPECT_FALSE(has("Overclocked"));
}

TEST_F(Clocks, ApplyAfterSaveRemovesTheSavedMclk) {
  load();
  FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_OVERCLOCK);
  int tooltips = 0;
  // The program takes every change at once and shows it in the tooltip.
  OverclockDialog d(s, {t.fakes.services(), &id(), c(), rules(), [&](const OverclockResult& changed) {
                          c() = *changed.clocks;
                          ++tooltips;
                        }});
  d.init();
  s.control(IDC_OC_MCLK_SLIDER).pos = 800;  // 160 MHz
  d.scrolled(IDC_OC_MCLK_SLIDER, kSliderThumbTrack);
  presenterCommand(d, s, 1);
  EXPECT_NEAR(mclkNow(), 160.0f, 1.0f);
  char saved[16];
  std::snprintf(saved, sizeof saved, "%.2f", c().desiredMclk);
  EXPECT_EQ(get("MclkSpeed"), saved);
  EXPECT_EQ(get("Overclocked"), "On");
  EXPECT_EQ(tooltips, 1);

  OverclockDialog again(s, {t.fakes.services(), &id(), c(), rules(), nullptr});
  again.init();
  presenterCommand(again, s, IDC_OC_MCLK_APPLY);
  EXPECT_FALSE(has("MclkSpeed"));
  EXPECT_EQ(has("Overclocked"), has("EclkSpeed"));
  // With no one taking changes as they come, the result holds them; Close ends with 1 as Save does.
  ASSERT_TRUE(again.result().clocks);
  EXPECT_FLOAT_EQ(again.result().clocks->desiredMclk, mclkNow());
  presenterCommand(again, s, 2);
  EXPECT_EQ(s.result(), 1);
}

// After every button the tooltip shows the clocks the chip runs at: the
// refresh comes after the desired clock has become the one read back.
TEST_F(Clocks, EveryButtonRefreshesTheTooltipWithTheNewClock) {
  load();
  FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_OVERCLOCK);
  float shownMclk = 0.0f, shownEclk = 0.0f;
  OverclockDialog d(s, {t.fakes.services(), &id(), c(), rules(), [&](const OverclockResult& changed) {
                          shownMclk = changed.clocks->desiredMclk;
                          shownEclk = changed.clocks->desiredEclk;
                        }});
  d.init();
  s.control(IDC_OC_MCLK_SLIDER).pos = 800;  // 160 MHz
  d.scrolled(IDC_OC_MCLK_SLIDER, kSliderThumbTrack);
  s.control(IDC_OC_ECLK_SLIDER).pos = 700;  // 140 MHz
  d.scrolled(IDC_OC_ECLK_SLIDER, kSliderThumbTrack);
  const struct {
    int button;
    float* shown;
    bool engine;
  } buttons[] = {
      {IDC_OC_MCLK_APPLY, &shownMclk, false},
      {IDC_OC_MCLK_DEFAULT, &shownMclk, false},
      {IDC_OC_ECLK_APPLY, &shownEclk, true},
      {IDC_OC_ECLK_DEFAULT, &shownEclk, true},
  };
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.button);
    *b.shown = -1.0f;
    presenterCommand(d, s, b.button);
    const PllRegisterSet& pll = b.engine ? id().eclkPll : id().mclkPll;
    EXPECT_FLOAT_EQ(*b.shown, readPllFrequency(t.fakes.ports, pll.pllIndex, 0));
  }
  EXPECT_FLOAT_EQ(shownMclk, c().startupMclk);
  EXPECT_FLOAT_EQ(shownEclk, c().startupEclk);
  EXPECT_FALSE(d.result().clocks) << "every change was handed over as it came";
}

// Line and page steps both move one unit (0.2 MHz) from where the slider
// stood, whatever step the track bar made itself, and stop at the limits.
TEST_F(Clocks, LineAndPageStepsMoveOneUnit) {
  load();
  c().mclkMin = 90.0f;
  c().mclkMax = 145.0f;
  FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_OVERCLOCK);
  OverclockDialog d(s, {t.fakes.services(), &id(), c(), rules(), nullptr});
  d.init();
  const struct {
    int from;   // where the program put the slider
    int code;
    int track;  // where the track bar's own step left it
    int to;
  } cases[] = {
      {600, kSliderPageUp, 575, 599},   {600, kSliderPageDown, 625, 601}, {600, kSliderLineUp, 599, 599},
      {600, kSliderLineDown, 601, 601}, {450, kSliderPageUp, 450, 450},   {725, kSliderPageDown, 725, 725},
      {451, kSliderPageUp, 450, 450},   {720, kSliderPageDown, 725, 721},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(std::to_string(k.from) + " code " + std::to_string(k.code));
    s.control(IDC_OC_MCLK_SLIDER).pos = k.from;
    d.scrolled(IDC_OC_MCLK_SLIDER, kSliderThumbTrack);
    ASSERT_EQ(s.control(IDC_OC_MCLK_SLIDER).pos, k.from);
    s.control(IDC_OC_MCLK_SLIDER).pos = k.track;
    d.scrolled(IDC_OC_MCLK_SLIDER, k.code);
    EXPECT_EQ(s.control(IDC_OC_MCLK_SLIDER).pos, k.to);
  }
}

TEST_F(Clocks, SliderRangeLabelsAndRatioCoupling) {
  load();
  c().mclkMin = 90.0f;
  c().mclkMax = 145.0f;
  c().startupMclk = 143.1818f;
  c().useClkRatio = true;
  c().clkRatio = 1.2f;
  c().eclkMin = 90.0f;
  c().eclkMax = 200.0f;
  FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_OVERCLOCK);
  OverclockDialog d(s, {t.fakes.services(), &id(), c(), rules(), nullptr});
  d.init();
  EXPECT_EQ(s.control(IDC_OC_MCLK_SLIDER).rangeMin, 450);
  EXPECT_EQ(s.control(IDC_OC_MCLK_SLIDER).rangeMax, 725);
  EXPECT_EQ(s.control(IDC_OC_MCLK_MIN).text, "90.0");
  EXPECT_FALSE(s.control(IDC_OC_ECLK_SLIDER).enabled);
  EXPECT_EQ(clockLabel(143.1818f, 143.1818f), "143.2 MHz (Startup default)");
  EXPECT_EQ(clockLabel(143.2f, 143.1818f), "143.2 MHz");

  s.control(IDC_OC_MCLK_SLIDER).pos = 501;
  d.scrolled(IDC_OC_MCLK_SLIDER, kSliderThumbTrack);
  EXPECT_NEAR(d.pendingMclk(), 100.2273f, 0.0001f);
  EXPECT_NEAR(d.pendingEclk(), 120.2727f, 0.0001f);
  EXPECT_EQ(s.control(IDC_OC_ECLK_SLIDER).pos, 601);

  // Beyond the maximum the slider comes back to it.
  s.control(IDC_OC_MCLK_SLIDER).pos = 900;
  d.scrolled(IDC_OC_MCLK_SLIDER, kSliderThumbTrack);
  EXPECT_EQ(s.control(IDC_OC_MCLK_SLIDER).pos, 725);
}

TEST_F(Clocks, AHugeCardClockLeavesTheSlidersARange) {
  set("MclkDef", "4294967296");
  set("EclkDef", "1e400");
  load();
  FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_OVERCLOCK);
  OverclockDialog d(s, {t.fakes.services(), &id(), c(), rules(), nullptr});
  d.init();
  for (int slider : {IDC_OC_MCLK_SLIDER, IDC_OC_ECLK_SLIDER}) {
    EXPECT_LT(s.control(slider).rangeMin, s.control(slider).rangeMax) << slider;
    EXPECT_LE(s.control(slider).rangeMax, 32767) << slider;
  }
  EXPECT_EQ(s.control(IDC_OC_MCLK_MAX).text, "6553.4");
  EXPECT_EQ(sliderPosition(4294967296.0f), 32767);
  EXPECT_EQ(sliderPosition(-4294967296.0f), -32768);
}

TEST_F(Clocks, WithoutAnEngineClockItsRowIsHidden) {
  id().capabilities = kCapMclk;
  load();
  FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_OVERCLOCK);
  OverclockDialog d(s, {t.fakes.services(), &id(), c(), rules(), nullptr});
  d.init();
  for (int ctl : {IDC_OC_ECLK_LABEL, IDC_OC_ECLK_TEXT, IDC_OC_ECLK_SLIDER, IDC_OC_ECLK_REMOVE, IDC_OC_ECLK_DEFAULT,
                  IDC_OC_ECLK_APPLY, IDC_OC_USE_RATIO, IDC_OC_RATIO})
    EXPECT_FALSE(s.control(ctl).visible) << ctl;
  EXPECT_TRUE(s.control(IDC_OC_MCLK_SLIDER).visible);
}

TEST_F(Clocks, SaveStoresTheRatioOnlyWhenInRange) {
  load();
  for (const char* text : {"1.5", "2.5", "abc"}) {
    FakeDialogSurface s = FakeDialogSurface::forDialog(IDD_OVERCLOCK);
    OverclockDialog d(s, {t.fakes.services(), &id(), c(), rules(), nullptr});
    d.init();
    s.control(IDC_OC_RATIO).text = text;
    presenterCommand(d, s, 1);
    EXPECT_EQ(get("ClkRatio"), "1.5000") << text;
  }
}

}  // namespace
}  // namespace vdx
