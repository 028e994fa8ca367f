#include "tweaker/simulated/sim_machine.h"

#include "tweaker/simulated/sim_card_ini.h"

namespace vdx {

namespace {
const char* const kChip = "Chip";
const char* const kRegisters = "Registers";
const char* const kDriver = "Driver";
constexpr std::size_t kMaxStateText = 4096;
}  // namespace

SimulatedMachine::SimulatedMachine(ProfileFile& files, const std::string& dir, MilliClock& clock)
    : files_(files), clock_(clock), iniPath_(dir + "\\" + kSimIniName), statePath_(dir + "\\" + kSimStateName) {
  const std::string& iniPath = iniPath_;
  const SimCard card = loadSimCard(files, iniPath);
  chip_ = std::make_unique<SavageChip>(card, clock);
  // The program never reads the access record back.
  chip_->setRecording(false);
  driver_ = std::make_unique<SimulatedDriver>(card);
  if (takeSimResetRequest(files, iniPath)) {
    files_.deleteSection(statePath_, kChip);
  } else {
    lastSaved_ = files_.readString(statePath_, kChip, kRegisters, "", kMaxStateText);
    resumed_ = chip_->loadState(lastSaved_);
    // The driver's values belong to the same machine: they go with the registers.
    lastDriverSaved_ = files_.readString(statePath_, kChip, kDriver, "", kMaxStateText);
    if (!resumed_ || !driver_->loadState(lastDriverSaved_)) lastDriverSaved_.clear();
  }
  if (!resumed_) saveState();
  saveDriverState();
  chip_->setOnWrite([this] { saveState(); });
  driver_->setOnCall([this] { saveDriverState(); });
}

void SimulatedMachine::takePowerCycleRequest() {
  const uint32_t now = clock_.now();
  if (checked_ && now - lastCheck_ < kPowerCycleCheckMs) return;
  checked_ = true;
  lastCheck_ = now;
  if (!takeSimPowerCycleRequest(files_, iniPath_)) return;
  chip_->powerUp();
  saveState();
}

uint8_t SimulatedMachine::Ports::in8(uint16_t port) {
  // The status polls of a retrace wait come in thousands; a request is taken
  // at the next register access.
  if (port != kPortInputStatus) m_.takePowerCycleRequest();
  return m_.chip_->in8(port);
}

void SimulatedMachine::Ports::out8(uint16_t port, uint8_t value) {
  m_.takePowerCycleRequest();
  m_.chip_->out8(port, value);
}

void SimulatedMachine::Ports::out16(uint16_t port, uint16_t value) {
  m_.takePowerCycleRequest();
  m_.chip_->out16(port, value);
}

void SimulatedMachine::saveDriverState() {
  std::string state = driver_->saveState();
  if (state == lastDriverSaved_) return;
  if (files_.writeString(statePath_, kChip, kDriver, state)) lastDriverSaved_ = state;
}

void SimulatedMachine::saveState() {
  // Most writes are lock and index traffic that change nothing kept.
  std::string state = chip_->saveState();
  if (state == lastSaved_) return;
  if (files_.writeString(statePath_, kChip, kRegisters, state)) lastSaved_ = state;
}

}  // namespace vdx
