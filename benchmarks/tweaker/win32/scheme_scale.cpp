// How Vidarix-sim's scheme costs grow with the scheme file, under Wine: for
// each size a scheme file of that many schemes is written, Vidarix-sim is
// started on it, and from outside this process times the tray menu until it
// shows, its Schemes submenu until it shows, Configure Schemes until it shows
// (its list filled), and applying the last scheme of the list (a sent
// command: done when the call returns), beside a bare popup of as many items
// and a bare sorted list box of as many names, both made in this process.
// Each REPS times; medians, and the cost per scheme over the smallest file.
// Prints figures, never fails.
// scheme_scale VIDARIX.exe FOLDER REPS SIZE [SIZE...]
// FOLDER takes the scheme files; the "SchemeFile" preference points at each
// in turn and "AutoResetDisplay" is off (an apply that changes the AGP size
// would otherwise time a display reset).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "benchmarks/tweaker/scheme_scale_file.h"
#include "tweaker/resources/command_ids.h"
#include "tweaker/resources/resource.h"

namespace {

constexpr char kProgramKey[] = "Software\\Tessaly\\Vidarix";

double nowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

template <class Pred>
bool waitFor(Pred done, int ms) {
  const double end = nowMs() + ms;
  while (!done()) {
    if (nowMs() > end) return false;
    Sleep(1);
  }
  return true;
}


// Names in a shuffled order, the last (in sorted order) last in the file:
// the sorted list does real work and the apply looks up the file's last key.
bool writeSchemeFile(const std::string& path, unsigned count) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::fputs("[Ferrolux]\r\n", f);
  for (unsigned n : scheme_scale::schemeOrder(count))
    std::fprintf(f, "Game %04u=%s\r\n", n, scheme_scale::schemeLine(n).c_str());
  return std::fclose(f) == 0;
}

bool setPreference(const char* name, const std::string& value) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const LONG r = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
  return r == ERROR_SUCCESS;
}

struct Vidarix {
  PROCESS_INFORMATION pi{};
  HWND window = nullptr;
};

bool startVidarix(const std::string& exe, Vidarix* v) {
  STARTUPINFOA si;
  ZeroMemory(&si, sizeof si);
  si.cb = sizeof si;
  std::string commandLine = "\"" + exe + "\"";
  const std::string folder = exe.substr(0, exe.find_last_of("\\/"));
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &v->pi))
    return false;
  WaitForInputIdle(v->pi.hProcess, 30000);
  return waitFor([&] { return (v->window = FindWindowA("VidarixCls", nullptr)) != nullptr; }, 30000);
}

void stopVidarix(Vidarix& v) {
  TerminateProcess(v.pi.hProcess, 0);
  WaitForSingleObject(v.pi.hProcess, 10000);
  CloseHandle(v.pi.hThread);
  CloseHandle(v.pi.hProcess);
  Sleep(300);
}

// The visible menu windows: the tray popup, then its open submenus.
int visibleMenus(HWND* last) {
  int n = 0;
  for (HWND w = FindWindowExA(nullptr, nullptr, "#32768", nullptr); w;
       w = FindWindowExA(nullptr, w, "#32768", nullptr)) {
    if (IsWindowVisible(w)) {
      ++n;
      if (last) *last = w;
    }
  }
  return n;
}

struct Times {
  double menu = -1, submenu = -1, configure = -1, apply = -1;
  long listed = -1;
};

Times once(const Vidarix& v, bool hold) {
  Times t;
  const UINT trayMessage = RegisterWindowMessageA("VDXRM_MSG");
  double start = nowMs();
  PostMessageA(v.window, trayMessage, 101, WM_RBUTTONUP);
  HWND menu = nullptr;
  if (waitFor([&] { return visibleMenus(&menu) >= 1; }, 30000)) {
    t.menu = nowMs() - start;
    // Schemes is the second popup, after TweakRes and a separator (which
    // the keys skip).
    start = nowMs();
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RIGHT, 0);
    if (waitFor([] { return visibleMenus(nullptr) >= 2; }, 30000)) t.submenu = nowMs() - start;
    if (hold) {
      std::printf("holding the Schemes submenu open\n");
      std::fflush(stdout);
      Sleep(4000);
    }
    for (int i = 0; i < 3 && visibleMenus(&menu) > 0; ++i) {
      PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
      waitFor([&] { return visibleMenus(nullptr) < 2 - i; }, 5000);
    }
    waitFor([] { return visibleMenus(nullptr) == 0; }, 5000);
  }
  Sleep(100);

  start = nowMs();
  PostMessageA(v.window, WM_COMMAND, IDM_SCHEME_CONFIGURE, 0);
  HWND dialog = nullptr;
  if (waitFor(
          [&] {
            dialog = FindWindowA("#32770", nullptr);
            return dialog && IsWindowVisible(dialog);
          },
          30000)) {
    t.configure = nowMs() - start;
    t.listed = static_cast<long>(SendDlgItemMessageA(dialog, IDC_SCHEME_LIST, LB_GETCOUNT, 0, 0));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    waitFor([&] { return !IsWindow(dialog); }, 10000);
  }
  Sleep(100);

  // The menu recorded the scheme count, so the last scheme's command is live.
  if (t.listed > 0) {
    DWORD_PTR result = 0;
    start = nowMs();
    if (SendMessageTimeoutA(v.window, WM_COMMAND, static_cast<WPARAM>(IDM_SCHEME_FIRST + t.listed - 1), 0,
                            SMTO_NORMAL, 30000, &result))
      t.apply = nowMs() - start;
  }
  return t;
}

