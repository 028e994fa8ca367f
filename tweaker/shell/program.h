// The program's one context: the platform services and every process-wide
// record, each owned by its subsystem and kept here as the one instance.
// The entry point makes it and passes it down; tests make one from fakes.
#pragma once
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/display/display_reset.h"
#include "tweaker/display/driver_escape.h"
#include "tweaker/platform/platform.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/option_store.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/shell/shell_state.h"
#include "tweaker/ui/dialog_slots.h"
#include "tweaker/ui/message_box.h"

namespace vdx {

struct Program {
  Program(const Platform& services, MessageBoxPresenter& boxes)
      : services(services), escapes(*services.display), messageBoxes(&boxes) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Platform services;
  AdapterIdentity identity;
  DriverOptions defaultOptions;
  DriverOptions currentOptions;
  Preferences preferences;
  ClockState clocks;
  ShellRecords shell;
  std::string schemeFilePath;
  DialogSlots dialogs;
  DriverEscapes escapes;
  DisplayResetState displayReset;
  MessageBoxPresenter* messageBoxes;
  std::string schemeImportFolder;  // the folder the last scheme import came from

  // What the option reader and writer need to know of the records.
  OptionContext optionContext() const {
    return vdx::optionContext(identity, preferences, shell.texPatchUnavailable);
  }
  // What the clock code needs to know of the records.
  ClockRules clockRules() const {
    ClockRules rules;
    rules.useOverclock = preferences.useOverclock;
    rules.settleMs = static_cast<uint32_t>(preferences.clkDelay);
    rules.resetInProgress = displayReset.inProgress;
    rules.logFile = schemeFilePath;
    return rules;
  }
};

}  // namespace vdx
