#include "tweaker/adapter/overclock_dialog.h"

#include <cstdio>

#include "tweaker/adapter/clock_store.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/common/registry_utils.h"
#include "tweaker/common/text_format.h"
#include "tweaker/resources/resource.h"

namespace vdx {

namespace {

// The Eclk row and the ratio controls, hidden on a chip without an engine clock.
const int kEclkControls[] = {IDC_OC_ECLK_LABEL,  IDC_OC_ECLK_TEXT,    IDC_OC_ECLK_SLIDER, IDC_OC_ECLK_REMOVE,
                             IDC_OC_ECLK_DEFAULT, IDC_OC_ECLK_APPLY, IDC_OC_USE_RATIO,  IDC_OC_RATIO,
                             IDC_OC_ECLK_MIN,    IDC_OC_ECLK_MAX};

std::string oneDecimal(float mhz) {
  char text[32];
  formatText(text, sizeof text, "%.1f", mhz);
  return text;
}

}  // namespace

int sliderPosition(float mhz) {
  // Held to the track bar's 16-bit range; also keeps the conversion defined.
  const double units = static_cast<double>(mhz) * 5.0;
  if (!(units > -32768.0)) return -32768;
  if (units > 32767.0) return 32767;
  return static_cast<int>(units);
}

std::string clockLabel(float mhz, float startup) {
  char text[48];
  formatText(text, sizeof text, "%.1f MHz%s", mhz, mhz == startup ? " (Startup default)" : "");
  return text;
}

float OverclockDialog::readClock(bool engine) const {
  const PllRegisterSet& pll = engine ? model_.identity->eclkPll : model_.identity->mclkPll;
  return readPllFrequency(*model_.services.ports, pll.pllIndex, pll.postDividerFlagRegister);
}

void OverclockDialog::showSlider(int slider, int text, int minLabel, int maxLabel, float lo, float hi, float now,
                                 float startup) {
  surface_.setText(text, clockLabel(now, startup));
  surface_.setTrackRange(slider, sliderPosition(lo), sliderPosition(hi));
  setSlider(slider, sliderPosition(now));
  surface_.setText(minLabel, oneDecimal(lo));
  surface_.setText(maxLabel, oneDecimal(hi));
}

void OverclockDialog::init() {
  const ClockState& c = model_.clocks;
  pendingMclk_ = readClock(false);
  if (model_.identity->has(kCapEclk)) pendingEclk_ = readClock(true);
  showSlider(IDC_OC_MCLK_SLIDER, IDC_OC_MCLK_TEXT, IDC_OC_MCLK_MIN, IDC_OC_MCLK_MAX, c.mclkMin, c.mclkMax,
             pendingMclk_, c.startupMclk);
  if (hasEclk()) {
    showSlider(IDC_OC_ECLK_SLIDER, IDC_OC_ECLK_TEXT, IDC_OC_ECLK_MIN, IDC_OC_ECLK_MAX, c.eclkMin, c.eclkMax,
               pendingEclk_, c.startupEclk);
    surface_.setChecked(IDC_OC_USE_RATIO, c.useClkRatio);
    char ratio[32];
    formatText(ratio, sizeof ratio, "%.4f", c.clkRatio);
    surface_.setText(IDC_OC_RATIO, ratio);
    surface_.enable(IDC_OC_ECLK_SLIDER, !c.useClkRatio);
  } else {
    for (int id : kEclkControls) surface_.show(id, false);
  }
}

void OverclockDialog::scrolled(int sliderId, int code) {
  const ClockState& c = model_.clocks;
  const bool engine = sliderId == IDC_OC_ECLK_SLIDER;
  if (!engine && sliderId != IDC_OC_MCLK_SLIDER) return;
  const float lo = engine ? c.eclkMin : c.mclkMin;
  const float hi = engine ? c.eclkMax : c.mclkMax;
  const int last = engine ? eclkPos_ : mclkPos_;
  int pos = last;
  switch (code) {
    // The track bar has already made its own line or page step; both move
    // one unit from where the slider stood, and not past a limit.
    case kSliderLineUp:
    case kSliderPageUp:
      if (lo >= last * 0.2) {
        setSlider(sliderId, last);
        return;
      }
      pos = last - 1;
      break;
    case kSliderLineDown:
    case kSliderPageDown:
      if (hi <= last * 0.2) {
        setSlider(sliderId, last);
        return;
      }
      pos = last + 1;
      break;
    case kSliderThumbTrack:
      pos = surface_.trackPos(sliderId);
      break;
    case kSliderTop:
      pos = sliderPosition(lo);
      break;
    case kSliderBottom:
      pos = sliderPosition(hi);
      break;
    default:
      return;
  }
  if (pos * 0.2 > hi) pos = sliderPosition(hi);
  if (pos * 0.2 < lo) pos = sliderPosition(lo);
  setSlider(sliderId, pos);
  const float mhz = static_cast<float>(pos * 0.2);
  if (engine) {
    snapEclk(mhz);
    return;
  }
  const float f = findPllDivisors(mhz, false, model_.identity->mclkSearchMode).mhz;
  if (f != 0.0f) pendingMclk_ = f;
  surface_.setText(IDC_OC_MCLK_TEXT, clockLabel(pendingMclk_, c.startupMclk));
  if (c.useClkRatio && model_.identity->has(kCapEclk)) {
    float e = c.clkRatio * pendingMclk_;
    clampFloat(&e, c.eclkMin, c.eclkMax);
    snapEclk(e);
  }
}

void OverclockDialog::snapEclk(float mhz) {
  const ClockState& c = model_.clocks;
  const float f = findPllDivisors(mhz, false, model_.identity->eclkSearchMode).mhz;
  if (f != 0.0f) pendingEclk_ = f;
  surface_.setText(IDC_OC_ECLK_TEXT, clockLabel(pendingEclk_, c.startupEclk));
  if (c.useClkRatio) setSlider(IDC_OC_ECLK_SLIDER, sliderPosition(pendingEclk_));
}

void OverclockDialog::setSlider(int sliderId, int pos) {
  (sliderId == IDC_OC_ECLK_SLIDER ? eclkPos_ : mclkPos_) = pos;
  surface_.setTrackPos(sliderId, pos);
}

void OverclockDialog::setClocks(float mclk, float eclk, bool save) {
  ClockSave saving;
  saving.save = save;
  if (save) {
    saving.useRatio = surface_.checked(IDC_OC_USE_RATIO);
    saving.ratioText = surface_.text(IDC_OC_RATIO);
  }
  setClocksNow(model_.services, *model_.identity, model_.rules, model_.clocks, mclk, eclk, saving);
  changed();
}

void OverclockDialog::changed() {
  result_.clocks = model_.clocks;
  if (!model_.clocksChanged) return;
  model_.clocksChanged(result_);
  result_ = {};  // taken: nothing is left to hand over when the dialog closes
}

int OverclockDialog::ok() {
  setClocks(pendingMclk_, pendingEclk_, true);
  return 1;
}

void OverclockDialog::applyMclk(bool toDefault) {
  ClockState& c = model_.clocks;
  if (toDefault) {
    setClockNow(model_.services, *model_.identity, model_.rules, false, c.startupMclk);
  } else {
    setClocks(pendingMclk_, 0.0f, false);
  }
  c.desiredMclk = pendingMclk_ = readClock(false);
  // After every button the tooltip shows the clock the chip now runs at.
  changed();
  setSlider(IDC_OC_MCLK_SLIDER, sliderPosition(pendingMclk_));
  surface_.setText(IDC_OC_MCLK_TEXT, clockLabel(pendingMclk_, c.startupMclk));
  storeClockSettings(*model_.services.registry, *model_.identity, c, ClockAction::Remove, ClockAction::Keep);
}

void OverclockDialog::applyEclk(bool toDefault) {
  ClockState& c = model_.clocks;
  if (toDefault) {
    if (!model_.identity->has(kCapEclk)) return;
    setClockNow(model_.services, *model_.identity, model_.rules, true, c.startupEclk);
  } else {
    setClocks(0.0f, pendingEclk_, false);
  }
  c.desiredEclk = pendingEclk_ = readClock(true);
  changed();
  setSlider(IDC_OC_ECLK_SLIDER, sliderPosition(pendingEclk_));
  surface_.setText(IDC_OC_ECLK_TEXT, clockLabel(pendingEclk_, c.startupEclk));
  storeClockSettings(*model_.services.registry, *model_.identity, c, ClockAction::Keep, ClockAction::Remove);
}

bool OverclockDialog::command(int id) {
  ClockState& c = model_.clocks;
  switch (id) {
    case IDC_OC_MCLK_APPLY:
      applyMclk(false);
      return true;
    case IDC_OC_MCLK_DEFAULT:
      applyMclk(true);
      return true;
    case IDC_OC_MCLK_REMOVE:
      storeClockSettings(*model_.services.registry, *model_.identity, c, ClockAction::Remove, ClockAction::Keep);
      return true;
    case IDC_OC_ECLK_APPLY:
      applyEclk(false);
      return true;
    case IDC_OC_ECLK_DEFAULT:
      applyEclk(true);
      return true;
    case IDC_OC_ECLK_REMOVE:
      storeClockSettings(*model_.services.registry, *model_.identity, c, ClockAction::Keep, ClockAction::Remove);
      return true;
    case IDC_OC_USE_RATIO:
      c.useClkRatio = !c.useClkRatio;
      surface_.setChecked(IDC_OC_USE_RATIO, c.useClkRatio);
      surface_.enable(IDC_OC_ECLK_SLIDER, !c.useClkRatio);
      changed();
      return true;
    default:
      return false;
  }
}

}  // namespace vdx
