// The Gamma and Refresh Rates dialogs in the running program on the
// simulated adapter. Gamma: a slider move previews the table on the driver,
// OK commits it and stores it under the mode's name, a restart applies it,
// "Globally" stores "Gamma(all)", Cancel after Apply goes back to the applied
// table. Refresh Rates: a new rate for the mode in use resets the display and
// asks; left unanswered the old rate comes back after 15 seconds, Yes keeps
// the new one; a rate for another mode is only stored. Photographed.
#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/display_watch.h"
#include "tests/e2e/tweaker/running_vidarix.h"
#include "tests/e2e/tweaker/shown_icon.h"
#include "tests/e2e/tweaker/sim_state.h"
#include "tweaker/resources/command_ids.h"
#include "tweaker/resources/resource.h"

namespace {

const char kProgramKey[] = "Software\\Tessaly\\Vidarix";
constexpr int kIdApply = 3;
constexpr int kAboutClassKey = 1017;  // the About dialog's class key line

// A freshly powered-up Savage4 (its gamma table all zero).
void powerUpCard() {
  e2e::writeFile(sim::exeFolder() + "\\VidarixSim.ini", "[Card]\r\nPreset=Savage4\r\n[Machine]\r\nReset=1\r\n");
}

std::vector<std::string> subkeys(const std::string& path) {
  std::vector<std::string> out;
  HKEY k = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return out;
  char name[260];
  for (DWORD i = 0;; ++i) {
    DWORD len = sizeof name;
    if (RegEnumKeyExA(k, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    out.push_back(path + "\\" + name);
  }
  RegCloseKey(k);
  return out;
}

std::vector<std::string> valueNames(const std::string& path) {
  std::vector<std::string> out;
  HKEY k = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return out;
  char name[260];
  for (DWORD i = 0;; ++i) {
    DWORD len = sizeof name;
    if (RegEnumValueA(k, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    out.push_back(name);
  }
  RegCloseKey(k);
  return out;
}

// Every stored gamma value and "GammaType" of every card key removed.
void forgetGamma() {
  for (const std::string& key : subkeys(kProgramKey)) {
    for (const std::string& name : valueNames(key)) {
      if (name.rfind("Gamma", 0) == 0) e2e::regDeleteValue(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str());
    }
  }
}

// The card key that holds "GammaType" (written by the Gamma dialog's OK), or "".
std::string gammaCardKey() {
  for (const std::string& key : subkeys(kProgramKey)) {
    if (e2e::regExists(HKEY_LOCAL_MACHINE, key.c_str(), "GammaType")) return key;
  }
  return "";
}

std::string value(HKEY root, const std::string& key, const char* name) {
  std::string v = "<absent>";
  e2e::regReadString(root, key.c_str(), name, &v);
  return v;
}

struct Mode {
  DWORD width = 0, height = 0, depth = 0;
};

Mode modeIn(DWORD which) {
  DEVMODEA dm;
  ZeroMemory(&dm, sizeof dm);
  dm.dmSize = sizeof dm;
  Mode m;
  if (EnumDisplaySettingsA(nullptr, which, &dm)) m = Mode{dm.dmPelsWidth, dm.dmPelsHeight, dm.dmBitsPerPel};
  return m;
}

std::string modeName(const Mode& m) {
  return std::to_string(m.width) + "x" + std::to_string(m.height) + "x" + std::to_string(m.depth);
}

// ---- the gamma table ---------------------------------------------------------

// The table entry the program computes for gamma `g` at brightness 1
// (its table builder), the same for the three channels.
long long expectedEntry(float g, int i) {
  const double x = i * 0.00392156862745098;
  int v = static_cast<int>(255 * std::pow(x, 1.0 / g) + 0.005);
  if (v < 0) v = 0;
  if (v > 255) v = 255;
  return static_cast<long long>(v) << 16 | v << 8 | v;
}

// The first entry where the driver's table differs from gamma `g`, or -1.
int tableMismatch(float g, std::string* saw) {
  for (int i = 0; i < 256; ++i) {
    const long long got = sim::gammaEntry(i);
    if (got != expectedEntry(g, i)) {
      char text[96];
      std::snprintf(text, sizeof text, "entry %d holds %06llX, gamma %.2f gives %06llX", i, got, g,
                    expectedEntry(g, i));
      *saw = text;
      return i;
    }
  }
  return -1;
}

bool checkTable(float g, const std::string& what, int waitMs = 0) {
  std::string saw;
  int bad = tableMismatch(g, &saw);
  for (int waited = 0; bad >= 0 && waited < waitMs; waited += 100) {
    e2e::pause(100);
    bad = tableMismatch(g, &saw);
  }
  return e2e::check(bad < 0, what, saw);
}

// ---- the running program -------------------------------------------------------

using vdxrun::Running;
using vdxrun::stop;
Running start() { return vdxrun::startAndWait(800); }

// Buttons that start a nested message loop are posted, so this thread is not held.
void post(HWND dialog, int id, int code = 0, HWND from = nullptr) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(from));
}

// The gamma slider taken to `pos` as a drag would: every move is a WM_HSCROLL.
void moveGamma(HWND dialog, int pos) {
  HWND slider = e2e::control(dialog, IDC_GAMMA_SLIDER);
  SendMessageA(slider, TBM_SETPOS, TRUE, pos);
  SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, pos), reinterpret_cast<LPARAM>(slider));
  e2e::pause(300);
}

// An item's text from another process. The wide messages: Wine hands the
// ANSI ones back across processes as wide text.
std::string itemText(HWND w, UINT lenMsg, UINT textMsg, LRESULT index) {
  if (index < 0) return "<none>";
  wchar_t wide[128] = {};
  if (SendMessageW(w, lenMsg, index, 0) >= static_cast<LRESULT>(sizeof wide / sizeof wide[0])) return "<long>";
  SendMessageW(w, textMsg, index, reinterpret_cast<LPARAM>(wide));
  char text[256] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}
std::string comboText(HWND combo, LRESULT index) { return itemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index); }
std::string listText(HWND list, LRESULT index) { return itemText(list, LB_GETTEXTLEN, LB_GETTEXT, index); }

