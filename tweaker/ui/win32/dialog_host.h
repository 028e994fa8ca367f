// What every dialog window of the program holds while it is open, and the
// messages every one of them answers the same way.
#pragma once
#include <windows.h>

#include "tweaker/ui/dialog_slots.h"
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

}  // namespace vdx
