#include "tweaker/shell/win32/main_window_startup.h"

#include "tweaker/adapter/clock_load.h"
#include "tweaker/adapter/identify_adapter.h"
#include "tweaker/adapter/physical_memory.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/settings/driver_defaults.h"
#include "tweaker/settings/preferences_store.h"
#include "tweaker/shell/program_records.h"
#include "tweaker/shell/startup_checks.h"
#include "tweaker/shell/win32/tray_shell.h"

namespace vdx {

void MainWindowStartup::setHelpFilePath() {
  program_.shell.helpFilePath = helpFilePathFor(program_.services.system->windowsDirectory());
}

void MainWindowStartup::enterProgramDirectory() {
  SystemServices& system = *program_.services.system;
  system.setCurrentDirectory(system.programDirectory());
}

void MainWindowStartup::identifyAdapterHardware() { fillAdapterHardware(program_.services, program_.identity); }

void MainWindowStartup::setDriverDefaults() {
  vdx::setDriverDefaults(*program_.services.ports, program_.identity,
                         physicalMemoryMegabytes(*program_.services.system), program_.defaultOptions);
}

void MainWindowStartup::copyDefaultsToCurrent() { program_.currentOptions = program_.defaultOptions; }

void MainWindowStartup::identifyAdapterDriver() { fillAdapterDriver(program_.services, program_.identity); }

void MainWindowStartup::readStartupClocks() {
  vdx::readStartupClocks(*program_.services.ports, program_.identity, program_.clocks);
}

bool MainWindowStartup::loadPreferences(std::string* lastDrv) {
  Program& p = program_;
  HWND owner = shell_.window;
  PreferencesLoad load = vdx::loadPreferences(
      *p.services.registry, p.identity, p.preferences, [&p, owner](const RegKey& card, const AdapterIdentity& id) {
        loadClockSettings(card, id, *p.messageBoxes, owner, p.clocks);
      });
  *lastDrv = load.lastDrv;
  return load.firstRun;
}

void MainWindowStartup::checkDriverChange(const std::string& lastDrv) {
  vdx::checkDriverChange(program_.services, program_.identity, lastDrv);
}

void MainWindowStartup::loadSchemeList() {
  program_.schemeFilePath =
      resolveSchemeFilePath(program_.preferences.schemeFile, program_.services.system->systemDirectory());
  reloadSchemeList(shell_.window, *program_.services.profile, program_.schemeFilePath,
                   program_.preferences.sortSchemeMenu);
}

int MainWindowStartup::askBasicOrAdvanced() {
  return ShowMessageBox(*program_.messageBoxes, shell_.window, kFirstRunQuestion, "Vidarix",
                        kMbYesNo | kMbIconQuestion);
}

void MainWindowStartup::chooseAdvancedMenu() { vdx::chooseAdvancedMenu(program_); }

bool MainWindowStartup::clocksAllowed() { return program_.clocks.clocksAllowed; }

void MainWindowStartup::keepStartupClocksForShift() {
  vdx::keepStartupClocksForShift(program_.services, program_.schemeFilePath, program_.clocks);
}

void MainWindowStartup::setDefaultAgpSize() {
  program_.defaultOptions.AGPSize =
      defaultAgpSize(program_.identity.deviceId, physicalMemoryMegabytes(*program_.services.system));
}

void MainWindowStartup::checkDirect3D() {
  vdx::checkDirect3D(program_.services, program_.identity, &program_.shell.texPatchUnavailable);
}

void MainWindowStartup::loadTrayIcon() { trayLoadIcon(shell_, program_.identity.iconId); }

void MainWindowStartup::postStarted() { PostMessageA(shell_.window, UM_STARTED, 0, 0); }

}  // namespace vdx
