#include "tweaker/adapter/clock_settings.h"

#include <cmath>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/log_timestamp.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/platform/platform.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/settings/registry_utils.h"
#include "tweaker/settings/settings_keys.h"
#include "tweaker/shell/display_reset.h"

namespace vdx {

namespace {
ClockState g_clocks;

// Programs one clock when the generator can make a frequency other than the
// one it runs at now; returns the frequency read back.
float setClock(const PllRegisterSet& pll, uint32_t mode, float wanted) {
  const float now = readPllFrequency(pll.pllIndex, pll.postDividerFlagRegister);
  PllDivisors d = findPllDivisors(wanted, true, mode);
  if (d.mhz == 0.0f || std::fabs(d.mhz - now) < 0.005f) return now;
  return programPll(pll.pllIndex, pll.loadWord(), d.mReg, d.nReg, pll.postDividerFlagRegister,
                    static_cast<uint32_t>(preferences().clkDelay));
}
}  // namespace

ClockState& clockState() { return g_clocks; }

void readStartupClocks() {
  const AdapterIdentity& id = adapterIdentity();
  if (id.has(kCapMclk)) {
    g_clocks.startupMclk = readPllFrequency(id.mclkPll.pllIndex, id.mclkPll.postDividerFlagRegister);
    g_clocks.desiredMclk = g_clocks.startupMclk;
  }
  if (id.has(kCapEclk)) {
    g_clocks.startupEclk = readPllFrequency(id.eclkPll.pllIndex, id.eclkPll.postDividerFlagRegister);
    g_clocks.desiredEclk = g_clocks.startupEclk;
  }
}

void keepStartupClocksForShift(const std::string& schemeFile) {
  platform().profile->writeString(schemeFile, "Vidarix Clk", formatLogTimestamp(),
                                  "Chip clock not set due to SHIFT key.");
  g_clocks.desiredMclk = g_clocks.startupMclk;
  g_clocks.desiredEclk = g_clocks.startupEclk;
}

void applyDesiredClocks() {
  if (!preferences().useOverclock || displayResetInProgress() || !g_clocks.clocksAllowed) return;
  const AdapterIdentity& id = adapterIdentity();
  if (id.has(kCapMclk) && g_clocks.desiredMclk > 0.0f)
    g_clocks.desiredMclk = setClock(id.mclkPll, id.mclkSearchMode, g_clocks.desiredMclk);
  if (id.has(kCapEclk) && g_clocks.desiredEclk > 0.0f)
    g_clocks.desiredEclk = setClock(id.eclkPll, id.eclkSearchMode, g_clocks.desiredEclk);
}

void restoreStartupClocks() {
  const AdapterIdentity& id = adapterIdentity();
  if (g_clocks.clocksAllowed) {
    if (id.has(kCapMclk) && g_clocks.startupMclk > 0.0f) setClock(id.mclkPll, id.mclkSearchMode, g_clocks.startupMclk);
    if (id.has(kCapEclk) && g_clocks.startupEclk > 0.0f) setClock(id.eclkPll, id.eclkSearchMode, g_clocks.startupEclk);
  }
  RegKey card;
  if (openSettingsKey(*platform().registry, id, SettingsKey::Card, &card) == 0) writeOnOff(card, "Overclocked", false);
}

}  // namespace vdx
