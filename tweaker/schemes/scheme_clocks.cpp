#include "tweaker/schemes/scheme_clocks.h"

#include "tweaker/adapter/pll.h"

namespace vdx {

namespace {

float setSchemeClock(const Platform& hw, const PllRegisterSet& pll, uint32_t mode, uint32_t settleMs,
                     float wanted) {
  const PllDivisors d = findPllDivisors(wanted, true, mode);
  if (d.mhz == 0.0f) return wanted;
  programPll(*hw.ports, *hw.clock, pll.pllIndex, pll.loadWord(), d.mReg, d.nReg, pll.postDividerFlagRegister,
             settleMs);
  return readPllFrequency(*hw.ports, pll.pllIndex, pll.postDividerFlagRegister);
}

}  // namespace

ClockLimits schemeClockLimits(const ClockState& clocks) {
  ClockLimits l;
  l.mclkMin = clocks.mclkMin;
  l.mclkMax = clocks.mclkMax;
  l.eclkMin = clocks.eclkMin;
  l.eclkMax = clocks.eclkMax;
  return l;
}

void applySchemeClocks(const Platform& hw, const AdapterIdentity& id, uint32_t settleMs, float mclk, float eclk,
                       ClockState& clocks) {
  if (mclk != 0.0f && id.has(kCapMclk))
    clocks.desiredMclk = setSchemeClock(hw, id.mclkPll, id.mclkSearchMode, settleMs, mclk);
  if (eclk != 0.0f && id.has(kCapEclk))
    clocks.desiredEclk = setSchemeClock(hw, id.eclkPll, id.eclkSearchMode, settleMs, eclk);
}

}  // namespace vdx
