// The Options dialog's behaviour: fills the controls from the preferences
// and, on OK, stores them and hands them back; Cancel leaves everything as
// it was.
#pragma once
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/registry.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/ui/dialog_presenter.h"

namespace vdx {

// What the dialog edits (copies of the program's records), and where it saves it.
struct OptionsDialogModel {
  Registry* registry;
  const AdapterIdentity* identity;
  Preferences prefs;
  DriverOptions current;          // TC and TM
  DriverOptions defaults;
  std::string programPath;        // what the "Run" entry should name
};

// The check boxes that show a preference as it is.
constexpr int kOptionsPreferenceBoxes = 13;

// What OK saved: each box's preference (in the order of the dialog's table
// of boxes), ICT, and the two sizes.
struct OptionsResult {
  bool saved = false;
  bool boxes[kOptionsPreferenceBoxes] = {};
  bool ict = true;
  int32_t TC = 0, TM = 0;
};

// The fields of `result` the dialog shows, written into the program's records.
void takeOptionsResult(const OptionsResult& result, Preferences* prefs, DriverOptions* current);

class OptionsDialog {
 public:
  OptionsDialog(DialogSurface& surface, const OptionsDialogModel& model) : surface_(surface), model_(model) {}

  using Model = OptionsDialogModel;

  void init();
  int ok();
  const OptionsResult& result() const { return result_; }

 private:
  void readSize(int id, int32_t* field, int32_t low);

  DialogSurface& surface_;
  OptionsDialogModel model_;
  OptionsResult result_;
};

}  // namespace vdx
