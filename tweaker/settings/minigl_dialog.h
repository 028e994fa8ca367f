// The MiniGL Applications dialog's behaviour: the programs registered for
// the MiniGL driver (subkeys of its key), adding and removing them at once,
// and the "ICDMode" switch written on OK.
#pragma once
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/profile.h"
#include "tweaker/platform/registry.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/ui/dialog_surface.h"

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
  DriverOptions* current;  // ICDMode
  ProfileFile* profile;
  std::string schemeFile;  // where the path records go
};

class MiniGLDialog {
 public:
  MiniGLDialog(DialogSurface& surface, const MiniGLDialogModel& model) : surface_(surface), model_(model) {}

  // Ticks the switch and lists the registered programs (MINIGL_REFRESH is
  // left to the caller to post).
  void init();
  // MINIGL_REFRESH: Remove only with a selection.
  void refresh();
  // MINIGL_ADD_FILE.
  void addFile(const std::string& path);
  void removeSelected();
  // OK: stores the switch and ends the dialog.
  void ok();

 private:
  DialogSurface& surface_;
  MiniGLDialogModel model_;
};

}  // namespace vdx
