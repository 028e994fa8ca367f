// What every dialog window of the program holds while it is open, and the
// messages every one of them answers the same way.
#pragma once
#include <windows.h>

#include <new>

#include "tweaker/ui/dialog_slots.h"
#include "tweaker/ui/win32/dialog_utils.h"
#include "tweaker/ui/win32/win32_dialog_surface.h"

namespace vdx {

// A dialog's state from WM_INITDIALOG until WM_DESTROY, held by its window.
// Not polymorphic: each procedure frees the state as its own type.
struct DialogWindow {
  DialogWindow(HWND dialog, const DialogFrame& frame) : frame(frame), surface(dialog) {}
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;
  DialogFrame frame;
  Win32DialogSurface surface;
};

// The usual state: a presenter over the dialog's surface.
template <class Presenter>
struct PresenterWindow : DialogWindow {
  template <class Model>
  PresenterWindow(HWND dialog, const DialogFrame& frame, const Model& model)
      : DialogWindow(dialog, frame), presenter(surface, model) {}
  Presenter presenter;
};

// The opener's arguments; a dialog opened without them ends at once with `endCode`.
template <class Args>
const Args* dialogArgs(HWND dialog, LPARAM lParam, INT_PTR endCode = IDCANCEL) {
  const auto* args = reinterpret_cast<const Args*>(lParam);
  if (!args) EndDialog(dialog, endCode);
  return args;
}

// Hands `state` to the dialog window and puts the window in its slot.
void attachDialogState(HWND dialog, DialogWindow* state);

DialogWindow* dialogWindowOf(HWND dialog);
// The dialog's state, or null before WM_INITDIALOG and after WM_DESTROY.
template <class State>
State* dialogState(HWND dialog) {
  return static_cast<State*>(dialogWindowOf(dialog));
}

// Context help (WM_HELP, WM_CONTEXTMENU) from the frame's help file: true
// when `msg` was one of them, with the procedure's answer in *result.
bool contextHelpMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const DialogFrame* frame,
                        INT_PTR* result);
void detachDialogState(HWND dialog);

// Context help and WM_DESTROY, which frees the state: true when `msg` was
// one of them, with the procedure's answer in *result.
template <class State>
bool commonDialogMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
  State* state = dialogState<State>(dialog);
  if (msg == WM_DESTROY) {
    detachDialogState(dialog);
    delete state;
    *result = FALSE;
    return true;
  }
  return contextHelpMessage(dialog, msg, wParam, lParam, state ? &state->frame : nullptr, result);
}

// What whoever opens a presenter dialog hands it, as DialogBoxParamA's parameter.
template <class Model>
struct DialogArgs {
  DialogFrame frame;
  Model model;
};

// What a presenter dialog does the usual way: its presenter starts with
// init() and takes each command by control id, and no other message is its
// own. A dialog that differs derives from this and hides what it does
// otherwise; `Args` is what the opener hands it (a frame and a model).
template <class Presenter, class Args>
struct PresenterDialog {
  using State = PresenterWindow<Presenter>;
  using Arguments = Args;
  // What the dialog ends with when opened without arguments.
  static constexpr INT_PTR kNoArgumentsEnd = IDCANCEL;
  // Whether it comes in front of other programs' windows when it opens.
  static constexpr bool kToFront = true;
  static const decltype(Args::model)& model(HWND, const Args& args) { return args.model; }
  static void opened(HWND, State& state) { state.presenter.init(); }
  static bool command(State& state, WPARAM wParam) { return state.presenter.command(LOWORD(wParam)); }
  static INT_PTR message(HWND, State&, UINT, WPARAM, LPARAM) { return FALSE; }
};

// The procedure every presenter dialog shares. Without memory for its state
// the dialog ends as if cancelled (2) and the program goes on; once open it
// is centred on the desktop in front.
template <class Dialog>
INT_PTR CALLBACK presenterDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  using State = typename Dialog::State;
  INT_PTR result = FALSE;
  if (commonDialogMessage<State>(dialog, msg, wParam, lParam, &result)) return result;
  if (msg == WM_INITDIALOG) {
    const auto* args = dialogArgs<typename Dialog::Arguments>(dialog, lParam, Dialog::kNoArgumentsEnd);
    if (!args) return TRUE;
    auto* state = new (std::nothrow) State(dialog, args->frame, Dialog::model(dialog, *args));
    if (!state) {
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    attachDialogState(dialog, state);
    Dialog::opened(dialog, *state);
    centreWindowOn(GetDesktopWindow(), dialog);
    if (Dialog::kToFront) SetForegroundWindow(dialog);
    return TRUE;
  }
  State* state = dialogState<State>(dialog);
  if (!state) return FALSE;
  if (msg == WM_COMMAND) return Dialog::command(*state, wParam) ? TRUE : FALSE;
  return Dialog::message(dialog, *state, msg, wParam, lParam);
}

}  // namespace vdx
