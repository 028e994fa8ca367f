// The program's modal dialogs, one copy each: a dialog puts its window in its
// slot when it opens; a second request brings that window forward instead.
#pragma once
#include <cstdint>

#include "tweaker/shell/message_box.h"

namespace vdx {

enum class DialogKind : uint8_t {
  About,
  Options,
  Overclock,
  MiniGLApplications,
  DisplayOutputs,
  Gamma,
  RefreshRates,
  ConfigureSchemes,
  Count
};

struct DialogCommand {
  uint16_t commandId;
  DialogKind kind;
  uint16_t resourceId;  // the dialog template
};

// The row of a command that opens a dialog; null for other commands.
const DialogCommand* findDialogCommand(uint16_t commandId);

// The open dialog of a kind, or null. Dialogs set their slot in
// WM_INITDIALOG; the command handler clears it when the dialog returns.
WindowHandle dialogSlot(DialogKind kind);
void setDialogSlot(DialogKind kind, WindowHandle window);

}  // namespace vdx
