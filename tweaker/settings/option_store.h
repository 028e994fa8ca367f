// Reading the driver switches from the registry into a DriverOptions and
// writing them back, by the rules of each value's encoding.
#pragma once
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/registry.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/preferences.h"

namespace vdx {

// What the reader and writer need to know besides the values.
struct OptionContext {
  std::string vidTexValueName = "VO";
  ChipCapability capabilities = 0;
  int32_t tmValueFloor = 64;
  bool writeRegDefaults = false;
  bool perfIcdMenu = false;
  bool texPatchUnavailable = false;
};

OptionContext optionContext(const AdapterIdentity& id, const Preferences& prefs, bool texPatchUnavailable);

// Reads every option; a key that cannot be opened leaves `current` as it was.
void readDriverOptions(Registry& reg, const AdapterIdentity& id, const OptionContext& ctx,
                       const DriverOptions& defaults, DriverOptions* current);
// Writes the driver settings key's options and flushes the key; false only
// when the key cannot be opened.
bool writeDriverOptions(Registry& reg, const AdapterIdentity& id, const OptionContext& ctx,
                        const DriverOptions& defaults, const DriverOptions& current);
// The five MiniGL DWORDs; false when the MiniGL key cannot be opened.
bool writeMiniGLOptions(Registry& reg, const AdapterIdentity& id, const OptionContext& ctx,
                        const DriverOptions& defaults, const DriverOptions& current);

}  // namespace vdx
