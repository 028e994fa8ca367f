#include "tweaker/display/win32/refresh_rates_dialog_proc.h"

namespace vdx {
namespace {

// The presenter owns its window for its message boxes and takes the
// notification code with each command.
struct RefreshRatesDialogWindow : PresenterDialog<RefreshRatesDialog, RefreshRatesDialogArgs> {
  static void opened(HWND dialog, State& state) { state.presenter.init(dialog); }
  static bool command(State& state, WPARAM wParam) { return state.presenter.command(LOWORD(wParam), HIWORD(wParam)); }
};

}  // namespace

INT_PTR CALLBACK refreshRatesDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  return presenterDialogProc<RefreshRatesDialogWindow>(dialog, msg, wParam, lParam);
}

}  // namespace vdx