LRESULT comboFind(HWND combo, const std::string& text) {
  const LRESULT n = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    if (comboText(combo, i) == text) return i;
  }
  return -1;
}

float storedFigure(const char* text) { return static_cast<float>(std::strtod(text, nullptr)); }

}  // namespace

// ---- Gamma -----------------------------------------------------------------------

E2E_SCENARIO(gamma_dialog_previews_stores_by_mode_and_applies_at_start) {
  forgetGamma();
  powerUpCard();
  const Mode mode = modeIn(ENUM_CURRENT_SETTINGS);
  if (!e2e::check(mode.depth > 8, "the display runs at more than 8 bpp", modeName(mode))) return;
  Running r = start();
  HWND dialog = vdxrun::openDialog(r, IDM_GAMMA, "Gamma", 300);
  if (!dialog) return stop(r);
  const long long commits = sim::driverWord(sim::kGammaCommitsWord);
  HWND storage = e2e::control(dialog, IDC_GAMMA_STORAGE);
  e2e::checkEq(4, SendMessageA(storage, CB_GETCOUNT, 0, 0), "the storage list has four items");
  e2e::checkEq("By resolution + colour", comboText(storage, SendMessageA(storage, CB_GETCURSEL, 0, 0)),
               "no stored \"GammaType\": by resolution + colour");
  e2e::check(e2e::checked(e2e::control(dialog, IDC_GAMMA_ALL)), "equal channels open on \"&All\"");
  e2e::checkEq("1.00", e2e::text(e2e::control(dialog, IDC_GAMMA_VALUE)), "the gamma starts at 1.00");
  e2e::check(!IsWindowVisible(e2e::control(dialog, IDC_GAMMA_DISPLAY1)), "one display: no \"Display &1\"");
  checkTable(1.0f, "opening applies the identity table (nothing stored)");

  moveGamma(dialog, 220);
  e2e::checkEq("2.20", e2e::text(e2e::control(dialog, IDC_GAMMA_VALUE)), "the value text follows the slider");
  e2e::checkEq(0xBABABA, sim::gammaEntry(128), "the driver holds the previewed table: 2.2 gives 186 at 128");
  checkTable(2.2f, "the driver holds the whole previewed table");
  e2e::checkEq(commits, sim::driverWord(sim::kGammaCommitsWord), "a preview commits nothing");
  e2e::check(IsWindowEnabled(e2e::control(dialog, kIdApply)) != 0, "a move enables \"&Apply\"");
  e2e::screenshot("vidarix-gamma-dialog");

  e2e::click(e2e::control(dialog, IDOK));
  e2e::check(e2e::waitGone(dialog, 3000), "OK closes the dialog");
  e2e::checkEq(commits + 1, sim::driverWord(sim::kGammaCommitsWord), "OK commits the table once");
  checkTable(2.2f, "after OK the driver keeps the table");
  const std::string card = gammaCardKey();
  e2e::check(!card.empty(), "a card key holds \"GammaType\"");
  const std::string name = "Gamma(" + modeName(mode) + ")";
  e2e::checkEq("Gamma=2.20 2.20 2.20 Bright=1.00 1.00 1.00", value(HKEY_LOCAL_MACHINE, card, name.c_str()),
               "the card key holds the text under \"" + name + "\"");
  e2e::checkEq("ByMode", value(HKEY_LOCAL_MACHINE, card, "GammaType"), "\"GammaType\" is by mode");
  stop(r);

  // A powered-up card again: only the program can put the table back.
  powerUpCard();
  Running again = start();
  checkTable(storedFigure("2.20"), "the stored gamma is applied at start-up", 3000);
  e2e::checkEq(0, sim::driverWord(sim::kGammaCommitsWord), "start-up previews, it does not commit");
  dialog = vdxrun::openDialog(again, IDM_GAMMA, "Gamma", 300);
  if (dialog) {
    e2e::checkEq("2.20", e2e::text(e2e::control(dialog, IDC_GAMMA_VALUE)), "the dialog opens on the stored gamma");
    e2e::checkEq(220, SendMessageA(e2e::control(dialog, IDC_GAMMA_SLIDER), TBM_GETPOS, 0, 0), "the slider too");
    post(dialog, IDCANCEL);
    e2e::waitGone(dialog, 3000);
  }
  stop(again);
}

