// The MiniGL Applications dialog's behaviour: the programs registered for
// the MiniGL driver (subkeys of its key), adding and removing them at once,
// and the "ICDMode" switch written on OK.
#pragma once
#include <optional>
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/profile.h"
#include "tweaker/platform/registry.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/ui/dialog_presenter.h"

namespace vdx {

// Private dialog messages.
constexpr unsigned kMiniGLRefresh = 0x701;  // MINIGL_REFRESH
constexpr unsigned kMiniGLAddFile = 0x704;  // MINIGL_ADD_FILE, lParam = a full path

// The file chooser's filter, "|" standing for the NULs between its parts.
constexpr char kMiniGLFilter[] = "Programs (*.exe)|*.exe|All files|*.*|";
constexpr char kMiniGLChooserTitle[] = "Add MiniGL Application";
constexpr char kMiniGLSection[] = "MiniGL";

struct MiniGLDialogModel {
  Registry* registry;
  const AdapterIdentity* identity;
  int32_t icdMode;  // the driver option as the dialog opens
  ProfileFile* profile;
  std::string schemeFile;  // where the path records go
};

// The switch as OK stored it.
struct MiniGLResult {
  std::optional<int32_t> icdMode;
};

class MiniGLDialog {
 public:
  using Model = MiniGLDialogModel;

  MiniGLDialog(DialogSurface& surface, const MiniGLDialogModel& model) : surface_(surface), model_(model) {}

  // Ticks the switch and lists the registered programs (MINIGL_REFRESH is
  // left to the caller to post).
  void init();
  // MINIGL_REFRESH: Remove only with a selection.
  void refresh();
  // MINIGL_ADD_FILE.
  void addFile(const std::string& path);
  void removeSelected();
  // Remove; true when the dialog handled the command.
  bool command(int id);
  // OK: stores the switch and ends the dialog.
  int ok();

  const MiniGLResult& result() const { return result_; }

 private:
  DialogSurface& surface_;
  MiniGLDialogModel model_;
  MiniGLResult result_;
};

}  // namespace vdx
