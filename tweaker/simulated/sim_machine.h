// The whole simulated adapter of Vidarix-sim.exe: the card from its INI, the
// chip and the driver (their registers and values kept in a state file
// between runs until the machine is reset).
#pragma once
#include <memory>
#include <string>

#include "tweaker/platform/chip_ports.h"
#include "tweaker/platform/profile.h"
#include "tweaker/simulated/savage_chip.h"
#include "tweaker/simulated/sim_driver.h"

namespace vdx {

class SimulatedMachine {
 public:
  // `dir` is the folder of the INI and state files (no trailing backslash).
  SimulatedMachine(ProfileFile& files, const std::string& dir, MilliClock& clock);
  SimulatedMachine(const SimulatedMachine&) = delete;
  SimulatedMachine& operator=(const SimulatedMachine&) = delete;

  SavageChip& chip() { return *chip_; }
  SimulatedDriver& driver() { return *driver_; }
  // True when the chip came back from the state file rather than power-up.
  bool resumed() const { return resumed_; }

 private:
  void saveState();
  void saveDriverState();

  ProfileFile& files_;
  std::string statePath_;
  std::unique_ptr<SavageChip> chip_;
  std::unique_ptr<SimulatedDriver> driver_;
  std::string lastSaved_;
  std::string lastDriverSaved_;
  bool resumed_ = false;
};

}  // namespace vdx
