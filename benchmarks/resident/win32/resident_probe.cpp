// What each tray program holds at rest, side by side with a bare tray
// program: all three are started together, left idle, then measured from
// this process: private bytes and working set (GetProcessMemoryInfo), GDI
// objects and USER objects. Then every window of Memtidy and every dialog
// and the tray menu of Vidarix are opened and closed once, and the figures
// are taken again; then a second round, against the first. Prints one line per program and measurement and the
// ratios to the bare program. Nothing here fails.
// resident_probe IDLE_SECONDS BARE.exe MEMTIDY.exe VIDARIX.exe
//
// Under Wine (8.0) GetGuiResources answers 0 and PrivateUsage reads 0 for
// another process: the script then reads private bytes from Linux (see
// run_wine_resident.sh). The GDI count then walks the
// process's GDI handle table and the USER count is its windows (menus live
// only while tracked here, and an icon's cost shows as its bitmaps among the
// GDI objects).
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/common/handle_counts.h"
#include "tweaker/resources/command_ids.h"

namespace {

struct Figures {
  double privateKB = -1;
  double workingSetKB = -1;
  long gdi = -1;
  long user = -1;
  bool gdiFromTable = false;
};

struct Running {
  std::string name;
  PROCESS_INFORMATION pi{};
  bool started = false;
};

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string nameOf(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

Running start(const std::string& exe) {
  Running r;
  r.name = nameOf(exe);
  STARTUPINFOA si;
  ZeroMemory(&si, sizeof si);
  si.cb = sizeof si;
  std::string commandLine = "\"" + exe + "\"";
  const std::string folder = folderOf(exe);
  r.started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                             &r.pi) != 0;
  if (r.started) WaitForInputIdle(r.pi.hProcess, 30000);
  return r;
}

void stop(Running& r) {
  if (!r.started) return;
  TerminateProcess(r.pi.hProcess, 0);
  WaitForSingleObject(r.pi.hProcess, 10000);
  CloseHandle(r.pi.hThread);
  CloseHandle(r.pi.hProcess);
  r.started = false;
}

Figures measure(const Running& r) {
  Figures f;
  if (!r.started) return f;
  PROCESS_MEMORY_COUNTERS_EX mc;
  ZeroMemory(&mc, sizeof mc);
  mc.cb = sizeof mc;
  if (GetProcessMemoryInfo(r.pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&mc), sizeof mc)) {
    f.privateKB = static_cast<double>(mc.PrivateUsage) / 1024.0;
    f.workingSetKB = static_cast<double>(mc.WorkingSetSize) / 1024.0;
  }
  const e2e::HandleCounts c = e2e::countHandles(r.pi.dwProcessId);
  const DWORD gdi = GetGuiResources(r.pi.hProcess, GR_GDIOBJECTS);
  const DWORD user = GetGuiResources(r.pi.hProcess, GR_USEROBJECTS);
  f.gdiFromTable = gdi == 0;
  f.gdi = gdi ? static_cast<long>(gdi) : c.gdi;
  f.user = user ? static_cast<long>(user) : c.windows;
  return f;
}

