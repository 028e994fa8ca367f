#include "tweaker/schemes/win32/scheme_dialog_procs.h"

#include "tweaker/ui/win32/dialog_host.h"
#include "tweaker/ui/win32/dialog_utils.h"

namespace vdx {
namespace {

template <class Presenter, class Model, class Args>
INT_PTR dialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, bool centreOnDesktop) {
  using State = PresenterWindow<Presenter>;
  INT_PTR common = FALSE;
  if (commonDialogMessage<State>(dialog, msg, wParam, lParam, &common)) return common;
  State* state = dialogState<State>(dialog);
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = dialogArgs<Args>(dialog, lParam);
      if (!args) return TRUE;
      centreWindowOn(centreOnDesktop ? GetDesktopWindow() : GetParent(dialog), dialog);
      if (centreOnDesktop) SetForegroundWindow(dialog);
      Model model = args->model;
      model.owner = dialog;
      state = new State(dialog, args->frame, model);
      attachDialogState(dialog, state);
      state->presenter.init();
      return TRUE;
    }
    case WM_COMMAND:
      return state && state->presenter.command(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK configureSchemesDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  return dialogProc<ConfigureSchemesDialog, ConfigureSchemesModel, ConfigureSchemesArgs>(dialog, msg, wParam,
                                                                                         lParam, true);
}

INT_PTR CALLBACK saveAsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  return dialogProc<SaveAsDialog, SaveAsDialogModel, SaveAsArgs>(dialog, msg, wParam, lParam, false);
}

}  // namespace vdx
