// Loading the preferences at start-up and saving them from the Options dialog.
#pragma once
#include <functional>
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/registry.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/preferences.h"

namespace vdx {

struct PreferencesLoad {
  bool firstRun = false;
  std::string lastDrv;  // display driver version at the last start
};

// Reads the clock values and the crash guard from the open card key; the
// clock settings own those values.
using CardKeyReader = std::function<void(const RegKey& cardKey, const AdapterIdentity& id)>;

// The start-up load: program key, card key (may change the chip name and
// the sideband capability of `id`) and the driver settings key. Marks the
// first run as done.
PreferencesLoad loadPreferences(Registry& reg, AdapterIdentity& id, Preferences& prefs,
                                const CardKeyReader& readClockValues);

// Writes what the Options dialog edits, with TC and TM of `current`.
// False when a key could not be opened (the other keys are still written).
bool savePreferences(Registry& reg, const AdapterIdentity& id, const Preferences& prefs,
                     const DriverOptions& current, const DriverOptions& defaults);

}  // namespace vdx
