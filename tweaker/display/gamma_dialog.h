// The Gamma dialog's behaviour: every slider move previews the table on the
// hardware, Apply and OK commit it, OK also stores it, Cancel puts back the
// table last committed.
#pragma once
#include <functional>
#include <optional>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/display/driver_escape.h"
#include "tweaker/display/stored_gamma.h"
#include "tweaker/platform/platform.h"
#include "tweaker/settings/gamma_type.h"
#include "tweaker/ui/dialog_presenter.h"

namespace vdx {

// The storage type the user chose, once Apply or OK took it.
struct GammaResult {
  std::optional<GammaType> gammaType;
};

struct GammaDialogModel {
  Platform hw;
  const AdapterIdentity* identity;
  GammaType gammaType;  // the preference as the dialog opens
  DriverEscapes* escapes;
  // Apply hands the result over at once: the program's own gamma on a mode
  // change goes by the storage type while the dialog is still open.
  std::function<void(const GammaResult&)> applied;
};

class GammaDialog {
 public:
  GammaDialog(DialogSurface& surface, const GammaDialogModel& model) : surface_(surface), model_(model) {}

  using Model = GammaDialogModel;
  static constexpr int kApplyId = 3;

  void init();
  // A command from a control; true when the dialog handled it.
  bool command(int id);
  // A track bar moved (every WM_HSCROLL).
  void scrolled(int id, int code = 0);
  int ok();
  int cancel();
  void apply();

  const GammaSettings& settings() const { return s_; }
  const GammaResult& result() const { return result_; }

 private:
  void show(bool moveSliders);
  void preview();
  void takeStorageType();
  void commit();

  DialogSurface& surface_;
  GammaDialogModel model_;
  GammaSettings s_;
  GammaResult result_;
};

}  // namespace vdx
