// Starting, showing and stopping Memtidy from the end-to-end driver.
#pragma once
#include <windows.h>

#include <string>

#include "memtool/form_controls.h"
#include "tests/e2e/common/driver.h"

namespace mte2e {

constexpr char kSettingsKey[] = "Software\\Memtidy";
constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// --exe=<Windows path of Memtidy.exe>, --mode=nt40|win98.
std::string exePath();
std::string exeFolder();
bool ntMode();
// Screenshot name: memtidy-<mode>-<what>.
std::string shotName(const std::string& what);

// Removes every stored setting and the Run entry.
void forgetSettings();

struct Session {
  e2e::Process process;
  HWND form = nullptr;
  HWND tray = nullptr;

  // Starts Memtidy and waits for its hidden window and first tick.
  bool start();
  // Ends it through the system menu's close command.
  bool stop();
  HWND control(mt::Ctl id) const { return e2e::control(form, static_cast<int>(id)); }
  // A double click on the tray icon, as the shell reports it.
  bool showByTrayDoubleClick();
  // Selects a tab as the keyboard does (the tab control then notifies the form).
  void selectTab(int index);
  int selectedTab() const;
  bool minimise();
};

// Whether the tray area of the screen shows the level bar's green.
bool trayShowsLevelBar();

}  // namespace mte2e
