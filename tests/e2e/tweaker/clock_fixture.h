// What the clock scenarios share: a Vidarix started on the simulated card,
// the card key the clock settings live in, the Overclock dialog, and the
// simulated chip's clocks as its state file beside the program holds them.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/display_watch.h"
#include "tests/e2e/tweaker/running_vidarix.h"
#include "tweaker/resources/command_ids.h"

namespace clockfx {

constexpr const char* kProgramKey = "Software\\Tessaly\\Vidarix";
constexpr const char* kQuestionStart = "Vidarix may not have been shut down properly";
// The card keys of the simulated cards ("%x_%x%x": device, subsystem vendor, subsystem).
constexpr const char* kSavage4Key = "8a22_53338a22";
constexpr const char* kSavage3DKeyPrefix = "8a20_";
// Slider, label and row controls of the Overclock dialog.
constexpr int kMclkSlider = 1030, kMclkLabel = 1032, kMclkApply = 1043, kEclkSlider = 1038, kEclkLabel = 1040;

inline std::string vidarixExe() { return e2e::option("exe", "Vidarix-sim.exe"); }

inline std::string exeFolder() {
  const std::string exe = vidarixExe();
  const size_t slash = exe.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : exe.substr(0, slash);
}

inline std::string statePath() { return exeFolder() + "\\VidarixSim.state"; }
inline std::string simIniPath() { return exeFolder() + "\\VidarixSim.ini"; }

// Asks the simulated machine for a fresh power-up at its next start, as a
// restart of the computer would give ("[Machine] Reset=1").
inline void requestMachineReset() { WritePrivateProfileStringA("Machine", "Reset", "1", simIniPath().c_str()); }

// Asks the running simulated chip to go back to its power-up registers at
// its next register access ("[Machine] PowerCycle=1"), as a suspend that cut
// the card's power leaves it; the program sees nothing of it.
inline void requestPowerCycle() { WritePrivateProfileStringA("Machine", "PowerCycle", "1", simIniPath().c_str()); }

// The card's own key: the subkey of the program key whose name starts with
// `prefix` and that holds the clock settings.
inline std::string cardKey(const char* prefix = kSavage4Key) {
  HKEY key;
  std::string found;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return found;
  char name[128];
  for (DWORD i = 0;; ++i) {
    DWORD len = sizeof name;
    if (RegEnumKeyExA(key, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    std::string path = std::string(kProgramKey) + "\\" + name;
    if (std::string(name).rfind(prefix, 0) == 0 && e2e::regExists(HKEY_LOCAL_MACHINE, path.c_str(), "MclkDef")) {
      found = path;
      break;
    }
  }
  RegCloseKey(key);
  return found;
}

inline std::string cardValue(const char* name) {
  std::string v = "<absent>";
  const std::string path = cardKey();
  e2e::regReadString(HKEY_LOCAL_MACHINE, path.c_str(), name, &v);
  return v;
}

inline void forgetSavedClocks() {
  const std::string path = cardKey();
  e2e::regDeleteValue(HKEY_LOCAL_MACHINE, path.c_str(), "MclkSpeed");
  e2e::regDeleteValue(HKEY_LOCAL_MACHINE, path.c_str(), "EclkSpeed");
  e2e::regDeleteValue(HKEY_LOCAL_MACHINE, path.c_str(), "Overclocked");
}

// The simulated chip's clock generators as its state file holds them: the
// in-force divisor pairs (Mclk first, then Eclk) as hex text, and the
// frequencies they give (the Savage4 and Savage3D have no post-divider flag).
struct ChipClocks {
  std::string mclkPair;  // "MMNN", empty when the state file cannot be read
  std::string eclkPair;
  double mclk = 0.0;
  double eclk = 0.0;
  std::string describe() const {
    char buf[96];
    wsprintfA(buf, "Mclk %s (%d.%02d MHz), Eclk %s", mclkPair.c_str(), static_cast<int>(mclk),
              static_cast<int>(mclk * 100) % 100, eclkPair.c_str());
    return buf;
  }
};

inline double pllMhz(unsigned m, unsigned n) {
  return (static_cast<double>(n & 0x7F) + 2) * 14.31818 / ((static_cast<double>(m & 0x1F) + 2) * (1 << ((m >> 5) & 3)));
}

inline ChipClocks chipClocks() {
  ChipClocks c;
  static char buf[8192];
  buf[0] = 0;
  GetPrivateProfileStringA("Chip", "Registers", "", buf, sizeof buf, statePath().c_str());
  const std::string s = buf;
  const size_t last = s.find_last_of(':');
  if (last == std::string::npos || s.size() < last + 9) return c;
  const std::string latched = s.substr(last + 1);
  c.mclkPair = latched.substr(0, 4);
  c.eclkPair = latched.substr(4, 4);
  const unsigned long mclk = std::strtoul(c.mclkPair.c_str(), nullptr, 16);
  const unsigned long eclk = std::strtoul(c.eclkPair.c_str(), nullptr, 16);
  c.mclk = pllMhz(static_cast<unsigned>(mclk >> 8), static_cast<unsigned>(mclk & 0xFF));
  c.eclk = pllMhz(static_cast<unsigned>(eclk >> 8), static_cast<unsigned>(eclk & 0xFF));
  return c;
}

// The scheme file, whose "Vidarix Clk" section is the clock log.
inline std::string schemeFile() {
  char dir[MAX_PATH] = {};
  GetSystemDirectoryA(dir, sizeof dir);
  return std::string(dir) + "\\Vidarix.dat";
}

inline void clearClockLog() { WritePrivateProfileStringA("Vidarix Clk", nullptr, nullptr, schemeFile().c_str()); }

// The values of the clock log, one per entry, "|" after each.
inline std::string clockLog(int* entries = nullptr) {
  static char section[8192];
  section[0] = section[1] = 0;
  GetPrivateProfileSectionA("Vidarix Clk", section, sizeof section, schemeFile().c_str());
  std::string out;
  int n = 0;
  for (const char* p = section; *p; p += std::strlen(p) + 1) {
    const char* eq = std::strchr(p, '=');
    out += std::string(eq ? eq + 1 : p) + "|";
    ++n;
  }
  if (entries) *entries = n;
  return out;
}

// Whether the request "[Machine] PowerCycle=1" is still waiting for the chip's
// next register access.
inline bool powerCyclePending() {
  char v[16] = {};
  GetPrivateProfileStringA("Machine", "PowerCycle", "0", v, sizeof v, simIniPath().c_str());
  return std::string(v) == "1";
}

using displaywatch::screenDepth;
using displaywatch::setDepth;

// A real display change: away to another depth and back to `depth`, each
// announced to every window with WM_DISPLAYCHANGE.
inline bool displayChange(int depth) {
  const bool away = setDepth(depth == 16 ? 32 : 16);
  e2e::pause(300);
  const bool back = setDepth(depth);
  e2e::pause(700);
  return e2e::check(away && back, "the screen switches away and back to " + std::to_string(depth) + " bits per pixel");
}

// ---- real keys in the X display --------------------------------------------
// Wine's programs cannot start xdotool themselves, so the suite runs a helper
// beside the driver (x_input_helper in e2e-lib.sh) that takes one xdotool
// command line from the folder --x-input names ("request", one argument a
// line) and answers with its exit status ("done").
inline bool xdotool(const std::vector<std::string>& args, std::string* why) {
  const std::string dir = e2e::option("x-input", "");
  if (dir.empty()) {
    *why = "no --x-input folder: the suite runs no X input helper";
    return false;
  }
  std::string text;
  for (const std::string& a : args) text += a + "\n";
  DeleteFileA((dir + "\\done").c_str());
  if (!e2e::writeFile(dir + "\\request.tmp", text) ||
      !MoveFileExA((dir + "\\request.tmp").c_str(), (dir + "\\request").c_str(), MOVEFILE_REPLACE_EXISTING)) {
    *why = "cannot write the request in " + dir;
    return false;
  }
  for (int waited = 0; waited < 15000; waited += 50) {
    const std::string done = e2e::readFile(dir + "\\done");
    if (!done.empty()) {
      DeleteFileA((dir + "\\done").c_str());
      *why = "xdotool exit status " + done.substr(0, done.find_first_of("\r\n"));
      return done[0] == '0';
    }
    Sleep(50);
  }
  *why = "the X input helper did not answer within 15 s";
  return false;
}

// A small window of the driver's own that takes the X input focus, so the
// keys xdotool presses reach Wine (X sends key events to the focused window
// only, and Wine keeps the key state from the events its windows get).
class KeyFocusWindow {
 public:
  static constexpr const char* kTitle = "Vidarix e2e keys";
  KeyFocusWindow() {
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", kTitle, WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 40, 40,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    pump(200);
  }
  ~KeyFocusWindow() {
    if (window_) DestroyWindow(window_);
  }
  // Focuses this window and presses or releases a key there.
  bool key(const char* action, const char* keysym, std::string* why) {
    const bool ok = xdotool({"search", "--sync", "--name", std::string("^") + kTitle + "$", "windowfocus", "--sync",
                             action, keysym},
                            why);
    pump(300);
    return ok;
  }
  static void pump(int ms) {
    for (int t = 0; t < ms; t += 20) {
      MSG m;
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
      Sleep(20);
    }
  }

 private:
  HWND window_ = nullptr;
};

// A scenario's own card: the preset, freshly powered up, with no saved
// speeds; the card file and the chip's state as they were come back at the
// end, so the scenarios after it meet the card they left.
class FreshCard {
 public:
  explicit FreshCard(const std::string& preset = "Savage4")
      : ini_(e2e::readFile(simIniPath())), state_(e2e::readFile(statePath())) {
    e2e::writeFile(simIniPath(), "[Card]\r\nPreset=" + preset + "\r\n[Machine]\r\nReset=1\r\n");
    forgetSavedClocks();
  }
  ~FreshCard() {
    forgetSavedClocks();
    e2e::writeFile(simIniPath(), ini_);
    e2e::writeFile(statePath(), state_);
  }
  FreshCard(const FreshCard&) = delete;
  FreshCard& operator=(const FreshCard&) = delete;

 private:
  std::string ini_;
  std::string state_;
};

using vdxrun::Running;
using vdxrun::stop;
using vdxrun::waitMain;
inline Running start(const std::string& args = "") { return vdxrun::launch(args); }

// Waits for the crash-guard question of a start and presses "Yes" or "No";
// returns whether it came, with its text, and was answered.
inline bool answerCrashGuard(Running& r, bool yes, const char* shot = nullptr) {
  HWND box = e2e::waitDialog(r.process.id, "Vidarix", 10000);
  if (!e2e::check(box != nullptr, "the crash-guard question appears")) return false;
  std::string all;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    all += e2e::text(child) + "|";
  e2e::check(all.find(kQuestionStart) != std::string::npos, "it asks about the saved clock settings", all);
  if (shot) e2e::screenshot(shot);
  // The box's buttons carry the ids of their answers.
  HWND button = e2e::control(box, yes ? IDYES : IDNO);
  if (!e2e::check(button != nullptr, yes ? "the question has \"Yes\"" : "the question has \"No\"")) return false;
  e2e::click(button);
  return e2e::check(e2e::waitGone(box, 5000), "the answer closes the question");
}

inline HWND openOverclock(Running& r) {
  PostMessageA(r.main, WM_COMMAND, IDM_OVERCLOCK, 0);
  HWND dialog = e2e::waitDialog(r.process.id, "Overclock", 5000);
  e2e::check(dialog != nullptr, "\"Overcloc&k...\" opens \"Overclock\"");
  return dialog;
}

// Moves the Mclk slider to `position` as a drag of its thumb would.
inline void moveMclkSlider(HWND dialog, LRESULT position) {
  HWND slider = e2e::control(dialog, kMclkSlider);
  SendMessageA(slider, TBM_SETPOS, TRUE, position);
  SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(slider));
  e2e::pause(200);
}

// Saves a higher Mclk through the dialog; returns whether it was saved.
inline bool saveHigherMclk(Running& r) {
  HWND dialog = openOverclock(r);
  if (!dialog) return false;
  const LRESULT hi = SendMessageA(e2e::control(dialog, kMclkSlider), TBM_GETRANGEMAX, 0, 0);
  moveMclkSlider(dialog, hi - 1);
  e2e::click(e2e::control(dialog, 1));
  e2e::waitGone(dialog, 5000);
  return e2e::checkEq("On", cardValue("Overclocked"), "\"Overclocked\" is on after Save");
}

inline std::string mclkLabel(Running& r) {
  HWND dialog = openOverclock(r);
  if (!dialog) return "";
  const std::string label = e2e::text(e2e::control(dialog, kMclkLabel));
  e2e::click(e2e::control(dialog, 2));
  e2e::waitGone(dialog, 5000);
  return label;
}

}  // namespace clockfx
