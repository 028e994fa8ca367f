#include "tweaker/display/win32/gamma_dialog_proc.h"

#include "tweaker/resources/resource.h"
#include "tweaker/ui/win32/dialog_utils.h"
#include "tweaker/ui/win32/win32_dialog_surface.h"

namespace vdx {
namespace {

// Lives while the dialog is open; the dialog window holds it.
struct GammaDialogState {
  GammaDialogState(HWND dialog, const GammaDialogArgs& args)
      : frame(args.frame), surface(dialog), presenter(surface, args.model) {}
  DialogFrame frame;
  Win32DialogSurface surface;
  GammaDialog presenter;
};

GammaDialogState* stateOf(HWND dialog) {
  return reinterpret_cast<GammaDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

}  // namespace

INT_PTR CALLBACK gammaDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = reinterpret_cast<const GammaDialogArgs*>(lParam);
      if (!args) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      if (args->frame.slots) args->frame.slots->set(args->frame.kind, dialog);
      GammaDialogState* state = new GammaDialogState(dialog, *args);
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
      state->presenter.init();
      // On a one-display card the display row is hidden and takes its height with it.
      if (!(GetWindowLongA(GetDlgItem(dialog, IDC_GAMMA_DISPLAY1), GWL_STYLE) & WS_VISIBLE))
        shortenDialog(dialog, childRect(dialog, IDC_GAMMA_DISPLAY1).bottom -
                                  childRect(dialog, IDC_GAMMA_BRIGHT_SLIDER).bottom);
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      return TRUE;
    }
    case WM_HSCROLL:
      if (GammaDialogState* state = stateOf(dialog))
        state->presenter.scrolled(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      return TRUE;
    case WM_COMMAND: {
      GammaDialogState* state = stateOf(dialog);
      return state && state->presenter.command(LOWORD(wParam)) ? TRUE : FALSE;
    }
    case WM_HELP:
    case WM_CONTEXTMENU:
      if (GammaDialogState* state = stateOf(dialog))
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
