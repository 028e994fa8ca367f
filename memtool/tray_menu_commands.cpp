// What each entry of the tray menu does.
#include "memtool/form.h"
#include "memtool/platform/clipboard.h"

namespace mt {

void TForm1::TrayMenuCommand(TrayCommand command) {
  switch (command) {
    case TrayCommand::RestartWindows:
      XWinReboot1.Operation = roReboot;
      XWinReboot1.Execute(*services_.shutdown);
      break;
    case TrayCommand::SuspendWindows:
      XWinReboot1.Operation = roSuspend;
      XWinReboot1.Execute(*services_.shutdown);
      break;
    case TrayCommand::ShutdownWindows:
      XWinReboot1.Operation = roShutDown;
      XWinReboot1.Execute(*services_.shutdown);
      break;
    case TrayCommand::ClearClipboard: services_.clipboard->clear(); break;
    case TrayCommand::FreeUp1: PopMenuClick(1); break;
    case TrayCommand::FreeUp2: PopMenuClick(2); break;
    case TrayCommand::FreeUp3: PopMenuClick(3); break;
    case TrayCommand::Open: ShowMainWindow(); break;
    case TrayCommand::Close: Close1Click(); break;
    case TrayCommand::None: break;
  }
}

}  // namespace mt
