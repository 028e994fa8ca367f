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
    : files_(files), statePath_(dir + "\\" + kSimStateName) {
  const std::string iniPath = dir + "\\" + kSimIniName;
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
