// The notification-area icon. Its record is the 88-byte one Windows 95 knows.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "tweaker/shell/menu_inputs.h"
#include "tweaker/shell/tray_tooltip.h"
#include "tweaker/shell/win32/main_window.h"
#include "tweaker/shell/win32/tray_shell.h"

namespace vdx {

// The record as Windows 95 knows it: the fields up to a 64-byte tooltip.
constexpr DWORD kNotifyRecordSize = NOTIFYICONDATAA_V1_SIZE;
constexpr std::size_t kNotifyTipSize = 64;
#ifndef _WIN64
static_assert(kNotifyRecordSize == 88, "the notification record must be the Windows 95 one");
#endif

namespace {

// The icon's own record: its picture, whether it is in the notification
// area, and the tooltip it shows (kept to add it again after a shell restart).
struct TrayIconState {
  HICON icon = nullptr;
  bool added = false;
  char tip[64] = {};
};

TrayIconState& trayState() {
  static TrayIconState state;
  return state;
}

void notify(DWORD action, HWND hwnd, const char* text) {
  NOTIFYICONDATAA nid;
  std::memset(&nid, 0, sizeof nid);
  nid.cbSize = kNotifyRecordSize;
  nid.hWnd = hwnd;
  nid.uID = kTrayIconId;
  nid.uFlags = NIF_MESSAGE | NIF_ICON;
  nid.uCallbackMessage = trayCallbackMessage();
  nid.hIcon = trayState().icon;
  if (text) {
    nid.uFlags |= NIF_TIP;
    std::strncpy(nid.szTip, text, kNotifyTipSize - 1);
    nid.szTip[kNotifyTipSize - 1] = '\0';
  }
  Shell_NotifyIconA(action, &nid);
}

UINT taskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

}  // namespace

void trayLoadIcon(HINSTANCE instance, unsigned iconId) {
  trayState().icon = LoadIconA(instance, MAKEINTRESOURCEA(iconId));
  taskbarCreatedMessage();
}

void trayAdd(HWND hwnd, const char* text) {
  TrayIconState& s = trayState();
  if (!s.icon) s.icon = LoadIconA(programInstance(), MAKEINTRESOURCEA(110));
  std::strncpy(s.tip, text ? text : "", sizeof s.tip - 1);
  notify(NIM_ADD, hwnd, text);
  s.added = true;
}

void trayModify(HWND hwnd, const char* text) {
  TrayIconState& s = trayState();
  std::strncpy(s.tip, text ? text : "", sizeof s.tip - 1);
  notify(NIM_MODIFY, hwnd, text);
}

void trayDelete(HWND hwnd) {
  notify(NIM_DELETE, hwnd, nullptr);
  trayState().added = false;
}

void composeTooltip(HWND hwnd, char* text, std::size_t size) {
  const std::string tip = composeTooltipText(gatherTooltipState());
  if (text && size > 0) {
    std::strncpy(text, tip.c_str(), size - 1);
    text[size - 1] = '\0';
  }
  trayModify(hwnd, cutTooltip(tip).c_str());
}

bool trayHandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == 0) return false;
  if (msg == trayCallbackMessage()) {
    if (wParam != kTrayIconId) return true;
    if (lParam == WM_RBUTTONUP) openTrayMenu(hwnd);
    return true;
  }
  if (msg == taskbarCreatedMessage()) {
    // A restarted shell has forgotten the icon: without it the program
    // could not be reached at all.
    TrayIconState& s = trayState();
    if (s.added) notify(NIM_ADD, hwnd, s.tip);
    return true;
  }
  return false;
}

}  // namespace vdx
