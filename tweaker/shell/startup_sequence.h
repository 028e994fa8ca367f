// The ordered start-up run while the main window is being created. Later
// steps depend on earlier ones, so the order is fixed here, once; what each
// step does lives with the module that owns it.
#pragma once
#include <string>

namespace vdx {

class StartupSteps {
 public:
  virtual ~StartupSteps() = default;
  virtual void setHelpFilePath() = 0;
  virtual void enterProgramDirectory() = 0;
  virtual void identifyAdapterHardware() = 0;
  virtual void setDriverDefaults() = 0;
  virtual void copyDefaultsToCurrent() = 0;
  virtual void identifyAdapterDriver() = 0;
  virtual void readStartupClocks() = 0;
  // Returns whether this is the first run; `lastDrv` gets the card key's "LastDrv".
  virtual bool loadPreferences(std::string* lastDrv) = 0;
  virtual void checkDriverChange(const std::string& lastDrv) = 0;
  virtual void loadSchemeList() = 0;
  // Shows the first-run question and returns the answer.
  virtual int askBasicOrAdvanced() = 0;
  virtual void chooseAdvancedMenu() = 0;
  virtual bool clocksAllowed() = 0;
  virtual void keepStartupClocksForShift() = 0;
  virtual void setDefaultAgpSize() = 0;
  virtual void checkDirect3D() = 0;
  virtual void loadTrayIcon() = 0;
  virtual void postStarted() = 0;
};

void runStartupSequence(StartupSteps& steps);

extern const char kFirstRunQuestion[];

}  // namespace vdx
