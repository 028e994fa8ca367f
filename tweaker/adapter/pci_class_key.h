// Finds the display driver's class key through the PCI enumeration branch of
// the registry, and reads strings below it.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/platform/registry.h"

namespace vdx {

struct PciIds {
  uint16_t vendorId = 0;
  uint32_t deviceId = 0;
  uint32_t revision = 0;
  uint16_t subsystemVendorId = 0;
  uint16_t subsystemId = 0;
};

// True when an "Enum\PCI" device name belongs to the adapter: same vendor
// and device, and either no revision part or the same revision with a
// matching (or absent) subsystem part.
bool pciDeviceNameMatches(const std::string& name, const PciIds& ids);

// "System\CurrentControlSet\Services\Class\<driver>" of the first matching
// device; false when none matches or its "Driver" value is not a string.
bool findPciClassKey(Registry& reg, const PciIds& ids, std::string* classKeyPath);

// A string value (at most 255 characters) of a subkey of the class key.
bool readClassKeyString(Registry& reg, const PciIds& ids, const std::string& subkey, const std::string& valueName,
                        std::string* out);

}  // namespace vdx
