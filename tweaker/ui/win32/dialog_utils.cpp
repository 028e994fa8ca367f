#include "tweaker/ui/win32/dialog_utils.h"

#include "tweaker/ui/help_ids.h"
#include "tweaker/ui/win32/window_dc.h"
#include "tweaker/ui/window_placement.h"

namespace vdx {

namespace {
// The screen size as the window's own device context reports it.
void screenSizeOf(HWND window, int* width, int* height) {
  WindowDC dc(window);
  *width = GetDeviceCaps(dc.get(), HORZRES);
  *height = GetDeviceCaps(dc.get(), VERTRES);
}

ULONG_PTR helpTable() {
  return reinterpret_cast<ULONG_PTR>(const_cast<uint32_t*>(widenedHelpIdTable().data()));
}
}  // namespace

RECT childRect(HWND dialog, int id) {
  RECT r;
  GetWindowRect(GetDlgItem(dialog, id), &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void shortenDialog(HWND dialog, int pixels) {
  RECT w;
  GetWindowRect(dialog, &w);
  SetWindowPos(dialog, nullptr, 0, 0, w.right - w.left, w.bottom - w.top - pixels,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centreWindowOn(HWND reference, HWND window) {
  RECT ref, own;
  if (!GetWindowRect(reference, &ref) || !GetWindowRect(window, &own)) return;
  int screenW = 0, screenH = 0;
  screenSizeOf(window, &screenW, &screenH);
  WindowPosition p = centredPosition(ref.left, ref.top, ref.right, ref.bottom, own.right - own.left,
                                     own.bottom - own.top, screenW, screenH);
  SetWindowPos(window, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void showContextHelp(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const std::string& helpFile) {
  const char* file = helpFile.c_str();
  if (msg == WM_HELP) {
    const HELPINFO* info = reinterpret_cast<const HELPINFO*>(lParam);
    if (!info) return;
    if (info->iContextType == HELPINFO_MENUITEM) {
      WinHelpA(dialog, file, HELP_CONTEXTPOPUP, static_cast<ULONG_PTR>(info->iCtrlId));
    } else if (info->iContextType == HELPINFO_WINDOW) {
      WinHelpA(static_cast<HWND>(info->hItemHandle), file, HELP_WM_HELP, helpTable());
    }
  } else if (msg == WM_CONTEXTMENU) {
    WinHelpA(reinterpret_cast<HWND>(wParam), file, HELP_CONTEXTMENU, helpTable());
  }
}

}  // namespace vdx
