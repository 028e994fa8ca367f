#include "tweaker/shell/startup_sequence.h"

#include "tweaker/ui/message_box.h"

namespace vdx {

const char kFirstRunQuestion[] =
    "Choose Basic menu or Advanced menu.\n\nBasic menu: no potentially harmful options\nAdvanced menu: all "
    "available options, including possibly dangerous ones.\n\nChoose Yes for Basic menu, No for Advanced menu.";

void runStartupSequence(StartupSteps& steps) {
  steps.setHelpFilePath();
  steps.enterProgramDirectory();
  steps.identifyAdapterHardware();
  // The defaults depend on the chip only; the driver half of the
  // identification may then change capabilities without touching them.
  steps.setDriverDefaults();
  steps.copyDefaultsToCurrent();
  steps.identifyAdapterDriver();
  steps.readStartupClocks();
  std::string lastDrv;
  const bool firstRun = steps.loadPreferences(&lastDrv);
  steps.checkDriverChange(lastDrv);
  steps.loadSchemeList();
  // Only an explicit "No" turns the advanced menu on; Esc keeps the basic one.
  if (firstRun && steps.askBasicOrAdvanced() == kIdNo) steps.chooseAdvancedMenu();
  if (!steps.clocksAllowed()) steps.keepStartupClocksForShift();
  steps.setDefaultAgpSize();
  steps.checkDirect3D();
  steps.loadTrayIcon();
  steps.postStarted();
}

}  // namespace vdx
