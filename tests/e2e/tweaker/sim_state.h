// What the simulated adapter keeps between calls, as a test reads it back:
// the driver's kept values in VidarixSim.state beside the program.
#pragma once
#include <string>

#include "tests/e2e/common/driver.h"

namespace sim {

// The folder of the program under test (--exe), where the simulator keeps its files.
inline std::string exeFolder() {
  const std::string p = e2e::option("exe", "Vidarix-sim.exe");
  const size_t slash = p.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : p.substr(0, slash);
}

// [Chip] Driver: the card's 8-hex tag and ":", then 8-hex words: 17 kept
// values (0: active displays, 9: TV contrast, 16: gamma commits), then the
// 256 gamma entries R<<16|G<<8|B.
constexpr int kGammaCommitsWord = 16;
constexpr int kGammaTableWord = 17;

// Word `index` of the simulated driver's kept values, or -1.
inline long long driverWord(int index) {
  const std::string s = e2e::iniRead(exeFolder() + "\\VidarixSim.state", "Chip", "Driver");
  const size_t colon = s.find(':');
  if (colon == std::string::npos || s.size() < colon + 1 + 8 * (index + 1)) return -1;
  return std::stoll(s.substr(colon + 1 + 8 * index, 8), nullptr, 16);
}

// Entry `i` (0..255) of the gamma table the driver holds, or -1.
inline long long gammaEntry(int i) { return driverWord(kGammaTableWord + i); }

}  // namespace sim
