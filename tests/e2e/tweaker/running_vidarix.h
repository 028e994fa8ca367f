// A Vidarix started by a scenario on the registry as it stands (not a first
// start, so no menu question), its main window, and its dialogs opened by
// their commands.
#pragma once
#include <windows.h>

#include <string>

#include "tests/e2e/common/driver.h"

namespace vdxrun {

struct Running {
  e2e::Process process;
  HWND main = nullptr;
};

// Starts the program and returns at once: a question at start can be answered.
inline Running launch(const std::string& args = "") {
  Running r;
  e2e::regWriteString(HKEY_LOCAL_MACHINE, "Software\\Tessaly\\Vidarix", "FirstRun", "off");
  r.process = e2e::launch(e2e::option("exe", "Vidarix-sim.exe"), args);
  return r;
}

// Waits for the main window, then lets the start-up finish.
inline void waitMain(Running& r, int settleMs = 500) {
  r.main = e2e::waitWindow("VidarixCls", nullptr, 10000);
  e2e::check(r.main != nullptr, "the main window of class \"VidarixCls\" exists");
  e2e::pause(settleMs);
}

inline Running startAndWait(int settleMs = 500) {
  Running r = launch();
  waitMain(r, settleMs);
  return r;
}

inline void stop(Running& r) {
  if (r.main) PostMessageA(r.main, WM_CLOSE, 0, 0);
  if (!e2e::waitExit(r.process, 5000)) e2e::kill(r.process);
}

inline HWND openDialog(Running& r, int command, const char* title, int settleMs = 0) {
  if (!r.main) return nullptr;
  PostMessageA(r.main, WM_COMMAND, static_cast<WPARAM>(command), 0);
  HWND dialog = e2e::waitDialog(r.process.id, title, 5000);
  e2e::check(dialog != nullptr, std::string("the command opens \"") + title + "\"");
  if (dialog && settleMs) e2e::pause(settleMs);
  return dialog;
}

}  // namespace vdxrun
