// The whole simulated adapter of Vidarix-sim.exe: the card from its INI, the
// chip and the driver (their registers and values kept in a state file
// between runs until the machine is reset). While the program runs, the INI's
// "[Machine] PowerCycle=1" puts the chip back at its power-up registers, as a
// suspend that cut the card's power would.
#pragma once
#include <memory>
#include <string>

#include "tweaker/platform/chip_ports.h"
#include "tweaker/platform/profile.h"
#include "tweaker/simulated/savage_chip.h"
#include "tweaker/simulated/sim_driver.h"

namespace vdx {

constexpr uint32_t kPowerCycleCheckMs = 100;

class SimulatedMachine {
 public:
  // `dir` is the folder of the INI and state files (no trailing backslash).
  SimulatedMachine(ProfileFile& files, const std::string& dir, MilliClock& clock);
  SimulatedMachine(const SimulatedMachine&) = delete;
  SimulatedMachine& operator=(const SimulatedMachine&) = delete;

  SavageChip& chip() { return *chip_; }
  // The chip's ports as the program reaches them: before an access, at most
  // every kPowerCycleCheckMs, a power-cycle request is taken (and cleared).
  ChipPorts& ports() { return ports_; }
  SimulatedDriver& driver() { return *driver_; }
  // True when the chip came back from the state file rather than power-up.
  bool resumed() const { return resumed_; }

 private:
  class Ports : public ChipPorts {
   public:
    explicit Ports(SimulatedMachine& m) : m_(m) {}
    uint8_t in8(uint16_t port) override;
    void out8(uint16_t port, uint8_t value) override;
    void out16(uint16_t port, uint16_t value) override;
    bool available() override { return m_.chip_->available(); }

   private:
    SimulatedMachine& m_;
  };

  void takePowerCycleRequest();
  void saveState();
  void saveDriverState();

  ProfileFile& files_;
  MilliClock& clock_;
  std::string iniPath_;
  std::string statePath_;
  std::unique_ptr<SavageChip> chip_;
  std::unique_ptr<SimulatedDriver> driver_;
  std::string lastSaved_;
  std::string lastDriverSaved_;
  bool resumed_ = false;
  Ports ports_{*this};
  bool checked_ = false;
  uint32_t lastCheck_ = 0;
};

}  // namespace vdx
