#include "tweaker/display/win32/outputs_dialog_proc.h"

#include "tweaker/resources/resource.h"
#include "tweaker/ui/win32/dialog_host.h"
#include "tweaker/ui/win32/dialog_utils.h"

namespace vdx {
namespace {

struct DisplayPicture {
  int control, icon;
};
const DisplayPicture kDisplayPictures[] = {
    {IDC_OUT_CRT_ICON, IDI_OUT_CRT},
    {IDC_OUT_TV_ICON, IDI_OUT_TV},
    {IDC_OUT_LCD_ICON, IDI_OUT_LCD},
    {IDC_OUT_FLAT_ICON, IDI_OUT_LCD},
};
constexpr size_t kPictureCount = sizeof kDisplayPictures / sizeof kDisplayPictures[0];

// The presenter and the small display pictures beside the status texts,
// which the dialog owns (an icon loaded at 16x16 is not shared).
struct OutputsDialogWindow : PresenterWindow<OutputsDialog> {
  using PresenterWindow::PresenterWindow;
  ~OutputsDialogWindow() {
    for (HICON icon : pictures)
      if (icon) DestroyIcon(icon);
  }
  HICON pictures[kPictureCount] = {};
};

void showPictures(HWND dialog, OutputsDialogWindow& state) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  for (size_t i = 0; i < kPictureCount; ++i) {
    const DisplayPicture& p = kDisplayPictures[i];
    state.pictures[i] =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(p.icon), IMAGE_ICON, 16, 16, 0));
    if (state.pictures[i])
      SendDlgItemMessageA(dialog, p.control, STM_SETICON, reinterpret_cast<WPARAM>(state.pictures[i]), 0);
  }
}

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
      showPictures(dialog, *state);
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
