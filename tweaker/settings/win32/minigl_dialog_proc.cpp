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

}  // namespace

void MiniGLDialogWin32::opened(HWND dialog, State& state) {
  DragAcceptFiles(dialog, TRUE);
  state.presenter.init();
  PostMessageA(dialog, kMiniGLRefresh, 0, 0);
}

bool MiniGLDialogWin32::command(State& state, WPARAM wParam) {
  const HWND dialog = state.surface.window();
  const WORD id = LOWORD(wParam);
  if (id == IDC_MGL_ADD) {
    chooseProgram(dialog);
  } else if (id == IDC_MGL_LIST) {
    if (HIWORD(wParam) == LBN_SELCHANGE) PostMessageA(dialog, kMiniGLRefresh, 0, 0);
  } else {
    return false;
  }
  return true;
}

INT_PTR MiniGLDialogWin32::message(HWND dialog, State& state, UINT msg, WPARAM wParam, LPARAM lParam) {
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
  }
  return FALSE;
}

}  // namespace vdx
