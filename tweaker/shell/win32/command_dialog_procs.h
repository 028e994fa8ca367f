// The dialog procedure behind each dialog command.
#pragma once
#include <windows.h>

#include "tweaker/shell/command_dialogs.h"

namespace vdx {

// Null for a dialog this build does not have yet.
DLGPROC dialogProcedure(DialogKind kind);

// A named scheme from the tray menu: its name from the scheme list, then the
// scheme applied. False (nothing changed) when the name cannot be had.
bool applyNamedScheme(HWND owner, int index);

}  // namespace vdx
