#include "tweaker/adapter/clock_load.h"

#include <cmath>
#include <cstdio>

#include "tweaker/adapter/pll.h"
#include "tweaker/common/registry_utils.h"
#include "tweaker/common/text_format.h"
#include "tweaker/common/text_rules.h"

namespace vdx {

const char kCrashGuardQuestion[] =
    "Vidarix may not have been shut down properly, possibly due to under- or overclocking.  Would you like to "
    "remove the saved clock settings and use the default settings?  Answer No to use your saved clock settings.";

namespace {

// One clock's names, limits and fields; Mclk and Eclk are twins.
struct ClockFields {
  const char* minName;
  const char* maxName;
  const char* defName;
  const char* speedName;
  float minLow;
  float cap;
  uint32_t searchMode;
  float* minimum;
  float* maximum;
  float* startup;
  float* desired;
};

bool readNumber(const RegKey& card, const char* name, float* out) {
  std::string text;
  if (!readStringValue(card, name, &text, "")) return false;
  *out = leadingFloat(text);
  return true;
}

void writeNumber(const RegKey& card, const char* name, const char* format, float value) {
  char text[32];
  formatText(text, sizeof text, format, value);
  writeStringValue(card, name, text);
}

void loadClock(const RegKey& card, const ClockFields& f) {
  readNumber(card, f.minName, f.minimum);
  clampFloat(f.minimum, f.minLow, 100.0f);
  readNumber(card, f.maxName, f.maximum);
  clampFloat(f.maximum, *f.minimum + 10.0f, f.cap);

  std::string def;
  const bool hasDef = readStringValue(card, f.defName, &def, "");
  const float defValue = hasDef && !def.empty() ? leadingFloat(def) : 0.0f;
  if (!hasDef || !std::isfinite(defValue)) writeNumber(card, f.defName, "%.2f", *f.startup);
  else if (!def.empty()) *f.startup = defValue;

  // The card's own clock widens the limits, but never past what the slider
  // can show: a huge "MclkDef" would overflow its range.
  if (*f.startup < *f.minimum) *f.minimum = *f.startup < 0.0f ? 0.0f : *f.startup;
  if (*f.startup > *f.maximum) *f.maximum = *f.startup > kClockLimitMaxMhz ? kClockLimitMaxMhz : *f.startup;
  *f.startup = findPllDivisors(*f.startup, true, f.searchMode).mhz;

  std::string speed;
  if (readStringValue(card, f.speedName, &speed, "") && !speed.empty()) {
    *f.desired = leadingFloat(speed);
    clampFloat(f.desired, *f.minimum, *f.maximum);
  }
}

}  // namespace

float mclkCap(uint32_t deviceId) {
  if (deviceId == 0x8A22) return 220.0f;
  if (deviceId == 0x8A25) return 166.0f;
  if (deviceId >= 0x8C10 && deviceId <= 0x8C13) return 130.0f;
  if (deviceId == 0x9102) return 240.0f;
  return 150.0f;
}

float eclkCap(uint32_t deviceId) {
  if (deviceId == 0x8A25) return 180.0f;
  if (deviceId == 0x9102) return 240.0f;
  return 220.0f;
}

void loadClockSettings(const RegKey& card, const AdapterIdentity& id, MessageBoxPresenter& boxes,
                       WindowHandle owner, ClockState& c) {
  if (id.has(kCapMclk))
    loadClock(card, {"MclkMin", "MclkMax", "MclkDef", "MclkSpeed", 80.0f, mclkCap(id.deviceId), id.mclkSearchMode,
                     &c.mclkMin, &c.mclkMax, &c.startupMclk, &c.desiredMclk});
  if (id.has(kCapEclk))
    loadClock(card, {"EclkMin", "EclkMax", "EclkDef", "EclkSpeed", 85.0f, eclkCap(id.deviceId), id.eclkSearchMode,
                     &c.eclkMin, &c.eclkMax, &c.startupEclk, &c.desiredEclk});

  if (readOnOff(card, "Overclocked", 0) == 1 &&
      ShowMessageBox(boxes, owner, kCrashGuardQuestion, "Vidarix", kMbYesNo | kMbIconQuestion) == kIdYes) {
    deleteValue(card, "Overclocked");
    deleteValue(card, "MclkSpeed");
    deleteValue(card, "EclkSpeed");
    c.desiredMclk = c.startupMclk;
    c.desiredEclk = c.startupEclk;
  }
  if (std::fabs(c.startupMclk - c.desiredMclk) > 0.15f || std::fabs(c.startupEclk - c.desiredEclk) > 0.15f)
    writeOnOff(card, "Overclocked", true);

  c.useClkRatio = readOnOff(card, "UseClkRatio", 0) == 1;
  if (!readNumber(card, "ClkRatio", &c.clkRatio)) {
    // An unknown memory clock gives no ratio; equal clocks is the safe guess.
    c.clkRatio = c.startupMclk > 0.0f ? c.startupEclk / c.startupMclk : 1.0f;
    clampFloat(&c.clkRatio, 0.5f, 2.0f);
    writeNumber(card, "ClkRatio", "%.4f", c.clkRatio);
  }
  clampFloat(&c.clkRatio, 0.5f, 2.0f);
}

}  // namespace vdx
