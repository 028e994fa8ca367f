// The clocks in the running program: the Overclock dialog saves a higher
// Mclk into the card key and marks "Overclocked"; a start after a kill asks
// the crash-guard question, and "Yes" drops the saved speeds. Photographed.
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

}  // namespace

E2E_SCENARIO(overclock_save_then_crash_guard_yes) {
  Running r = start();
  waitMain(r);
  HWND dialog = openOverclock(r);
  if (!dialog) return stop(r);
  e2e::pause(300);
  e2e::screenshot("vidarix-overclock-dialog");
  HWND slider = e2e::control(dialog, 1030);
  const LRESULT lo = SendMessageA(slider, TBM_GETRANGEMIN, 0, 0);
  const LRESULT hi = SendMessageA(slider, TBM_GETRANGEMAX, 0, 0);
  e2e::check(lo > 0 && hi > lo, "the Mclk slider has a range", std::to_string(lo) + ".." + std::to_string(hi));
  e2e::checkEq(25, SendMessageA(slider, TBM_GETPAGESIZE, 0, 0), "page size 25");
  e2e::check(e2e::text(e2e::control(dialog, 1032)).find("(Startup default)") != std::string::npos,
             "the Mclk label names the start-up clock", e2e::text(e2e::control(dialog, 1032)));
  // One step below the top: a higher Mclk than the card's own.
  SendMessageA(slider, TBM_SETPOS, TRUE, hi - 1);
  SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, hi - 1), reinterpret_cast<LPARAM>(slider));
  e2e::pause(200);
  const std::string label = e2e::text(e2e::control(dialog, 1032));
  e2e::check(label.find("(Startup default)") == std::string::npos, "the moved slider shows another clock", label);
  e2e::screenshot("vidarix-overclock-dialog-moved");
  e2e::click(e2e::control(dialog, 1));
  e2e::check(e2e::waitGone(dialog, 5000), "Save closes the dialog");
  const std::string saved = cardValue("MclkSpeed");
  e2e::check(saved != "<absent>" && saved.substr(0, 3) == label.substr(0, 3), "\"MclkSpeed\" holds the new clock",
             saved + " / " + label);
  e2e::checkEq("On", cardValue("Overclocked"), "\"Overclocked\" is on");

  // A kill ends no session: the next start asks.
  e2e::kill(r.process);
  e2e::pause(500);
  Running again = start();
  HWND box = e2e::waitDialog(again.process.id, "Vidarix", 10000);
  e2e::check(box != nullptr, "the crash-guard question appears");
  if (box) {
    std::string all;
    for (HWND w : e2e::windowsOf(again.process.id)) all += e2e::text(w) + "|";
    HWND child = GetWindow(box, GW_CHILD);
    for (; child; child = GetWindow(child, GW_HWNDNEXT)) all += e2e::text(child) + "|";
    e2e::check(all.find(kQuestionStart) != std::string::npos, "it asks about the saved clock settings", all);
    e2e::screenshot("vidarix-overclock-crash-guard");
    HWND yes = e2e::control(box, 2011);
    if (!yes) yes = e2e::control(box, IDYES);
    e2e::click(yes);
  }
  waitMain(again);
  e2e::checkEq("<absent>", cardValue("MclkSpeed"), "\"Yes\" deletes \"MclkSpeed\"");
  e2e::checkEq("<absent>", cardValue("Overclocked"), "\"Yes\" deletes \"Overclocked\"");
  dialog = openOverclock(again);
  if (dialog) {
    e2e::check(e2e::text(e2e::control(dialog, 1032)).find("(Startup default)") != std::string::npos,
               "the chip runs at its start-up Mclk again", e2e::text(e2e::control(dialog, 1032)));
    e2e::click(e2e::control(dialog, 2));
    e2e::waitGone(dialog, 5000);
  }
  stop(again);
}
