// What each supported chip id is: name, capabilities, AGP probe, clock
// limits, tray icon and driver files. One row per id.
#pragma once
#include <cstdint>

#include "tweaker/adapter/adapter_identity.h"

namespace vdx {

// Chips that share probes, board rules and driver version rules.
enum class ChipFamily : uint8_t { Unknown, Savage3D, Savage4, SavageNB, SavageMX, Savage2000 };

struct ChipRow {
  uint16_t deviceId;
  ChipFamily family;
  const char* name;           // Savage4 appends "GT/Pro" or "LT"
  ChipCapability capabilities;
  ChipCapability sgramCapabilities;  // used instead when the memory is SGRAM; 0 = same
  uint8_t agpProbeRegister;   // extended CRTC register; 0 = no probe
  ChipCapability agpMask;     // ORed in when the probe register has bit 6
  float mclkLimit;            // MHz; 0 = not set
  float eclkLimit;
  uint16_t iconId;
  const char* driverFile;
  const char* icdFile;
};

// The row of a chip id; nullptr for an unknown chip.
const ChipRow* findChipRow(uint32_t deviceId);

ChipFamily chipFamily(uint32_t deviceId);

}  // namespace vdx
