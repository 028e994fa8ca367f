// The icon's lifetime: back after the shell restarts, gone after "E&xit".
#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/tray_session.h"

E2E_SCENARIO(tray_icon_returns_when_the_taskbar_is_recreated) {
  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;
  e2e::check(s.iconPresent(), "the icon is there after start-up");
  // What a restarted shell looks like to the program: its icons are gone
  // and "TaskbarCreated" is broadcast.
  NOTIFYICONDATAA nid;
  std::memset(&nid, 0, sizeof nid);
  nid.cbSize = sizeof nid;
  nid.hWnd = s.window();
  nid.uID = 101;
  Shell_NotifyIconA(NIM_DELETE, &nid);
  e2e::check(!s.iconPresent(), "the shell has forgotten the icon");
  PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  bool back = false;
  for (int i = 0; i < 40 && !back; ++i) {
    e2e::pause(50);
    back = s.iconPresent();
  }
  e2e::check(back, "the program adds its icon again");
  e2e::screenshot("vidarix-tray-icon-back");
  HWND menu = s.openMenu();
  if (menu) s.closeMenu();
}

E2E_SCENARIO(tray_exit_removes_the_icon_and_ends) {
  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;
  HWND window = s.window();
  HWND menu = s.openMenu();
  if (!menu) return;
  tray::mnemonic(menu, 'x');  // "E&xit"
  DWORD code = 0xDEADBEEF;
  e2e::check(e2e::waitExit(s.process(), 5000, &code), "the program ends");
  e2e::checkEq(0, static_cast<long long>(code), "exit code 0");
  e2e::check(!IsWindow(window), "the main window is gone");
  NOTIFYICONDATAA nid;
  std::memset(&nid, 0, sizeof nid);
  nid.cbSize = sizeof nid;
  nid.hWnd = window;
  nid.uID = 101;
  e2e::check(Shell_NotifyIconA(NIM_MODIFY, &nid) == FALSE, "no icon is left behind");
}
