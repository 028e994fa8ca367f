#include "tweaker/adapter/clock_settings.h"

#include <cmath>

#include "tweaker/adapter/log_timestamp.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/common/registry_utils.h"

namespace vdx {

namespace {

// A clock the chip has, with its generator and the log texts of its setter.
struct ClockSlot {
  const PllRegisterSet* pll;
  uint32_t mode;
  const char* unableText;
  const char* refusedText;
};

void logClock(const Platform& hw, const ClockRules& rules, const char* text) {
  if (rules.logFile.empty()) return;
  hw.profile->writeString(rules.logFile, "Vidarix Clk", formatLogTimestamp(*hw.system), text);
}

// Programs one clock when the generator can make a frequency other than the
// one it runs at now; returns the frequency read back then. When nothing is
// programmed the wanted clock comes back as it was asked for: it stays the
// desired one, not the clock the chip happens to run at.
float setClock(const Platform& hw, const ClockRules& rules, const ClockSlot& slot, float wanted, bool log) {
  const PllRegisterSet& pll = *slot.pll;
  const float now = readPllFrequency(*hw.ports, pll.pllIndex, pll.postDividerFlagRegister);
  PllDivisors d = findPllDivisors(wanted, true, slot.mode);
  if (d.mhz == 0.0f || std::fabs(d.mhz - now) < 0.005f) return wanted;
  const float result = programPll(*hw.ports, *hw.clock, pll.pllIndex, pll.loadWord(), d.mReg, d.nReg,
                                  pll.postDividerFlagRegister, rules.settleMs);
  if (log && result == 0.0f) logClock(hw, rules, slot.unableText);
  if (log && result == -1.0f) logClock(hw, rules, slot.refusedText);
  return readPllFrequency(*hw.ports, pll.pllIndex, pll.postDividerFlagRegister);
}

ClockSlot mclkSlot(const AdapterIdentity& id) {
  return {&id.mclkPll, id.mclkSearchMode, "Set_Mclk() returned 0: unable to set.",
          "Set_Mclk() returned -1, not setting."};
}

ClockSlot eclkSlot(const AdapterIdentity& id) {
  return {&id.eclkPll, id.eclkSearchMode, "Set_Eclk() returned 0: unable to set.",
          "Set_Eclk() returned -1, not setting."};
}

}  // namespace

void readStartupClocks(ChipPorts& ports, const AdapterIdentity& id, ClockState& clocks) {
  if (id.has(kCapMclk)) {
    clocks.startupMclk = readPllFrequency(ports, id.mclkPll.pllIndex, id.mclkPll.postDividerFlagRegister);
    clocks.desiredMclk = clocks.startupMclk;
  }
  if (id.has(kCapEclk)) {
    clocks.startupEclk = readPllFrequency(ports, id.eclkPll.pllIndex, id.eclkPll.postDividerFlagRegister);
    clocks.desiredEclk = clocks.startupEclk;
  }
  clocks.mclkMax = id.mclkLimit;
  clocks.eclkMax = id.eclkLimit;
}

void keepStartupClocksForShift(const Platform& hw, const std::string& schemeFile, ClockState& clocks) {
  hw.profile->writeString(schemeFile, "Vidarix Clk", formatLogTimestamp(*hw.system),
                          "Chip clock not set due to SHIFT key.");
  clocks.desiredMclk = clocks.startupMclk;
  clocks.desiredEclk = clocks.startupEclk;
}

void applyDesiredClocks(const Platform& hw, const AdapterIdentity& id, const ClockRules& rules, ClockState& clocks) {
  if (!rules.useOverclock || rules.resetInProgress || !clocks.clocksAllowed) return;
  if (id.has(kCapMclk)) clocks.desiredMclk = setClock(hw, rules, mclkSlot(id), clocks.desiredMclk, true);
  if (id.has(kCapEclk)) clocks.desiredEclk = setClock(hw, rules, eclkSlot(id), clocks.desiredEclk, true);
}

void restoreStartupClocks(const Platform& hw, const AdapterIdentity& id, const ClockRules& rules,
                          ClockState& clocks) {
  if (clocks.clocksAllowed) {
    if (id.has(kCapMclk)) clocks.desiredMclk = setClock(hw, rules, mclkSlot(id), clocks.startupMclk, false);
    if (id.has(kCapEclk)) clocks.desiredEclk = setClock(hw, rules, eclkSlot(id), clocks.startupEclk, false);
  }
  RegKey card;
  if (openCardKey(*hw.registry, id, &card) == 0) deleteValue(card, "Overclocked");
}

float setClockNow(const Platform& hw, const AdapterIdentity& id, const ClockRules& rules, bool engine,
                  float wanted) {
  const ClockSlot slot = engine ? eclkSlot(id) : mclkSlot(id);
  const PllDivisors d = findPllDivisors(wanted, true, slot.mode);
  if (d.mhz == 0.0f) return wanted;
  programPll(*hw.ports, *hw.clock, slot.pll->pllIndex, slot.pll->loadWord(), d.mReg, d.nReg,
             slot.pll->postDividerFlagRegister, rules.settleMs);
  return readPllFrequency(*hw.ports, slot.pll->pllIndex, slot.pll->postDividerFlagRegister);
}

}  // namespace vdx
