#include "tweaker/settings/win32/minigl_dialog_proc.h"

#include "tweaker/ui/win32/common_libraries.h"
#include <shellapi.h>

#include "tweaker/resources/resource.h"

namespace vdx {
namespace {

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

// Files come by the Add button's chooser and by drag and drop; the list is
// refreshed after its selection changes, once the change has settled.
struct MiniGLDialogFrame : PresenterDialog<MiniGLDialog, MiniGLDialogArgs> {
  static void opened(HWND dialog, State& state) {
    DragAcceptFiles(dialog, TRUE);
    state.presenter.init();
    PostMessageA(dialog, kMiniGLRefresh, 0, 0);
  }
  static bool command(State& state, WPARAM wParam) {
    const HWND dialog = state.surface.window();
    switch (LOWORD(wParam)) {
      case IDC_MGL_ADD:
        chooseProgram(dialog);
        return true;
      case IDC_MGL_REMOVE:
        state.presenter.removeSelected();
        return true;
      case IDC_MGL_LIST:
        if (HIWORD(wParam) == LBN_SELCHANGE) PostMessageA(dialog, kMiniGLRefresh, 0, 0);
        return true;
      case IDOK:
        state.presenter.ok();
        return true;
      case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return true;
      default:
        return false;
    }
  }
  static INT_PTR message(HWND dialog, State& state, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
      case kMiniGLRefresh:
        state.presenter.refresh();
        return TRUE;
      case kMiniGLAddFile:
        if (lParam) state.presenter.addFile(reinterpret_cast<const char*>(lParam));
        return TRUE;
      case WM_DROPFILES:
        takeDrop(dialog, reinterpret_cast<HDROP>(wParam));
        return TRUE;
      default:
        return FALSE;
    }
  }
};

}  // namespace

INT_PTR CALLBACK miniGLDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  return presenterDialogProc<MiniGLDialogFrame>(dialog, msg, wParam, lParam);
}

}  // namespace vdx
