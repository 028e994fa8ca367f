#include "tweaker/schemes/scheme_clocks.h"

#include "tweaker/adapter/pll.h"

namespace vdx {

namespace {

void widen(float startup, float* lo, float* hi) {
  if (startup <= 0.0f) return;
  if (startup < *lo) *lo = startup;
  if (startup > *hi) *hi = startup;
}

float setSchemeClock(const Platform& hw, const PllRegisterSet& pll, uint32_t mode, uint32_t settleMs,
                     float wanted) {
  const PllDivisors d = findPllDivisors(wanted, true, mode);
  if (d.mhz == 0.0f) return wanted;
  programPll(*hw.ports, *hw.clock, pll.pllIndex, pll.loadWord(), d.mReg, d.nReg, pll.postDividerFlagRegister,
             settleMs);
  return readPllFrequency(*hw.ports, pll.pllIndex, pll.postDividerFlagRegister);
}

}  // namespace

ClockLimits schemeClockLimits(const AdapterIdentity& id, const ClockState& clocks) {
  ClockLimits l;
  l.mclkMin = l.eclkMin = 90.0f;
  l.mclkMax = id.mclkLimit > 0.0f ? id.mclkLimit : 150.0f;
  l.eclkMax = id.eclkLimit > 0.0f ? id.eclkLimit : 150.0f;
  widen(clocks.startupMclk, &l.mclkMin, &l.mclkMax);
  widen(clocks.startupEclk, &l.eclkMin, &l.eclkMax);
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
