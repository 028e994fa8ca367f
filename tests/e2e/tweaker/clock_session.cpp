// The end of a Windows session puts the simulated chip back at its start-up
// clocks and clears "Overclocked"; a plain Exit leaves both as saved.
#include <string>

#include "tests/e2e/common/driver.h"

#include <commctrl.h>
#include "tweaker/resources/command_ids.h"

namespace {

const char kProgramKey[] = "Software\\Tessaly\\Vidarix";
const char kQuestionStart[] = "Vidarix may not have been shut down properly";

std::string vidarixExe() { return e2e::option("exe", "Vidarix-sim.exe"); }

// The card's own key: the subkey of the program key the clock settings live in.
std::string cardKey() {
  HKEY key;
  std::string found;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return found;
  char name[128];
  for (DWORD i = 0;; ++i) {
    DWORD len = sizeof name;
    if (RegEnumKeyExA(key, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    std::string path = std::string(kProgramKey) + "\\" + name;
    if (e2e::regExists(HKEY_LOCAL_MACHINE, path.c_str(), "MclkDef")) {
      found = path;
      break;
    }
  }
  RegCloseKey(key);
  return found;
}

std::string cardValue(const char* name) {
  std::string v = "<absent>";
  const std::string path = cardKey();
  e2e::regReadString(HKEY_LOCAL_MACHINE, path.c_str(), name, &v);
  return v;
}

struct Running {
  e2e::Process process;
  HWND main = nullptr;
};

Running start() {
  Running r;
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kProgramKey, "FirstRun", "off");
  r.process = e2e::launch(vidarixExe());
  return r;
}

void waitMain(Running& r) {
  r.main = e2e::waitWindow("VidarixCls", nullptr, 10000);
  e2e::check(r.main != nullptr, "the main window of class \"VidarixCls\" exists");
  e2e::pause(500);
}

void stop(Running& r) {
  if (r.main) PostMessageA(r.main, WM_CLOSE, 0, 0);
  if (!e2e::waitExit(r.process, 5000)) e2e::kill(r.process);
}

HWND openOverclock(Running& r) {
  PostMessageA(r.main, WM_COMMAND, IDM_OVERCLOCK, 0);
  HWND dialog = e2e::waitDialog(r.process.id, "Overclock", 5000);
  e2e::check(dialog != nullptr, "\"Overcloc&k...\" opens \"Overclock\"");
  return dialog;
}


// Saves a higher Mclk through the dialog; returns whether it was saved.
bool saveHigherMclk(Running& r) {
  HWND dialog = openOverclock(r);
  if (!dialog) return false;
  HWND slider = e2e::control(dialog, 1030);
  const LRESULT hi = SendMessageA(slider, TBM_GETRANGEMAX, 0, 0);
  SendMessageA(slider, TBM_SETPOS, TRUE, hi - 1);
  SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, hi - 1), reinterpret_cast<LPARAM>(slider));
  e2e::pause(200);
  e2e::click(e2e::control(dialog, 1));
  e2e::waitGone(dialog, 5000);
  return e2e::checkEq("On", cardValue("Overclocked"), "\"Overclocked\" is on after Save");
}

std::string mclkLabel(Running& r) {
  HWND dialog = openOverclock(r);
  if (!dialog) return "";
  const std::string label = e2e::text(e2e::control(dialog, 1032));
  e2e::click(e2e::control(dialog, 2));
  e2e::waitGone(dialog, 5000);
  return label;
}

void forgetSavedClocks() {
  const std::string path = cardKey();
  e2e::regDeleteValue(HKEY_LOCAL_MACHINE, path.c_str(), "MclkSpeed");
  e2e::regDeleteValue(HKEY_LOCAL_MACHINE, path.c_str(), "EclkSpeed");
  e2e::regDeleteValue(HKEY_LOCAL_MACHINE, path.c_str(), "Overclocked");
}

}  // namespace

std::string statePath() {
  const std::string exe = vidarixExe();
  const size_t slash = exe.find_last_of("\\/");
  return (slash == std::string::npos ? std::string(".") : exe.substr(0, slash)) + "\\VidarixSim.state";
}

E2E_SCENARIO(clock_session_end_restores_startup) {
  const std::string state = e2e::readFile(statePath());
  Running r = start();
  waitMain(r);
  if (!saveHigherMclk(r)) return stop(r);
  SendMessageTimeoutA(r.main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  SendMessageTimeoutA(r.main, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  e2e::pause(300);
  e2e::checkEq("<absent>", cardValue("Overclocked"), "the end of the session removes \"Overclocked\"");
  const std::string label = mclkLabel(r);
  e2e::check(label.find("(Startup default)") != std::string::npos, "the chip is back at its start-up Mclk", label);
  stop(r);
  // A plain Exit keeps what was saved.
  Running again = start();
  waitMain(again);
  if (saveHigherMclk(again)) {
    PostMessageA(again.main, WM_COMMAND, IDM_EXIT, 0);
    if (!e2e::waitExit(again.process, 5000)) e2e::kill(again.process);
    e2e::checkEq("On", cardValue("Overclocked"), "after a plain Exit \"Overclocked\" stays");
  } else {
    stop(again);
  }
  forgetSavedClocks();
  e2e::writeFile(statePath(), state);
}
