// Configure Schemes opened from the tray, with the program behind it.
#pragma once
#include "tweaker/shell/command_dialogs.h"
#include "tweaker/shell/win32/shell_window.h"

namespace vdx {

void runConfigureSchemes(ShellWindow& shell, const DialogCommand& dialog);

}  // namespace vdx