std::vector<HWND> windowsOf(DWORD pid) {
  struct Ctx {
    DWORD pid;
    std::vector<HWND> found;
  } ctx{pid, {}};
  EnumWindows(
      [](HWND w, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == c->pid) c->found.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return ctx.found;
}

HWND windowOfClass(DWORD pid, const char* cls, bool visibleOnly) {
  for (HWND w : windowsOf(pid)) {
    char name[64] = {0};
    GetClassNameA(w, name, sizeof name);
    if (lstrcmpiA(name, cls) == 0 && (!visibleOnly || IsWindowVisible(w))) return w;
  }
  return nullptr;
}

template <class Pred>
bool waitFor(Pred done, int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (!done()) {
    if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
    Sleep(5);
  }
  return true;
}

HWND visibleMenu() {
  HWND m = FindWindowA("#32768", nullptr);
  return m && IsWindowVisible(m) ? m : nullptr;
}

bool menuOnceAndEscape(HWND target, UINT message, WPARAM wp, LPARAM lp) {
  PostMessageA(target, message, wp, lp);
  HWND menu = nullptr;
  if (!waitFor([&] { return (menu = visibleMenu()) != nullptr; }, 5000)) return false;
  PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  return waitFor([] { return visibleMenu() == nullptr; }, 5000);
}

// Vidarix: the tray menu and every dialog of the menu, each closed with
// Cancel (or OK where there is no Cancel). The number that failed.
int exerciseVidarix(const Running& r) {
  HWND main = windowOfClass(r.pi.dwProcessId, "VidarixCls", false);
  if (!main) return 1;
  int failed = menuOnceAndEscape(main, RegisterWindowMessageA("VDXRM_MSG"), 101, WM_RBUTTONUP) ? 0 : 1;
  const int dialogs[] = {IDM_OPTIONS,       IDM_SCHEME_CONFIGURE, IDM_OVERCLOCK,     IDM_OUTPUTS,
                         IDM_MINIGL_CONFIG, IDM_GAMMA,            IDM_REFRESH_RATES, IDM_ABOUT};
  for (int id : dialogs) {
    PostMessageA(main, WM_COMMAND, static_cast<WPARAM>(id), 0);
    HWND d = nullptr;
    if (!waitFor([&] { return (d = windowOfClass(r.pi.dwProcessId, "#32770", true)) != nullptr; }, 5000)) {
      ++failed;
      continue;
    }
    bool closed = false;
    for (WPARAM button : {static_cast<WPARAM>(IDCANCEL), static_cast<WPARAM>(IDOK)}) {
      PostMessageA(d, WM_COMMAND, button, 0);
      if ((closed = waitFor([&] { return !IsWindow(d); }, 2000))) break;
    }
    if (!closed) ++failed;
  }
  return failed;
}

// Memtidy: its window with every tab shown, hidden again, and the tray menu.
int exerciseMemtidy(const Running& r) {
  HWND form = FindWindowA("TForm1", "Memtidy Manager");
  HWND tray = windowOfClass(r.pi.dwProcessId, "TkbTrayIconWindow", false);
  if (!form || !tray) return 1;
  int failed = 0;
  PostMessageA(tray, WM_USER, 0, WM_LBUTTONDBLCLK);
  if (!waitFor([&] { return IsWindowVisible(form) != 0; }, 5000)) return failed + 1;
  HWND tabs = GetDlgItem(form, 1000);
  const LRESULT count = tabs ? SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0) : 0;
  for (LRESULT i = 1; i < count; ++i) {
    SendMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(tabs, WM_KEYUP, VK_RIGHT, 0);
    Sleep(300);
  }
  PostMessageA(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  if (!waitFor([&] { return IsWindowVisible(form) == 0; }, 5000)) ++failed;
  if (!menuOnceAndEscape(tray, WM_USER, 0, WM_RBUTTONUP)) ++failed;
  return failed;
}

void print(const char* when, const Running& r, const Figures& f, const Figures& bare) {
  std::printf("%s %s: private %.0f KB, working set %.0f KB, GDI %ld%s, USER %ld%s", when, r.name.c_str(),
              f.privateKB, f.workingSetKB, f.gdi, f.gdiFromTable ? " (handle table)" : "", f.user,
              f.gdiFromTable ? " (windows)" : "");
  if (&f != &bare && bare.privateKB > 0 && bare.workingSetKB > 0) {
    std::printf("; to bare: private %.2fx (+%.0f KB), working set %.2fx (+%.0f KB), GDI %+ld, USER %+ld",
                f.privateKB / bare.privateKB, f.privateKB - bare.privateKB, f.workingSetKB / bare.workingSetKB,
                f.workingSetKB - bare.workingSetKB, f.gdi - bare.gdi, f.user - bare.user);
  }
  std::printf("\n");
}

double change(double after, double before) { return before > 0 ? 100.0 * (after - before) / before : 0; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::printf("usage: resident_probe IDLE_SECONDS BARE.exe MEMTIDY.exe VIDARIX.exe\n");
    return 2;
  }
  const int idle = std::atoi(argv[1]);
  std::vector<Running> programs;
  for (int i = 2; i < 5; ++i) programs.push_back(start(argv[i]));
  for (const Running& r : programs) {
    if (!r.started) std::printf("%s did not start\n", r.name.c_str());
  }
  Sleep(static_cast<DWORD>(idle) * 1000);
  std::vector<Figures> atRest;
  for (const Running& r : programs) atRest.push_back(measure(r));
  for (std::size_t i = 0; i < programs.size(); ++i) print("idle", programs[i], atRest[i], atRest[0]);
  // The script reads the Linux side of the same processes meanwhile.
  std::printf("-- idle measured\n");
  std::fflush(stdout);
  Sleep(4000);

  const int memtidyFailed = exerciseMemtidy(programs[1]);
  const int vidarixFailed = exerciseVidarix(programs[2]);
  std::printf("opened and closed every window once: Memtidy %d failed, Vidarix %d failed\n", memtidyFailed,
              vidarixFailed);
  Sleep(5000);  // what a closed window leaves to the message loop is done
  std::vector<Figures> after;
  for (const Running& r : programs) after.push_back(measure(r));
  for (std::size_t i = 0; i < programs.size(); ++i) {
    print("after", programs[i], after[i], after[0]);
    std::printf("  %s after vs idle: private %+.1f%%, working set %+.1f%%, GDI %+ld, USER %+ld\n",
                programs[i].name.c_str(), change(after[i].privateKB, atRest[i].privateKB),
                change(after[i].workingSetKB, atRest[i].workingSetKB), after[i].gdi - atRest[i].gdi,
                after[i].user - atRest[i].user);
  }
  std::printf("-- after measured\n");
  std::fflush(stdout);
  Sleep(4000);
  // A second round shows whether what the first left behind was made once
  // (caches filled on first use) or grows with every round (a leak).
  const int againFailed = exerciseMemtidy(programs[1]) + exerciseVidarix(programs[2]);
  Sleep(5000);
  for (std::size_t i = 0; i < programs.size(); ++i) {
    const Figures again = measure(programs[i]);
    std::printf("  %s second round vs first (%d failed): working set %+.1f%%, GDI %+ld, USER %+ld\n",
                programs[i].name.c_str(), againFailed, change(again.workingSetKB, after[i].workingSetKB),
                again.gdi - after[i].gdi, again.user - after[i].user);
  }
  std::printf("-- again measured\n");
  std::fflush(stdout);
  Sleep(4000);
  for (Running& r : programs) stop(r);
  return 0;
}
