// The Options dialog's behaviour: fills the controls from the preferences
// and, on OK, stores them; Cancel leaves everything as it was.
#pragma once
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/registry.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/ui/dialog_surface.h"

namespace vdx {

// What the dialog edits, and where it saves it.
struct OptionsDialogModel {
  Registry* registry;
  const AdapterIdentity* identity;
  Preferences* prefs;
  DriverOptions* current;         // TC and TM
  const DriverOptions* defaults;
  std::string programPath;        // what the "Run" entry should name
};

class OptionsDialog {
 public:
  OptionsDialog(DialogSurface& surface, const OptionsDialogModel& model) : surface_(surface), model_(model) {}

  void init();
  // A command from a control; true when the dialog handled it.
  bool command(int id);

 private:
  void ok();
  void readSize(int id, int32_t* field, int32_t low);

  DialogSurface& surface_;
  OptionsDialogModel model_;
};

}  // namespace vdx