E2E_SCENARIO(gamma_dialog_stores_globally_and_cancel_after_apply_restores) {
  forgetGamma();
  powerUpCard();
  Running r = start();
  HWND dialog = vdxrun::openDialog(r, IDM_GAMMA, "Gamma", 300);
  if (!dialog) return stop(r);
  HWND storage = e2e::control(dialog, IDC_GAMMA_STORAGE);
  const LRESULT globally = comboFind(storage, "Globally");
  e2e::checkEq(2, globally, "\"Globally\" is the third item");
  SendMessageA(storage, CB_SETCURSEL, globally, 0);
  post(dialog, IDC_GAMMA_STORAGE, CBN_SELCHANGE, storage);
  moveGamma(dialog, 150);
  checkTable(150 * 0.01f, "the preview follows the slider");
  e2e::click(e2e::control(dialog, IDOK));
  e2e::check(e2e::waitGone(dialog, 3000), "OK closes the dialog");
  const std::string card = gammaCardKey();
  e2e::checkEq("Gamma=1.50 1.50 1.50 Bright=1.00 1.00 1.00", value(HKEY_LOCAL_MACHINE, card, "Gamma(all)"),
               "\"Globally\": the text under \"Gamma(all)\"");
  e2e::checkEq("Global", value(HKEY_LOCAL_MACHINE, card, "GammaType"), "\"GammaType\" is global");
  const std::string byMode = "Gamma(" + modeName(modeIn(ENUM_CURRENT_SETTINGS)) + ")";
  e2e::checkEq("<absent>", value(HKEY_LOCAL_MACHINE, card, byMode.c_str()), "nothing under the mode's name");

  dialog = vdxrun::openDialog(r, IDM_GAMMA, "Gamma", 300);
  if (!dialog) return stop(r);
  storage = e2e::control(dialog, IDC_GAMMA_STORAGE);
  e2e::checkEq("Globally", comboText(storage, SendMessageA(storage, CB_GETCURSEL, 0, 0)),
               "the dialog opens on \"Globally\"");
  e2e::checkEq("1.50", e2e::text(e2e::control(dialog, IDC_GAMMA_VALUE)), "and on the global gamma");
  const long long commits = sim::driverWord(sim::kGammaCommitsWord);
  moveGamma(dialog, 180);
  e2e::click(e2e::control(dialog, kIdApply));
  e2e::pause(300);
  e2e::checkEq(commits + 1, sim::driverWord(sim::kGammaCommitsWord), "\"&Apply\" commits the table");
  e2e::check(!IsWindowEnabled(e2e::control(dialog, kIdApply)), "\"&Apply\" disables itself");
  checkTable(180 * 0.01f, "the applied table is on the driver");
  moveGamma(dialog, 250);
  checkTable(250 * 0.01f, "a later move previews again");
  post(dialog, IDCANCEL);
  e2e::check(e2e::waitGone(dialog, 3000), "Cancel closes the dialog");
  e2e::pause(300);
  checkTable(180 * 0.01f, "Cancel after Apply restores the applied table");
  e2e::checkEq(commits + 1, sim::driverWord(sim::kGammaCommitsWord), "Cancel commits nothing");
  e2e::checkEq("Gamma=1.50 1.50 1.50 Bright=1.00 1.00 1.00", value(HKEY_LOCAL_MACHINE, card, "Gamma(all)"),
               "Apply and Cancel write nothing");
  stop(r);
  forgetGamma();
}

