#include "memtool/monitor.h"

#include <cmath>
#include <climits>

#include "memtool/platform/registry.h"

namespace mt {

int truncToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(v);
}

uint16_t cpuUsageFromValue(bool exists, uint32_t type, const std::vector<uint8_t>& data) {
  if (!exists || type != kRegBinary || data.size() > 4) return 0;
  uint8_t buf[4] = {0, 0, 0, 0};
  for (std::size_t i = 0; i < data.size(); ++i) buf[i] = data[i];
  uint16_t usage = static_cast<uint16_t>(buf[0] | (buf[1] << 8));
  return usage == 100 ? 0 : usage;
}

void lowMemoryRule(MonitorState& st, uint16_t availRAM, const RuleSettings& s, MonitorActions& act) {
  if (!(availRAM < s.MinimumFreeRAM)) return;
  if (st.Armed && availRAM < s.TargetFreeRAM) {
    if (static_cast<int>(st.CPUUsage) < truncToInt(s.FreeCPU)) act.recover(s.TargetFreeRAM);
    st.Armed = false;
  }
  if (!st.Armed && st.RearmTick == 0) st.RearmTick = act.tickCount();
  if (elapsedSince(act.tickCount(), st.RearmTick) >= kRearmWaitMs) {
    st.RearmTick = 0;
    st.Armed = true;
  }
}

void periodicRule(MonitorState& st, uint16_t availRAM, const RuleSettings& s, MonitorActions& act) {
  if (st.PeriodTick == 0) st.PeriodTick = act.tickCount();
  if (!(static_cast<double>(elapsedSince(act.tickCount(), st.PeriodTick)) >= s.FreeInterval)) return;
  st.PeriodTick = 0;
  uint32_t upper = static_cast<uint32_t>(s.TargetFreeRAM) + kPeriodicBandMarginMB;
  uint32_t amount = 0;
  if (s.MinimumFreeRAM < availRAM && availRAM < upper && s.FreeValue1 > 0 &&
      static_cast<int>(st.CPUUsage) < truncToInt(s.FreeCPU) &&
      recoveryAmount(s.FreeValue1, availRAM, &amount))
    act.recover(amount);
}

bool recoveryAmount(double amount, uint16_t availRAM, uint32_t* outMB) {
  if (std::isnan(amount)) return false;
  double whole = std::trunc(amount);
  if (whole < -65535.0 || whole > 4294967295.0) return false;
  long long sum = static_cast<long long>(whole) + availRAM;
  if (sum < 0 || sum > 0xFFFFFFFFLL) return false;
  *outMB = static_cast<uint32_t>(sum);
  return true;
}

}  // namespace mt
