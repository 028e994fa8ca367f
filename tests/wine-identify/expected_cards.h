// What identification must find for each simulated card in the prefix that
// tools/wine/provision-vidarix.sh prepares.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/adapter/adapter_identity.h"

namespace vdx {

struct ExpectedCard {
  const char* preset;
  uint32_t deviceId;
  const char* chipName;
  ChipCapability capabilities;
  uint8_t memoryType;
  uint16_t subsystemVendorId, subsystemId;
  const char* classKey;      // number below "...\Class\Display\"; "" = none
  const char* driverFile;    // in the system directory; "" = none
  const char* icdFile;
  PackedVersion driverVersion;
  PackedVersion icdVersion;
  bool settingsMoved;        // MX/IX drivers that keep settings in the class key
  const char* vidTex;
  bool perfIcdMenuDefault;
  const char* infoRevision;  // INFO\Revision of the class key
};

// nullptr when the preset has no row.
const ExpectedCard* expectedCard(const std::string& preset);

}  // namespace vdx
