// The dialog behind each dialog command, and the named schemes of the tray.
#pragma once
#include <windows.h>

#include "tweaker/shell/command_dialogs.h"
#include "tweaker/shell/win32/shell_window.h"

namespace vdx {

// Runs the command's dialog modally, owned by the main window, with what it
// needs of the program's records, then hands its result to the program.
// False when the program has no such dialog.
bool runCommandDialog(ShellWindow& shell, const DialogCommand& dialog);

// A named scheme from the tray menu: its name from the scheme list, then the
// scheme applied. False (nothing changed) when the name cannot be had.
bool applyNamedScheme(ShellWindow& shell, int index);

}  // namespace vdx
