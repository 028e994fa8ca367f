#include "tweaker/adapter/clock_settings.h"

#include <cmath>

#include "tweaker/adapter/log_timestamp.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/common/registry_utils.h"

namespace vdx {

namespace {

// Programs one clock when the generator can make a frequency other than the
// one it runs at now; returns the frequency read back.
float setClock(const Platform& hw, const PllRegisterSet& pll, uint32_t mode, float wanted, uint32_t settleMs) {
  const float now = readPllFrequency(*hw.ports, pll.pllIndex, pll.postDividerFlagRegister);
  PllDivisors d = findPllDivisors(wanted, true, mode);
  if (d.mhz == 0.0f || std::fabs(d.mhz - now) < 0.005f) return now;
  return programPll(*hw.ports, *hw.clock, pll.pllIndex, pll.loadWord(), d.mReg, d.nReg,
                    pll.postDividerFlagRegister, settleMs);
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
}

void keepStartupClocksForShift(const Platform& hw, const std::string& schemeFile, ClockState& clocks) {
  hw.profile->writeString(schemeFile, "Vidarix Clk", formatLogTimestamp(*hw.system),
                          "Chip clock not set due to SHIFT key.");
  clocks.desiredMclk = clocks.startupMclk;
  clocks.desiredEclk = clocks.startupEclk;
}

void applyDesiredClocks(const Platform& hw, const AdapterIdentity& id, const ClockRules& rules, ClockState& clocks) {
  if (!rules.useOverclock || rules.resetInProgress || !clocks.clocksAllowed) return;
  if (id.has(kCapMclk) && clocks.desiredMclk > 0.0f)
    clocks.desiredMclk = setClock(hw, id.mclkPll, id.mclkSearchMode, clocks.desiredMclk, rules.settleMs);
  if (id.has(kCapEclk) && clocks.desiredEclk > 0.0f)
    clocks.desiredEclk = setClock(hw, id.eclkPll, id.eclkSearchMode, clocks.desiredEclk, rules.settleMs);
}

void restoreStartupClocks(const Platform& hw, const AdapterIdentity& id, const ClockRules& rules,
                          ClockState& clocks) {
  if (clocks.clocksAllowed) {
    if (id.has(kCapMclk) && clocks.startupMclk > 0.0f)
      setClock(hw, id.mclkPll, id.mclkSearchMode, clocks.startupMclk, rules.settleMs);
    if (id.has(kCapEclk) && clocks.startupEclk > 0.0f)
      setClock(hw, id.eclkPll, id.eclkSearchMode, clocks.startupEclk, rules.settleMs);
  }
  RegKey card;
  if (openCardKey(*hw.registry, id, &card) == 0) writeOnOff(card, "Overclocked", false);
}

}  // namespace vdx
