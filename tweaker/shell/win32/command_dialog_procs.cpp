#include "tweaker/shell/win32/command_dialog_procs.h"

#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/settings/win32/options_dialog_proc.h"

namespace vdx {

namespace {

struct DialogProcRow {
  DialogKind kind;
  DLGPROC proc;
};

// Each dialog joins this table when it is built.
const DialogProcRow kDialogProcs[] = {
    {DialogKind::About, nullptr},
    {DialogKind::Options, optionsDialogProc},
    {DialogKind::Overclock, nullptr},
    {DialogKind::MiniGLApplications, nullptr},
    {DialogKind::DisplayOutputs, nullptr},
    {DialogKind::Gamma, nullptr},
    {DialogKind::RefreshRates, nullptr},
    {DialogKind::ConfigureSchemes, nullptr},
};

}  // namespace

DLGPROC dialogProcedure(DialogKind kind) {
  for (const DialogProcRow& row : kDialogProcs) {
    if (row.kind == kind) return row.proc;
  }
  return nullptr;
}

bool applyNamedScheme(HWND owner, int index) {
  HWND list = schemeListWindow(owner);
  const LRESULT len = list ? SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) : LB_ERR;
  if (len == LB_ERR) {
    MessageBoxA(owner, "Unable to get scheme name using index.", "Vidarix", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  // Reading and applying the scheme's line belongs to the scheme file code,
  // which this build does not have yet.
  return false;
}

}  // namespace vdx
