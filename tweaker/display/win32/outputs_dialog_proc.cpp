#include "tweaker/display/win32/outputs_dialog_proc.h"

#include "tweaker/resources/resource.h"

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

constexpr WORD kEndScroll = 8;

struct OutputsDialogFrame : PresenterDialog<OutputsDialog, OutputsDialogArgs> {
  using State = OutputsDialogWindow;
  static constexpr bool kToFront = false;
  // The presenter's message boxes belong to the dialog.
  static OutputsDialogModel model(HWND dialog, const OutputsDialogArgs& args) {
    OutputsDialogModel model = args.model;
    model.owner = dialog;
    return model;
  }
  static void opened(HWND dialog, State& state) {
    showPictures(dialog, state);
    state.presenter.init();
  }
  static bool command(State& state, WPARAM wParam) {
    const WORD id = LOWORD(wParam);
    // The lists count only a change of selection.
    const bool list = id == IDC_OUT_TV_STANDARD || id == IDC_OUT_TV_PORT;
    if (list && HIWORD(wParam) != CBN_SELCHANGE) return false;
    return state.presenter.command(id);
  }
  static INT_PTR message(HWND, State& state, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_HSCROLL && msg != WM_VSCROLL) return FALSE;
    if (LOWORD(wParam) == kEndScroll && lParam)
      state.presenter.scrollEnded(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
    return TRUE;
  }
};

}  // namespace

INT_PTR CALLBACK outputsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  return presenterDialogProc<OutputsDialogFrame>(dialog, msg, wParam, lParam);
}

}  // namespace vdx
