// The card INI beside Vidarix-sim.exe ("VidarixSim.ini"): section [Card]
// names a preset ("Preset=Savage2000") and may override single fields;
// section [Machine] "Reset=1" powers the simulated machine up afresh, and
// "PowerCycle=1" the chip alone while the program runs.
#pragma once
#include <string>

#include "tweaker/platform/profile.h"
#include "tweaker/simulated/sim_card.h"

namespace vdx {

constexpr const char* kSimIniName = "VidarixSim.ini";
constexpr const char* kSimStateName = "VidarixSim.state";

// Reads the card; a missing file or preset gives the Savage4 default, and a
// field whose text does not parse keeps the preset's value.
SimCard loadSimCard(ProfileFile& ini, const std::string& iniPath);

// True when the INI asks for a reset; the request is cleared as it is read.
bool takeSimResetRequest(ProfileFile& ini, const std::string& iniPath);
bool takeSimPowerCycleRequest(ProfileFile& ini, const std::string& iniPath);

}  // namespace vdx
