#include "tweaker/settings/win32/minigl_dialog_proc.h"

#include "tweaker/ui/win32/common_libraries.h"
#include <shellapi.h>

#include "tweaker/resources/resource.h"
#include "tweaker/ui/win32/dialog_host.h"
#include "tweaker/ui/win32/dialog_utils.h"

namespace vdx {
namespace {

using MiniGLDialogWindow = PresenterWindow<MiniGLDialog>;

MiniGLDialogWindow* stateOf(HWND dialog) { return dialogState<MiniGLDialogWindow>(dialog); }

void chooseProgram(HWND dialog) {
  char filter[sizeof kMiniGLFilter + 1] = {0};
  for (std::size_t i = 0; i + 1 < sizeof kMiniGLFilter; ++i) filter[i] = kMiniGLFilter[i] == '|' ? '\0' : kMiniGLFilter[i];
  char file[MAX_PATH] = {0};
  char systemDir[MAX_PATH] = {0};
  const UINT len = GetSystemDirectoryA(systemDir, MAX_PATH);
  if (len >= MAX_PATH) systemDir[0] = '\0';
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = dialog;
  ofn.lpstrFilter = filter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrInitialDir = systemDir[0] ? systemDir : nullptr;
  ofn.lpstrTitle = kMiniGLChooserTitle;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (getOpenFileName(&ofn)) SendMessageA(dialog, kMiniGLAddFile, 0, reinterpret_cast<LPARAM>(file));
}

void takeDrop(HWND dialog, HDROP drop) {
  char file[MAX_PATH] = {0};
  // Only the first file counts.
  const UINT len = DragQueryFileA(drop, 0, file, MAX_PATH);
  DragFinish(drop);
  if (len == 0 || len >= MAX_PATH) return;
  SendMessageA(dialog, kMiniGLAddFile, 0, reinterpret_cast<LPARAM>(file));
  SetFocus(dialog);
}

}  // namespace

INT_PTR CALLBACK miniGLDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR common = FALSE;
  if (commonDialogMessage<MiniGLDialogWindow>(dialog, msg, wParam, lParam, &common)) return common;
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* args = dialogArgs<MiniGLDialogArgs>(dialog, lParam);
      if (!args) return TRUE;
      auto* state = new MiniGLDialogWindow(dialog, args->frame, args->model);
      centreWindowOn(GetDesktopWindow(), dialog);
      SetForegroundWindow(dialog);
      attachDialogState(dialog, state);
      DragAcceptFiles(dialog, TRUE);
      state->presenter.init();
      PostMessageA(dialog, kMiniGLRefresh, 0, 0);
      return TRUE;
    }
    case kMiniGLRefresh:
      if (MiniGLDialogWindow* state = stateOf(dialog)) state->presenter.refresh();
      return TRUE;
    case kMiniGLAddFile:
      if (MiniGLDialogWindow* state = stateOf(dialog)) {
        if (lParam) state->presenter.addFile(reinterpret_cast<const char*>(lParam));
      }
      return TRUE;
    case WM_DROPFILES:
      if (stateOf(dialog)) takeDrop(dialog, reinterpret_cast<HDROP>(wParam));
      return TRUE;
    case WM_COMMAND: {
      MiniGLDialogWindow* state = stateOf(dialog);
      if (!state) return FALSE;
      switch (LOWORD(wParam)) {
        case IDC_MGL_ADD:
          chooseProgram(dialog);
          return TRUE;
        case IDC_MGL_REMOVE:
          state->presenter.removeSelected();
          return TRUE;
        case IDC_MGL_LIST:
          if (HIWORD(wParam) == LBN_SELCHANGE) PostMessageA(dialog, kMiniGLRefresh, 0, 0);
          return TRUE;
        case IDOK:
          state->presenter.ok();
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        default:
          return FALSE;
      }
    }
    default:
      return FALSE;
  }
}

}  // namespace vdx
