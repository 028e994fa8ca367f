#include "tweaker/display/win32/outputs_dialog_proc.h"

#include "tweaker/resources/resource.h"
#include "tweaker/ui/win32/dialog_host.h"
#include "tweaker/ui/win32/dialog_utils.h"

namespace vdx {
namespace {

using OutputsDialogWindow = PresenterWindow<OutputsDialog>;

OutputsDialogWindow* stateOf(HWND dialog) { return dialogState<OutputsDialogWindow>(dialog); }

constexpr WORD kEndScroll = 8;

}  // namespace

INT_PTR CALLBACK outputsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR common = FALSE;
  if (commonDialogMessage<OutputsDialogWindow>(dialog, msg, wParam, lParam, &common)) return common;
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = dialogArgs<OutputsDialogArgs>(dialog, lParam);
      if (!args) return TRUE;
      centreWindowOn(GetDesktopWindow(), dialog);
      auto model = args->model;
      model.owner = dialog;
      auto* state = new OutputsDialogWindow(dialog, args->frame, model);
      attachDialogState(dialog, state);
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
    default:
      return FALSE;
  }
}

}  // namespace vdx
