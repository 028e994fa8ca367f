#include "tweaker/adapter/win32/overclock_dialog_proc.h"

#include <commctrl.h>

#include "tweaker/resources/resource.h"
#include "tweaker/ui/win32/dialog_utils.h"
#include "tweaker/ui/win32/win32_dialog_surface.h"

namespace vdx {
namespace {

// Lives while the dialog is open; the dialog window holds it.
struct OverclockDialogState {
  OverclockDialogState(HWND dialog, const OverclockDialogArgs& args)
      : frame(args.frame), surface(dialog), presenter(surface, args.model) {}
  DialogFrame frame;
  Win32DialogSurface surface;
  OverclockDialog presenter;
};

OverclockDialogState* stateOf(HWND dialog) {
  return reinterpret_cast<OverclockDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// Without an engine clock its row and the ratio controls are hidden: Save and
// Close move up into their place and the dialog loses the empty band.
void closeEclkGap(HWND dialog) {
  if (GetWindowLongA(GetDlgItem(dialog, IDC_OC_ECLK_LABEL), GWL_STYLE) & WS_VISIBLE) return;
  const int shift = childRect(dialog, IDOK).top - childRect(dialog, IDC_OC_ECLK_LABEL).top;
  for (int id : {IDOK, IDCANCEL}) {
    const RECT r = childRect(dialog, id);
    SetWindowPos(GetDlgItem(dialog, id), nullptr, r.left, r.top - shift, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  shortenDialog(dialog, shift);
}

}  // namespace

INT_PTR CALLBACK overclockDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = reinterpret_cast<const OverclockDialogArgs*>(lParam);
      if (!args) {
        EndDialog(dialog, 1);
        return TRUE;
      }
      if (args->frame.slots) args->frame.slots->set(args->frame.kind, dialog);
      OverclockDialogState* state = new OverclockDialogState(dialog, *args);
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
      SendDlgItemMessageA(dialog, IDC_OC_MCLK_SLIDER, TBM_SETPAGESIZE, 0, kClockSliderPage);
      SendDlgItemMessageA(dialog, IDC_OC_ECLK_SLIDER, TBM_SETPAGESIZE, 0, kClockSliderPage);
      state->presenter.init();
      closeEclkGap(dialog);
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      return TRUE;
    }
    case WM_COMMAND: {
      OverclockDialogState* state = stateOf(dialog);
      return state && state->presenter.command(LOWORD(wParam)) ? TRUE : FALSE;
    }
    case WM_HSCROLL:
      if (OverclockDialogState* state = stateOf(dialog))
        state->presenter.scroll(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), LOWORD(wParam));
      return TRUE;
    case WM_HELP:
    case WM_CONTEXTMENU:
      if (OverclockDialogState* state = stateOf(dialog))
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