// The popup alone, in this process: CreatePopupMenu and one AppendMenuA per
// scheme, as the tray menu makes its Schemes submenu.
double appendOnly(unsigned count) {
  const double start = nowMs();
  HMENU popup = CreatePopupMenu();
  char text[32];
  for (unsigned i = 0; i < count; ++i) {
    std::snprintf(text, sizeof text, "Game %04u", i + 1);
    AppendMenuA(popup, MF_STRING, IDM_SCHEME_FIRST + i, text);
  }
  const double elapsed = nowMs() - start;
  DestroyMenu(popup);
  return elapsed;
}

// A sorted list box alone, hidden, in this process: one LB_ADDSTRING per
// name in sorted order, as Configure Schemes fills its list.
double listBoxOnly(unsigned count) {
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
  HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VSCROLL | LBS_SORT, 0, 0, 180, 180, parent, nullptr,
                              nullptr, nullptr);
  const double start = nowMs();
  char text[32];
  for (unsigned i = 0; i < count; ++i) {
    std::snprintf(text, sizeof text, "Game %04u", i + 1);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  const double elapsed = nowMs() - start;
  DestroyWindow(parent);
  return elapsed;
}

double median(std::vector<double> v) {
  v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return x < 0; }), v.end());
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::printf("usage: scheme_scale VIDARIX.exe FOLDER REPS SIZE [SIZE...]\n");
    return 2;
  }
  const std::string exe = argv[1];
  const std::string folder = argv[2];
  const int reps = std::max(1, std::atoi(argv[3]));
  std::vector<unsigned> sizes;
  for (int i = 4; i < argc; ++i) sizes.push_back(static_cast<unsigned>(std::atoi(argv[i])));
  setPreference("AutoResetDisplay", "off");

  struct Row {
    unsigned size;
    double menu, submenu, configure, apply, append, listBox;
    long listed;
  };
  std::vector<Row> rows;
  for (unsigned size : sizes) {
    const std::string file = folder + "\\schemes-" + std::to_string(size) + ".dat";
    if (!writeSchemeFile(file, size) || !setPreference("SchemeFile", file)) {
      std::printf("%u schemes: could not write %s\n", size, file.c_str());
      continue;
    }
    Vidarix v;
    if (!startVidarix(exe, &v)) {
      std::printf("%u schemes: Vidarix-sim did not start\n", size);
      continue;
    }
    Sleep(1000);
    std::vector<double> menu, submenu, configure, apply, append, listBox;
    long listed = -1;
    once(v, false);  // warms what is made on first use
    for (int r = 0; r < reps; ++r) {
      const Times t = once(v, r == reps - 1 && size == sizes.back());
      menu.push_back(t.menu);
      submenu.push_back(t.submenu);
      configure.push_back(t.configure);
      apply.push_back(t.apply);
      listed = t.listed;
      append.push_back(appendOnly(size));
      listBox.push_back(listBoxOnly(size));
    }
    stopVidarix(v);
    rows.push_back({size, median(menu), median(submenu), median(configure), median(apply), median(append),
                    median(listBox), listed});
    std::printf("%5u schemes (%ld listed): menu %.1f ms, Schemes submenu %.1f ms, Configure Schemes %.1f ms, "
                "apply the last %.1f ms; a bare popup of as many items %.1f ms, a bare sorted list box %.1f ms "
                "(medians of %d)\n",
                size, listed, rows.back().menu, rows.back().submenu, rows.back().configure, rows.back().apply,
                rows.back().append, rows.back().listBox, reps);
    std::fflush(stdout);
  }
  // Per scheme: the time above the smallest file's, divided by the schemes
  // added (the smallest file is the fixed cost of each step).
  if (rows.size() > 1) {
    const Row& base = rows.front();
    std::printf("per scheme above %u schemes (us): size, menu, submenu, Configure Schemes, apply, bare popup, "
                "bare list box\n",
                base.size);
    for (std::size_t i = 1; i < rows.size(); ++i) {
      const double n = rows[i].size - base.size;
      std::printf("  %5u: %.2f, %.2f, %.2f, %.2f, %.2f, %.2f\n", rows[i].size, 1000 * (rows[i].menu - base.menu) / n,
                  1000 * (rows[i].submenu - base.submenu) / n, 1000 * (rows[i].configure - base.configure) / n,
                  1000 * (rows[i].apply - base.apply) / n, 1000 * (rows[i].append - base.append) / n,
                  1000 * (rows[i].listBox - base.listBox) / n);
    }
  }
  return 0;
}
