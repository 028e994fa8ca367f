// The start-up steps as the program runs them inside WM_CREATE.
#pragma once
#include <windows.h>

#include "tweaker/shell/startup_sequence.h"
#include "tweaker/shell/win32/shell_window.h"

namespace vdx {

class MainWindowStartup : public StartupSteps {
 public:
  explicit MainWindowStartup(ShellWindow& shell) : shell_(shell), program_(shell.program) {}

  void setHelpFilePath() override;
  void enterProgramDirectory() override;
  void identifyAdapterHardware() override;
  void setDriverDefaults() override;
  void copyDefaultsToCurrent() override;
  void identifyAdapterDriver() override;
  void readStartupClocks() override;
  bool loadPreferences(std::string* lastDrv) override;
  void checkDriverChange(const std::string& lastDrv) override;
  void loadSchemeList() override;
  int askBasicOrAdvanced() override;
  void chooseAdvancedMenu() override;
  bool clocksAllowed() override;
  void keepStartupClocksForShift() override;
  void setDefaultAgpSize() override;
  void checkDirect3D() override;
  void loadTrayIcon() override;
  void postStarted() override;

 private:
  ShellWindow& shell_;
  Program& program_;
};

}  // namespace vdx
