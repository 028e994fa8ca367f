// The Gamma dialog's behaviour: every slider move previews the table on the
// hardware, Apply and OK commit it, OK also stores it, Cancel puts back the
// table last committed.
#pragma once
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/display/driver_escape.h"
#include "tweaker/display/stored_gamma.h"
#include "tweaker/platform/platform.h"
#include "tweaker/settings/gamma_type.h"
#include "tweaker/ui/dialog_surface.h"

namespace vdx {

struct GammaDialogModel {
  Platform hw;
  const AdapterIdentity* identity;
  GammaType* gammaType;  // the preference; changed at Apply and OK
  DriverEscapes* escapes;
};

class GammaDialog {
 public:
  GammaDialog(DialogSurface& surface, const GammaDialogModel& model) : surface_(surface), model_(model) {}

  void init();
  // A command from a control; true when the dialog handled it.
  bool command(int id);
  // A track bar moved (every WM_HSCROLL).
  void scrolled(int id);

  const GammaSettings& settings() const { return s_; }

 private:
  void show(bool moveSliders);
  void preview();
  void takeStorageType();
  void commit();
  void ok();

  DialogSurface& surface_;
  GammaDialogModel model_;
  GammaSettings s_;
};

}  // namespace vdx
