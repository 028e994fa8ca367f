#include "tweaker/display/win32/outputs_dialog_proc.h"

#include "tweaker/resources/resource.h"
#include "tweaker/ui/win32/dialog_utils.h"
#include "tweaker/ui/win32/win32_dialog_surface.h"

namespace vdx {
namespace {

// Lives while the dialog is open; the dialog window holds it.
struct OutputsDialogWindow {
  OutputsDialogWindow(HWND dialog, const OutputsDialogArgs& args) : frame(args.frame), surface(dialog), presenter(surface, args.model) {}
  DialogFrame frame;
  Win32DialogSurface surface;
  OutputsDialog presenter;
};

OutputsDialogWindow* stateOf(HWND dialog) {
  return reinterpret_cast<OutputsDialogWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

constexpr WORD kEndScroll = 8;

}  // namespace

INT_PTR CALLBACK outputsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = reinterpret_cast<const OutputsDialogArgs*>(lParam);
      if (!args) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      centreWindowOn(GetDesktopWindow(), dialog);
      if (args->frame.slots) args->frame.slots->set(args->frame.kind, dialog);
      OutputsDialogArgs local = *args;
      local.model.owner = dialog;
      OutputsDialogWindow* state = new OutputsDialogWindow(dialog, local);
      if (!state) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
      state->presenter.init();
      return TRUE;
    }
    case WM_COMMAND: {
      OutputsDialogWindow* state = stateOf(dialog);
      const WORD code = HIWORD(wParam);
      const WORD id = LOWORD(wParam);
      // The lists count only a change of selection.
      const bool list = id == IDC_OUT_TV_STANDARD || id == IDC_OUT_TV_PORT;
      if (list && code != CBN_SELCHANGE) return FALSE;
      return state && state->presenter.command(id) ? TRUE : FALSE;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (OutputsDialogWindow* state = stateOf(dialog)) {
        if (LOWORD(wParam) == kEndScroll && lParam)
          state->presenter.scrollEnded(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      }
      return TRUE;
    case WM_HELP:
    case WM_CONTEXTMENU:
      if (OutputsDialogWindow* state = stateOf(dialog))
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
