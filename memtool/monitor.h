// The two recovery rules of the one-second monitor, as a state machine over
// plain values. The caller samples, the rules decide, the actions recover.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace mt {

constexpr uint32_t kMonitorPeriodMs = 1000;
constexpr uint32_t kRearmWaitMs = 3000;
constexpr uint32_t kPeriodicBandMarginMB = 10;

struct MonitorState {
  uint16_t CPUUsage = 0;
  bool Armed = true;
  uint32_t RearmTick = 0;   // 0: not set
  uint32_t PeriodTick = 0;  // 0: interval not started
};

// Milliseconds since start, safe across the wrap of the 32-bit tick count.
inline uint32_t elapsedSince(uint32_t now, uint32_t start) { return now - start; }

// trunc() toward zero into an int; NaN gives 0 and out-of-range values clamp.
int truncToInt(double v);

// CPUUsage from the stored statistic: binary data of at most 4 bytes,
// little-endian, low 16 bits; anything else is 0, and 100 reads as 0.
uint16_t cpuUsageFromValue(bool exists, uint32_t type, const std::vector<uint8_t>& data);

// What the rules need from their surroundings.
class MonitorActions {
 public:
  virtual ~MonitorActions() = default;
  virtual uint32_t tickCount() = 0;
  // Defragmem; clears PeriodTick itself.
  virtual void recover(uint32_t amountMB) = 0;
};

struct RuleSettings {
  uint16_t TargetFreeRAM = 0;
  uint16_t MinimumFreeRAM = 0;
  double FreeValue1 = 0;
  double FreeInterval = 0;
  double FreeCPU = 0;
};

void lowMemoryRule(MonitorState& st, uint16_t availRAM, const RuleSettings& s, MonitorActions& act);
void periodicRule(MonitorState& st, uint16_t availRAM, const RuleSettings& s, MonitorActions& act);

// trunc(amount) + availRAM as an amount in MB; false when the sum is negative
// or beyond 32 bits, so no recovery is attempted.
bool recoveryAmount(double amount, uint16_t availRAM, uint32_t* outMB);

}  // namespace mt
