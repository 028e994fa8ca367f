#include "tweaker/schemes/win32/scheme_dialog_procs.h"

#include "tweaker/ui/win32/dialog_utils.h"
#include "tweaker/ui/win32/win32_dialog_surface.h"

namespace vdx {
namespace {

// Lives while the dialog is open; the dialog window holds it.
template <class Presenter, class Model>
struct DialogState {
  DialogState(HWND dialog, const DialogFrame& frame, const Model& model)
      : frame(frame), surface(dialog), presenter(surface, model) {}
  DialogFrame frame;
  Win32DialogSurface surface;
  Presenter presenter;
};

template <class Presenter, class Model, class Args>
INT_PTR dialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, bool centreOnDesktop) {
  using State = DialogState<Presenter, Model>;
  State* state = reinterpret_cast<State*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = reinterpret_cast<const Args*>(lParam);
      if (!args) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      centreWindowOn(centreOnDesktop ? GetDesktopWindow() : GetParent(dialog), dialog);
      if (centreOnDesktop) SetForegroundWindow(dialog);
      if (args->frame.slots) args->frame.slots->set(args->frame.kind, dialog);
      Model model = args->model;
      model.owner = dialog;
      state = new State(dialog, args->frame, model);
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
      state->presenter.init();
      return TRUE;
    }
    case WM_COMMAND:
      return state && state->presenter.command(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_HELP:
    case WM_CONTEXTMENU:
      if (state) showContextHelp(dialog, msg, wParam, lParam, state->frame.helpFile);
      return TRUE;
    case WM_DESTROY:
      delete state;
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      return FALSE;
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
