#include "tweaker/settings/win32/options_dialog_proc.h"

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/platform.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/options_dialog.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/shell/command_dialogs.h"
#include "tweaker/shell/win32/dialog_utils.h"
#include "tweaker/shell/win32/win32_dialog_surface.h"

namespace vdx {
namespace {

// Lives while the dialog is open; the dialog window holds it.
struct OptionsDialogState {
  OptionsDialogState(HWND dialog, const OptionsDialogModel& model) : surface(dialog), presenter(surface, model) {}
  Win32DialogSurface surface;
  OptionsDialog presenter;
};

std::string programPath() {
  char path[MAX_PATH + 1] = {0};
  const DWORD len = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, len < MAX_PATH ? len : MAX_PATH);
}

OptionsDialogState* stateOf(HWND dialog) {
  return reinterpret_cast<OptionsDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

}  // namespace

INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      setDialogSlot(DialogKind::Options, dialog);
      const OptionsDialogModel model = {platform().registry, &adapterIdentity(), &preferences(),
                                        &currentOptions(),   &defaultOptions(),   programPath()};
      OptionsDialogState* state = new OptionsDialogState(dialog, model);
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
      state->presenter.init();
      return TRUE;
    }
    case WM_COMMAND: {
      OptionsDialogState* state = stateOf(dialog);
      return state && state->presenter.command(LOWORD(wParam)) ? TRUE : FALSE;
    }
    case WM_HELP:
    case WM_CONTEXTMENU:
      showContextHelp(dialog, msg, wParam, lParam);
      return TRUE;
    case WM_DESTROY:
      delete stateOf(dialog);
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace vdx
