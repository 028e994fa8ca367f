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
static_assert(sizeof kDisplayPictures / sizeof kDisplayPictures[0] == kOutputsPictureCount, "one picture a row");

}  // namespace

OutputsDialogState::~OutputsDialogState() {
  for (HICON icon : pictures)
    if (icon) DestroyIcon(icon);
}

void OutputsDialogWin32::opened(HWND dialog, State& state) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  for (size_t i = 0; i < kOutputsPictureCount; ++i) {
    const DisplayPicture& p = kDisplayPictures[i];
    state.pictures[i] =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(p.icon), IMAGE_ICON, 16, 16, 0));
    if (state.pictures[i])
      SendDlgItemMessageA(dialog, p.control, STM_SETICON, reinterpret_cast<WPARAM>(state.pictures[i]), 0);
  }
  state.presenter.init();
}

}  // namespace vdx
