#include "tweaker/adapter/clock_store.h"

#include <cstdio>
#include <cstdlib>

#include "tweaker/common/registry_utils.h"
#include "tweaker/common/text_format.h"

namespace vdx {

namespace {

void applyAction(const RegKey& card, const char* name, ClockAction action, float mhz) {
  if (action == ClockAction::Remove) {
    deleteValue(card, name);
  } else if (action == ClockAction::Store && mhz != 0.0f) {
    char text[32];
    formatText(text, sizeof text, "%.2f", mhz);
    writeStringValue(card, name, text);
  }
}

bool holdsText(const RegKey& card, const char* name) {
  std::string text;
  return readStringValue(card, name, &text, "") && !text.empty();
}

// A ratio typed by the user: the whole text a number, and in range.
bool parseRatio(const std::string& text, float* out) {
  if (text.empty()) return false;
  char* end = nullptr;
  const double value = readDecimal(text.c_str(), &end);
  while (end && (*end == ' ' || *end == '\t')) ++end;
  if (!end || *end != '\0' || !(value >= 0.5 && value <= 2.0)) return false;
  *out = static_cast<float>(value);
  return true;
}

}  // namespace

bool storeClockSettings(Registry& reg, const AdapterIdentity& id, const ClockState& clocks, ClockAction mclk,
                        ClockAction eclk) {
  RegKey card;
  if (openCardKey(reg, id, &card) != 0) return false;
  applyAction(card, "MclkSpeed", mclk, clocks.desiredMclk);
  applyAction(card, "EclkSpeed", eclk, clocks.desiredEclk);
  if (holdsText(card, "MclkSpeed") || holdsText(card, "EclkSpeed")) writeOnOff(card, "Overclocked", true);
  else deleteValue(card, "Overclocked");
  return true;
}

void setClocksNow(const Platform& hw, const AdapterIdentity& id, const ClockRules& rules, ClockState& clocks,
                  float mclk, float eclk, const ClockSave& save) {
  if (mclk != 0.0f) {
    clocks.clocksAllowed = true;
    clocks.desiredMclk = setClockNow(hw, id, rules, false, mclk);
  }
  if (id.has(kCapEclk) && eclk != 0.0f) clocks.desiredEclk = setClockNow(hw, id, rules, true, eclk);
  if (!save.save) return;
  storeClockSettings(*hw.registry, id, clocks, ClockAction::Store, ClockAction::Store);
  RegKey card;
  if (openCardKey(*hw.registry, id, &card) != 0) return;
  clocks.useClkRatio = save.useRatio;
  writeOnOff(card, "UseClkRatio", save.useRatio);
  float ratio = 0.0f;
  if (parseRatio(save.ratioText, &ratio)) {
    clocks.clkRatio = ratio;
    char text[32];
    formatText(text, sizeof text, "%.4f", ratio);
    writeStringValue(card, "ClkRatio", text);
  }
}

}  // namespace vdx
