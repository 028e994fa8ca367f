#include "tweaker/settings/win32/options_dialog_proc.h"

#include "tweaker/ui/win32/dialog_utils.h"
#include "tweaker/ui/win32/win32_dialog_surface.h"

namespace vdx {
namespace {

// Lives while the dialog is open; the dialog window holds it.
struct OptionsDialogState {
  OptionsDialogState(HWND dialog, const OptionsDialogArgs& args)
      : frame(args.frame), surface(dialog), presenter(surface, args.model) {}
  DialogFrame frame;
  Win32DialogSurface surface;
  OptionsDialog presenter;
};

OptionsDialogState* stateOf(HWND dialog) {
  return reinterpret_cast<OptionsDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

}  // namespace

INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = reinterpret_cast<const OptionsDialogArgs*>(lParam);
      if (!args) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      if (args->frame.slots) args->frame.slots->set(args->frame.kind, dialog);
      OptionsDialogState* state = new OptionsDialogState(dialog, *args);
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
      if (OptionsDialogState* state = stateOf(dialog))
        showContextHelp(dialog, msg, wParam, lParam, state->frame.helpFile);
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
