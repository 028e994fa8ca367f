// The one procedure and runner behind every presenter dialog of the program:
// it makes the presenter over the dialog's controls, hands it commands and
// scroll notices the way tweaker/ui/dialog_presenter.h describes, answers
// context help, and hands the presenter's result back to the opener.
#pragma once
#include <windows.h>

#include <cstdint>
#include <new>

#include "tweaker/ui/dialog_presenter.h"
#include "tweaker/ui/dialog_slots.h"
#include "tweaker/ui/win32/dialog_utils.h"
#include "tweaker/ui/win32/win32_dialog_surface.h"

namespace vdx {

// Where a dialog stands when it opens.
enum class DialogPlacement : uint8_t {
  DesktopInFront,  // centred on the desktop, in front of other programs' windows
  Desktop,         // centred on the desktop
  OverOwner,       // centred over the window that opened it
};

// What the opener hands a dialog (DialogBoxParamA's parameter) and what it
// has back when the dialog returns.
struct DialogRunBase {
  DialogFrame frame;
  DialogPlacement placement = DialogPlacement::DesktopInFront;
};
template <class Presenter>
struct DialogRun : DialogRunBase {
  typename Presenter::Model model;
  DialogResultOf<Presenter> result;  // the presenter's, as the dialog closed
};

// A dialog's state from WM_INITDIALOG until WM_DESTROY, held by its window.
struct DialogWindow {
  DialogWindow(HWND dialog, const DialogFrame& frame) : frame(frame), surface(dialog) {}
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;
  DialogFrame frame;
  Win32DialogSurface surface;
};

namespace host_detail {
// A model with an `owner` gets the dialog itself: its message boxes belong to it.
template <class Model>
auto ownedBy(Model model, HWND dialog, int) -> decltype(model.owner = dialog, Model()) {
  model.owner = dialog;
  return model;
}
template <class Model>
const Model& ownedBy(const Model& model, HWND, long) {
  return model;
}
}  // namespace host_detail

// The usual state: the presenter over the dialog's surface.
template <class Presenter>
struct PresenterWindow : DialogWindow {
  PresenterWindow(HWND dialog, DialogRun<Presenter>& run)
      : DialogWindow(dialog, run.frame), run(run), presenter(surface, host_detail::ownedBy(run.model, dialog, 0)) {}
  DialogRun<Presenter>& run;
  Presenter presenter;
};

// Hands `state` to the dialog window and puts the window in its slot.
void attachDialogState(HWND dialog, DialogWindow* state);
DialogWindow* dialogWindowOf(HWND dialog);
void detachDialogState(HWND dialog);
// Context help (WM_HELP, WM_CONTEXTMENU) from the frame's help file: true
// when `msg` was one of them, with the procedure's answer in *result.
bool contextHelpMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const DialogFrame* frame,
                        INT_PTR* result);
void placeDialog(HWND dialog, DialogPlacement placement);

// What a presenter dialog does of its own on Win32; the usual dialog has
// nothing. A dialog that differs derives from this and hides what it does
// otherwise (a larger State derived from PresenterWindow among it).
template <class P>
struct PresenterDialog {
  using Presenter = P;
  using State = PresenterWindow<P>;
  static void opened(HWND, State& state) { state.presenter.init(); }
  // A command taken before the presenter sees it.
  static bool command(State&, WPARAM) { return false; }
  // A dialog with messages of its own says so and has message().
  static constexpr bool kMessages = false;
  static INT_PTR message(HWND, State&, UINT, WPARAM, LPARAM) { return FALSE; }
};

// What the shared procedure needs of one dialog, as plain functions; a null
// one is not needed.
struct DialogOps {
  DialogWindow* (*create)(HWND dialog, DialogRunBase& run);  // null without memory
  void (*opened)(HWND dialog, DialogWindow& state);
  bool (*command)(DialogWindow& state, WPARAM wParam);
  bool (*scrolled)(DialogWindow& state, int id, int code);
  INT_PTR (*message)(HWND dialog, DialogWindow& state, UINT msg, WPARAM wParam, LPARAM lParam);
  void (*destroy)(DialogWindow* state);  // hands the result back and frees the state
};

// The procedure every presenter dialog shares. Opened without a run, or
// without memory for its state, the dialog ends as if cancelled (2) and the
// program goes on.
INT_PTR presenterDialogMessage(const DialogOps& ops, HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

namespace host_detail {
template <class Dialog>
struct Ops {
  using State = typename Dialog::State;
  using Presenter = typename Dialog::Presenter;
  static State& of(DialogWindow& w) { return static_cast<State&>(w); }
  static DialogWindow* create(HWND dialog, DialogRunBase& run) {
    return new (std::nothrow) State(dialog, static_cast<DialogRun<Presenter>&>(run));
  }
  static void opened(HWND dialog, DialogWindow& w) { Dialog::opened(dialog, of(w)); }
  static bool command(DialogWindow& w, WPARAM wParam) {
    State& state = of(w);
    return Dialog::command(state, wParam) ||
           presenterCommand(state.presenter, state.surface, LOWORD(wParam), HIWORD(wParam));
  }
  static bool scrolled(DialogWindow& w, int id, int code) { return presenterScrolled(of(w).presenter, id, code); }
  static INT_PTR message(HWND dialog, DialogWindow& w, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Dialog::message(dialog, of(w), msg, wParam, lParam);
  }
  static void destroy(DialogWindow* w) {
    State* state = &of(*w);
    state->run.result = presenterResult(state->presenter);
    delete state;
  }
  static constexpr bool kScrolls = presenter_detail::Scrolls<Presenter>::value;
  static constexpr bool kMessages = Dialog::kMessages;
  static constexpr DialogOps ops = {create, opened, command, kScrolls ? scrolled : nullptr,
                                    kMessages ? message : nullptr, destroy};
};
}  // namespace host_detail

template <class Dialog>
INT_PTR CALLBACK presenterDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  return presenterDialogMessage(host_detail::Ops<Dialog>::ops, dialog, msg, wParam, lParam);
}

// Runs the dialog modally over `owner` from template `resource`; the
// dialog's end code, with the presenter's result in run.result.
template <class Dialog>
INT_PTR runPresenterDialog(HINSTANCE instance, HWND owner, int resource, DialogRun<typename Dialog::Presenter>& run) {
  DialogRunBase* base = &run;
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(resource), owner, presenterDialogProc<Dialog>,
                         reinterpret_cast<LPARAM>(base));
}

}  // namespace vdx
