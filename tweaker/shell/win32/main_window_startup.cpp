#include "tweaker/shell/win32/main_window_startup.h"

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/adapter/identify_adapter.h"
#include "tweaker/adapter/physical_memory.h"
#include "tweaker/platform/platform.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/settings/driver_defaults.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/settings/preferences_store.h"
#include "tweaker/shell/message_box.h"
#include "tweaker/shell/shell_state.h"
#include "tweaker/shell/startup_checks.h"
#include "tweaker/shell/win32/tray_shell.h"

namespace vdx {

void MainWindowStartup::setHelpFilePath() { vdx::setHelpFilePath(platform().system->windowsDirectory()); }

void MainWindowStartup::enterProgramDirectory() {
  platform().system->setCurrentDirectory(platform().system->programDirectory());
}

void MainWindowStartup::identifyAdapterHardware() { vdx::identifyAdapterHardware(); }

void MainWindowStartup::setDriverDefaults() { vdx::setDriverDefaults(); }

void MainWindowStartup::copyDefaultsToCurrent() { currentOptions() = defaultOptions(); }

void MainWindowStartup::identifyAdapterDriver() { vdx::identifyAdapterDriver(); }

void MainWindowStartup::readStartupClocks() { vdx::readStartupClocks(); }

bool MainWindowStartup::loadPreferences(std::string* lastDrv) {
  PreferencesLoad load = vdx::loadPreferences([](const RegKey&, const AdapterIdentity&) {});
  *lastDrv = load.lastDrv;
  return load.firstRun;
}

void MainWindowStartup::checkDriverChange(const std::string& lastDrv) { vdx::checkDriverChange(lastDrv); }

void MainWindowStartup::loadSchemeList() {
  setSchemeFilePath(resolveSchemeFilePath(preferences().schemeFile, platform().system->systemDirectory()));
  reloadSchemeList(window_);
}

int MainWindowStartup::askBasicOrAdvanced() {
  return ShowMessageBox(window_, kFirstRunQuestion, "Vidarix", kMbYesNo | kMbIconQuestion);
}

void MainWindowStartup::chooseAdvancedMenu() {
  preferences().showAdvanced = true;
  savePreferences();
}

bool MainWindowStartup::clocksAllowed() { return clockState().clocksAllowed; }

void MainWindowStartup::keepStartupClocksForShift() { vdx::keepStartupClocksForShift(schemeFilePath()); }

void MainWindowStartup::setDefaultAgpSize() {
  defaultOptions().AGPSize = defaultAgpSize(adapterIdentity().deviceId, physicalMemoryMegabytes());
}

void MainWindowStartup::checkDirect3D() { vdx::checkDirect3D(); }

void MainWindowStartup::loadTrayIcon() { trayLoadIcon(instance_, adapterIdentity().iconId); }

void MainWindowStartup::postStarted() { PostMessageA(window_, UM_STARTED, 0, 0); }

}  // namespace vdx
