// The notification-area icon. Its record is the 88-byte one Windows 95 knows.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "tweaker/shell/menu_inputs.h"
#include "tweaker/shell/tray_tooltip.h"
#include "resource.h"
#include "tweaker/shell/win32/tray_shell.h"

namespace vdx {

// The record as Windows 95 knows it: the fields up to a 64-byte tooltip.
constexpr DWORD kNotifyRecordSize = NOTIFYICONDATAA_V1_SIZE;
constexpr std::size_t kNotifyTipSize = 64;
#ifndef _WIN64
static_assert(kNotifyRecordSize == 88, "the notification record must be the Windows 95 one");
#endif

namespace {

void notify(ShellWindow& shell, DWORD action, const char* text) {
  NOTIFYICONDATAA nid;
  std::memset(&nid, 0, sizeof nid);
  nid.cbSize = kNotifyRecordSize;
  nid.hWnd = shell.window;
  nid.uID = kTrayIconId;
  nid.uFlags = NIF_MESSAGE | NIF_ICON;
  nid.uCallbackMessage = shell.trayMessage;
  nid.hIcon = shell.tray.icon;
  if (text) {
    nid.uFlags |= NIF_TIP;
    std::strncpy(nid.szTip, text, kNotifyTipSize - 1);
    nid.szTip[kNotifyTipSize - 1] = '\0';
  }
  Shell_NotifyIconA(action, &nid);
}

}  // namespace

void trayLoadIcon(ShellWindow& shell, unsigned iconId) {
  shell.tray.icon = LoadIconA(shell.instance, MAKEINTRESOURCEA(iconId));
  if (!shell.taskbarCreated) shell.taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
}

void trayAdd(ShellWindow& shell, const char* text) {
  TrayIconState& s = shell.tray;
  if (!s.icon) s.icon = LoadIconA(shell.instance, MAKEINTRESOURCEA(IDI_SAVAGE3D));
  std::strncpy(s.tip, text ? text : "", sizeof s.tip - 1);
  notify(shell, NIM_ADD, text);
  s.added = true;
}

void trayModify(ShellWindow& shell, const char* text) {
  TrayIconState& s = shell.tray;
  std::strncpy(s.tip, text ? text : "", sizeof s.tip - 1);
  notify(shell, NIM_MODIFY, text);
}

void trayDelete(ShellWindow& shell) {
  notify(shell, NIM_DELETE, nullptr);
  shell.tray.added = false;
}

void composeTooltip(ShellWindow& shell, char* text, std::size_t size) {
  const std::string tip = composeTooltipText(gatherTooltipState(shell.program));
  if (text && size > 0) {
    std::strncpy(text, tip.c_str(), size - 1);
    text[size - 1] = '\0';
  }
  trayModify(shell, cutTooltip(tip).c_str());
}

bool trayHandleMessage(ShellWindow& shell, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == 0) return false;
  if (msg == shell.trayMessage) {
    if (wParam != kTrayIconId) return true;
    if (lParam == WM_RBUTTONUP) openTrayMenu(shell);
    return true;
  }
  if (msg == shell.taskbarCreated) {
    // A restarted shell has forgotten the icon: without it the program
    // could not be reached at all.
    TrayIconState& s = shell.tray;
    if (s.added) notify(shell, NIM_ADD, s.tip);
    return true;
  }
  return false;
}

}  // namespace vdx