// ---- Refresh Rates ---------------------------------------------------------------

namespace {

// Waits for a box of the program while pumping this thread's messages (the
// display watcher must answer the program's broadcast).
HWND waitBoxPumping(DWORD processId, int timeoutMs) {
  for (int waited = 0;; waited += 50) {
    for (HWND w : e2e::windowsOf(processId)) {
      char cls[64] = {};
      GetClassNameA(w, cls, sizeof cls);
      if (std::string(cls) == "#32770" && e2e::text(w) == "Vidarix") return w;
    }
    if (waited >= timeoutMs) return nullptr;
    e2e::pause(50);
  }
}

bool waitGonePumping(HWND w, int timeoutMs) {
  for (int waited = 0; IsWindow(w) && IsWindowVisible(w); waited += 50) {
    if (waited >= timeoutMs) return false;
    e2e::pause(50);
  }
  return true;
}

std::string boxText(HWND box) { return e2e::text(e2e::control(box, IDC_MSGBOX_TEXT)); }

struct RefreshSetup {
  std::string classKey;   // the running card's driver class key
  Mode current;           // the mode in use
  Mode other;             // a listed mode that is not in use
  std::string currentKey, otherKey, defaultKey;
};

std::string modeKeyOf(const std::string& classKey, const Mode& m) {
  return classKey + "\\MODES\\" + std::to_string(m.depth) + "\\" + std::to_string(m.width) + "," +
         std::to_string(m.height);
}

// The class key as the About dialog names it, without the root.
std::string classKeyOf(Running& r) {
  PostMessageA(r.main, WM_COMMAND, IDM_ABOUT, 0);
  HWND about = e2e::waitDialog(r.process.id, nullptr, 8000);
  e2e::check(about != nullptr, "the About dialog opens");
  if (!about) return "";
  e2e::pause(300);
  std::string key = e2e::text(e2e::control(about, kAboutClassKey));
  PostMessageA(about, WM_COMMAND, IDOK, 0);
  if (!e2e::waitGone(about, 3000)) PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
  e2e::waitGone(about, 3000);
  const size_t at = key.find("System\\");
  key = at == std::string::npos ? std::string() : key.substr(at);
  e2e::check(key.find("Services\\Class\\Display\\") != std::string::npos, "the running card's class key", key);
  return key;
}

// The program running on a Savage4 with known rates: the mode in use allows
// 60,72,75,85,100 and was set to `currentRate` ("" for none); another listed
// mode allows 60,72,75 with no rate of its own; DEFAULT holds "-1".
RefreshSetup prepare(Running& r, const char* currentRate) {
  RefreshSetup s;
  s.classKey = classKeyOf(r);
  if (s.classKey.empty()) return s;
  s.current = modeIn(ENUM_CURRENT_SETTINGS);
  for (DWORD i = 0;; ++i) {
    const Mode m = modeIn(i);
    if (m.width == 0) break;
    if (m.depth > 4 && modeName(m) != modeName(s.current)) {
      s.other = m;
      break;
    }
  }
  s.currentKey = modeKeyOf(s.classKey, s.current);
  s.otherKey = modeKeyOf(s.classKey, s.other);
  s.defaultKey = s.classKey + "\\DEFAULT";
  e2e::regWriteString(HKEY_LOCAL_MACHINE, s.currentKey.c_str(), "", "60,72,75,85,100");
  if (*currentRate) e2e::regWriteString(HKEY_LOCAL_MACHINE, s.currentKey.c_str(), "RefreshRate", currentRate);
  else e2e::regDeleteValue(HKEY_LOCAL_MACHINE, s.currentKey.c_str(), "RefreshRate");
  e2e::regWriteString(HKEY_LOCAL_MACHINE, s.otherKey.c_str(), "", "60,72,75");
  e2e::regDeleteValue(HKEY_LOCAL_MACHINE, s.otherKey.c_str(), "RefreshRate");
  e2e::regWriteString(HKEY_LOCAL_MACHINE, s.defaultKey.c_str(), "RefreshRate", "-1");
  return s;
}

// As the provisioning left them.
void restore(const RefreshSetup& s) {
  if (s.classKey.empty()) return;
  e2e::regDeleteValue(HKEY_LOCAL_MACHINE, s.currentKey.c_str(), "RefreshRate");
  e2e::regDeleteValue(HKEY_LOCAL_MACHINE, s.otherKey.c_str(), "RefreshRate");
  e2e::regWriteString(HKEY_LOCAL_MACHINE, s.defaultKey.c_str(), "RefreshRate", "-1");
}

std::string rate(const std::string& key) { return value(HKEY_LOCAL_MACHINE, key, "RefreshRate"); }

std::string modeItem(const Mode& m) {
  return std::to_string(m.width) + " x " + std::to_string(m.height) + " x " + std::to_string(m.depth) + " bpp";
}

HWND openRefresh(Running& r, const RefreshSetup& s) {
  HWND dialog = vdxrun::openDialog(r, IDM_REFRESH_RATES, "Refresh Rates", 300);
  if (!dialog) return nullptr;
  HWND list = e2e::control(dialog, IDC_REFRESH_MODES);
  e2e::checkEq(modeItem(s.current), listText(list, SendMessageA(list, LB_GETCURSEL, 0, 0)),
               "the dialog opens on the mode in use");
  e2e::check(!IsWindowEnabled(e2e::control(dialog, kIdApply)), "\"&Apply\" starts disabled");
  return dialog;
}

std::string selectedRate(HWND dialog) {
  HWND combo = e2e::control(dialog, IDC_REFRESH_RATES);
  return comboText(combo, SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

// A rate chosen in the drop-down as a user would: the selection, then CBN_SELCHANGE.
bool pickRate(HWND dialog, const std::string& text) {
  HWND combo = e2e::control(dialog, IDC_REFRESH_RATES);
  const LRESULT index = comboFind(combo, text);
  if (!e2e::check(index >= 0, "the rate list offers " + text)) return false;
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  post(dialog, IDC_REFRESH_RATES, CBN_SELCHANGE, combo);
  e2e::pause(200);
  return e2e::check(IsWindowEnabled(e2e::control(dialog, kIdApply)) != 0, "choosing " + text + " enables \"&Apply\"");
}

bool pickMode(HWND dialog, const Mode& m) {
  HWND list = e2e::control(dialog, IDC_REFRESH_MODES);
  LRESULT index = -1;
  for (LRESULT i = 0, n = SendMessageA(list, LB_GETCOUNT, 0, 0); i < n && index < 0; ++i) {
    if (listText(list, i) == modeItem(m)) index = i;
  }
  if (!e2e::check(index >= 0, "the mode list offers " + modeItem(m))) return false;
  SendMessageA(list, LB_SETCURSEL, index, 0);
  post(dialog, IDC_REFRESH_MODES, LBN_SELCHANGE, list);
  e2e::pause(200);
  return true;
}

}  // namespace

E2E_SCENARIO(refresh_rates_unanswered_question_restores_the_old_rate) {
  powerUpCard();
  const displaywatch::Watch watch;  // a display reset reaches every top-level window
  Running r = start();
  const RefreshSetup s = prepare(r, "75");
  if (s.classKey.empty()) return stop(r);
  HWND dialog = openRefresh(r, s);
  if (!dialog) return stop(r), restore(s);
  e2e::checkEq("75 Hz", selectedRate(dialog), "the mode's stored rate is selected");
  e2e::check(e2e::text(e2e::control(dialog, IDC_REFRESH_WARNING)).find("WARNING! Some refresh rates") == 0,
             "the warning shows", e2e::text(e2e::control(dialog, IDC_REFRESH_WARNING)));
  if (!pickRate(dialog, "85 Hz")) return post(dialog, IDCANCEL), stop(r), restore(s);
  e2e::screenshot("vidarix-refresh-rates-dialog");
  watch.forget();
  post(dialog, kIdApply);
  HWND ask = waitBoxPumping(r.process.id, 8000);
  e2e::check(ask != nullptr, "Apply for the mode in use asks");
  if (!ask) return post(dialog, IDCANCEL), stop(r), restore(s);
  e2e::checkEq("Do you want to keep your new refresh rate?", boxText(ask), "the question");
  e2e::checkEq("85", rate(s.currentKey), "while it asks the new rate is in the registry");
  e2e::check(watch.changes() >= 1, "the display was reset before the question",
             std::to_string(watch.changes()) + " WM_DISPLAYCHANGE");
  e2e::screenshot("vidarix-refresh-rates-question");
  const DWORD asked = GetTickCount();
  e2e::check(waitGonePumping(ask, 20000), "left alone, the question goes");
  const DWORD took = GetTickCount() - asked;
  e2e::check(took >= 13000, "after its 15-second countdown", std::to_string(took) + " ms");
  HWND notice = waitBoxPumping(r.process.id, 5000);
  e2e::check(notice != nullptr && notice != ask, "a notice follows the time-out");
  if (notice && notice != ask) {
    e2e::checkEq("Your previous refresh rate has been restored.", boxText(notice), "the notice");
    e2e::checkEq("75", rate(s.currentKey), "the old rate is back under the mode's key");
    e2e::checkEq("-1", rate(s.defaultKey), "DEFAULT keeps its rate");
    e2e::check(watch.changes() >= 2, "the display was reset again",
               std::to_string(watch.changes()) + " WM_DISPLAYCHANGE");
    e2e::click(e2e::control(notice, IDOK));
    waitGonePumping(notice, 3000);
  }
  e2e::pause(300);
  e2e::checkEq("75 Hz", selectedRate(dialog), "the drop-down shows the old rate again");
  e2e::check(!IsWindowEnabled(e2e::control(dialog, kIdApply)), "\"&Apply\" is disabled again");
  post(dialog, IDCANCEL);
  e2e::check(e2e::waitGone(dialog, 3000), "Cancel closes the dialog");
  e2e::checkEq("75", rate(s.currentKey), "Cancel writes nothing");
  stop(r);
  restore(s);
}

E2E_SCENARIO(refresh_rates_yes_keeps_the_new_rate) {
  powerUpCard();
  const displaywatch::Watch watch;  // a display reset reaches every top-level window
  Running r = start();
  const RefreshSetup s = prepare(r, "");
  if (s.classKey.empty()) return stop(r);
  HWND dialog = openRefresh(r, s);
  if (!dialog) return stop(r), restore(s);
  e2e::checkEq("Optimal", selectedRate(dialog), "no rate of its own: DEFAULT's \"-1\" shows Optimal");
  if (!pickRate(dialog, "72 Hz")) return post(dialog, IDCANCEL), stop(r), restore(s);
  post(dialog, IDOK);
  HWND ask = waitBoxPumping(r.process.id, 8000);
  e2e::check(ask != nullptr, "OK for the mode in use asks");
  if (!ask) return post(dialog, IDCANCEL), stop(r), restore(s);
  e2e::checkEq("Do you want to keep your new refresh rate?", boxText(ask), "the question");
  e2e::click(e2e::control(ask, IDYES));
  e2e::check(waitGonePumping(ask, 3000), "Yes closes the question");
  e2e::check(e2e::waitGone(dialog, 3000), "and OK then closes the dialog");
  e2e::pause(500);
  e2e::check(waitBoxPumping(r.process.id, 1000) == nullptr, "Yes brings no notice");
  e2e::checkEq("72", rate(s.currentKey), "the new rate stays under the mode's key");
  e2e::checkEq("-1", rate(s.defaultKey), "DEFAULT keeps its rate");
  dialog = openRefresh(r, s);
  if (dialog) {
    e2e::checkEq("72 Hz", selectedRate(dialog), "the dialog opens on the kept rate");
    post(dialog, IDCANCEL);
    e2e::waitGone(dialog, 3000);
  }
  stop(r);
  restore(s);
}

E2E_SCENARIO(refresh_rates_for_another_mode_resets_nothing) {
  powerUpCard();
  const displaywatch::Watch watch;  // a display reset reaches every top-level window
  Running r = start();
  const RefreshSetup s = prepare(r, "");
  if (s.classKey.empty()) return stop(r);
  if (!e2e::check(s.other.width != 0, "another mode is listed")) return stop(r), restore(s);
  HWND dialog = openRefresh(r, s);
  if (!dialog) return stop(r), restore(s);
  SetForegroundWindow(dialog);
  e2e::pause(200);
  HWND icon = e2e::control(dialog, IDC_REFRESH_ICON);
  shownicon::checkShows(icon, e2e::option("exe", "Vidarix-sim.exe"), IDI_REFRESH_WARNING,
                        "control 137 shows the program's own icon 136");
  RECT iconRect = {}, warningRect = {};
  GetWindowRect(icon, &iconRect);
  GetWindowRect(e2e::control(dialog, IDC_REFRESH_WARNING), &warningRect);
  e2e::check(iconRect.right <= warningRect.left && iconRect.top < warningRect.bottom,
             "the icon stands beside the warning");
  if (!pickMode(dialog, s.other)) return post(dialog, IDCANCEL), stop(r), restore(s);
  e2e::checkEq(5, SendMessageA(e2e::control(dialog, IDC_REFRESH_RATES), CB_GETCOUNT, 0, 0),
               "the other mode lists Optimal, Adapter default and its three rates");
  if (!pickRate(dialog, "72 Hz")) return post(dialog, IDCANCEL), stop(r), restore(s);
  e2e::screenshot("vidarix-refresh-rates-other-mode");
  watch.forget();
  post(dialog, IDOK);
  e2e::check(e2e::waitGone(dialog, 3000), "OK closes the dialog");
  e2e::check(waitBoxPumping(r.process.id, 2000) == nullptr, "nothing asks");
  e2e::checkEq(0, static_cast<long long>(watch.changes()), "nothing resets the display");
  e2e::checkEq("72", rate(s.otherKey), "the rate is stored under that mode's key");
  e2e::checkEq("<absent>", rate(s.currentKey), "the mode in use keeps no rate of its own");
  e2e::checkEq("-1", rate(s.defaultKey), "DEFAULT is untouched");
  stop(r);
  restore(s);
}
