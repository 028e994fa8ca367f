// The tray menu driven by keys: its placement, "Clear Clipboard", a
// "Free up" amount and "&Close Memtidy".
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>

#include "tests/e2e/memtool_tray/tray_fixture.h"

using mt::Ctl;
using namespace traye2e;

namespace {

// Entries counted from the bottom of the menu.
constexpr int kClose = 1;
constexpr int kOpen = 2;
constexpr int kFreeUp3 = 3;
constexpr int kClearClipboard = 6;
constexpr int kEntries = 12;

bool fillClipboard(const char* text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const size_t n = std::strlen(text) + 1;
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, n);
  if (mem) {
    std::memcpy(GlobalLock(mem), text, n);
    GlobalUnlock(mem);
    if (!SetClipboardData(CF_TEXT, mem)) GlobalFree(mem);
  }
  CloseClipboard();
  return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

int clipboardFormats() {
  if (!OpenClipboard(nullptr)) return -1;
  const int n = CountClipboardFormats();
  CloseClipboard();
  return n;
}

// The most memory the process has ever had in use, in MB.
// Working set in MB, the peak so far or the present one; -1 when unreadable.
long long workingSetMB(HANDLE process, bool peak) {
  PROCESS_MEMORY_COUNTERS c = {};
  c.cb = sizeof c;
  if (!GetProcessMemoryInfo(process, &c, sizeof c)) return -1;
  std::printf("  (working set %llu MB, peak working set %llu MB)\n", (unsigned long long)(c.WorkingSetSize >> 20),
              (unsigned long long)(c.PeakWorkingSetSize >> 20));
  return static_cast<long long>((peak ? c.PeakWorkingSetSize : c.WorkingSetSize) >> 20);
}

}  // namespace

E2E_SCENARIO(tray_menu_clipboard_free_up_and_close) {
  if (mte2e::ntMode()) return;
  quietSettings();
  mte2e::Session s;
  if (!e2e::check(s.start(), "Memtidy starts hidden in the tray")) return;

  // Placement: right edge at the cursor, top raised by one menu height per entry.
  HWND menu = openTrayMenu(s, 900, 700);
  if (!e2e::check(menu != nullptr, "a right click opens the tray menu")) {
    s.stop();
    return;
  }
  RECT r = {};
  GetWindowRect(menu, &r);
  e2e::checkEq(900, r.right, "the menu's right edge is at the cursor");
  e2e::checkEq(700 - kEntries * GetSystemMetrics(SM_CYMENUSIZE), r.top, "the menu's top is raised by 12 entries");
  e2e::screenshot(mte2e::shotName("tray-menu"));

  e2e::check(fillClipboard("Memtidy clipboard test"), "the driver filled the clipboard");
  chooseFromBottom(menu, kClearClipboard);
  e2e::checkEq(0, clipboardFormats(), "\"Clear Clipboard\" emptied it");
  e2e::check(IsWindow(s.form) && !IsWindowVisible(s.form), "the window stays hidden");

  // "Free up 4 MB" commits 4 MB plus what is free (small under the test's
  // meminfo), writes it and lets it go.
  // From the present working set: the peak so far can lie above it (start-up
  // and the first menu), and a program that rests smaller would then show less
  // growth of its peak for the same recovery.
  const long long before = workingSetMB(s.process.handle, false);
  menu = openTrayMenu(s, 900, 700);
  if (!e2e::check(menu != nullptr, "the menu opens again")) {
    s.stop();
    return;
  }
  chooseFromBottom(menu, kFreeUp3);
  const long long after = workingSetMB(s.process.handle, true);
  e2e::check(before >= 0 && after >= before + 20, "a \"Free up\" item ran a recovery of 4 + 20 MB (peak memory grew)",
             std::to_string(before) + " MB -> " + std::to_string(after) + " MB");
  e2e::check(IsWindow(s.form) && !IsWindowVisible(s.form), "Memtidy runs on, hidden, after the recovery");

  menu = openTrayMenu(s, 900, 700);
  if (!e2e::check(menu != nullptr, "the menu opens for Open")) {
    s.stop();
    return;
  }
  chooseFromBottom(menu, kOpen);
  e2e::check(e2e::waitVisible(s.form, 5000), "\"&Open Memtidy \" shows the window");
  e2e::checkEq(mt::kTabMemtidy, s.selectedTab(), "on the first tab");
  e2e::check(s.minimise(), "minimising hides it again");

  menu = openTrayMenu(s, 900, 700);
  if (!e2e::check(menu != nullptr, "the menu opens a third time")) {
    s.stop();
    return;
  }
  HWND trayWindow = s.tray;
  chooseFromBottom(menu, kClose);
  DWORD code = 1;
  e2e::check(e2e::waitExit(s.process, 10000, &code), "\"&Close Memtidy\" ends the program");
  e2e::checkEq(0, static_cast<long long>(code), "exit code");
  e2e::check(!IsWindow(trayWindow), "the tray icon's window is gone");
  e2e::pause(500);
  e2e::screenshot(mte2e::shotName("tray-after-close"));
}
