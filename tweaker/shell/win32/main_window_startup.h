// The start-up steps as the program runs them inside WM_CREATE.
#pragma once
#include <windows.h>

#include "tweaker/shell/startup_sequence.h"

namespace vdx {

class MainWindowStartup : public StartupSteps {
 public:
  MainWindowStartup(HWND window, HINSTANCE instance) : window_(window), instance_(instance) {}

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
  HWND window_;
  HINSTANCE instance_;
};

}  // namespace vdx
