#include "tests/e2e/memtool/memtidy_session.h"

#include <commctrl.h>

namespace mte2e {

std::string exePath() { return e2e::option("exe"); }

std::string exeFolder() {
  std::string p = exePath();
  size_t slash = p.find_last_of('\\');
  return slash == std::string::npos ? "" : p.substr(0, slash);
}

bool ntMode() { return e2e::option("mode", "nt40") != "win98"; }

std::string shotName(const std::string& what) { return "memtidy-" + e2e::option("mode", "nt40") + "-" + what; }

void forgetSettings() {
  e2e::regDeleteTree(HKEY_CURRENT_USER, kSettingsKey);
  e2e::regDeleteValue(HKEY_LOCAL_MACHINE, kRunKey, "Memtidy");
}

bool Session::start() {
  process = e2e::launch(exePath());
  form = e2e::waitWindow("TForm1", "Memtidy Manager", 15000);
  tray = e2e::waitWindow("TkbTrayIconWindow", nullptr, 5000);
  e2e::pause(1500);  // the first monitor tick
  return form != nullptr && tray != nullptr;
}

bool Session::stop() {
  if (form && IsWindow(form)) PostMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
  DWORD code = 1;
  if (!e2e::waitExit(process, 10000, &code)) {
    e2e::kill(process);
    return false;
  }
  return code == 0;
}

bool Session::showByTrayDoubleClick() {
  PostMessageA(tray, WM_USER, 0, WM_LBUTTONDBLCLK);
  return e2e::waitVisible(form, 5000);
}

void Session::selectTab(int index) {
  HWND tabs = control(mt::Ctl::PageControl1);
  for (int guard = 0; guard < 10 && selectedTab() != index; ++guard) {
    UINT key = selectedTab() < index ? VK_RIGHT : VK_LEFT;
    SendMessageA(tabs, WM_KEYDOWN, key, 0);
    SendMessageA(tabs, WM_KEYUP, key, 0);
  }
  e2e::pause(300);
}

int Session::selectedTab() const {
  return static_cast<int>(SendMessageA(control(mt::Ctl::PageControl1), TCM_GETCURSEL, 0, 0));
}

bool Session::minimise() {
  PostMessageA(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  return e2e::waitHidden(form, 5000);
}

bool trayShowsLevelBar() {
  // The notification area sits in the bottom right corner of the desktop.
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  bool found = false;
  for (int y = h - 40; y < h && !found; ++y)
    for (int x = w - 200; x < w && !found; ++x) {
      COLORREF c = GetPixel(screen, x, y);
      found = GetRValue(c) < 40 && GetGValue(c) > 220 && GetBValue(c) < 40;
    }
  ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace mte2e
