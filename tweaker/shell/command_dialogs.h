// The tray commands that open a dialog, each with its dialog template.
#pragma once
#include <cstddef>
#include <cstdint>

#include "tweaker/ui/dialog_slots.h"

namespace vdx {

struct DialogCommand {
  uint16_t commandId;
  DialogKind kind;
  uint16_t resourceId;  // the dialog template
};

extern const DialogCommand kDialogCommands[];
extern const std::size_t kDialogCommandCount;

// The row of a command that opens a dialog; null for other commands.
const DialogCommand* findDialogCommand(uint16_t commandId);

}  // namespace vdx
