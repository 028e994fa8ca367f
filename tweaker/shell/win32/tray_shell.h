// The tray side of the main window: the notification-area icon and its
// tooltip, the tray menu, and the menu commands.
#pragma once
#include <windows.h>

#include <cstddef>

#include "tweaker/shell/win32/shell_window.h"

namespace vdx {

// The icon's id in the notification area.
constexpr UINT kTrayIconId = 101;

// The chip family icon, loaded once at start-up.
void trayLoadIcon(ShellWindow& shell, unsigned iconId);
void trayAdd(ShellWindow& shell, const char* text);
void trayModify(ShellWindow& shell, const char* text);
void trayDelete(ShellWindow& shell);
// Builds the tooltip into `text` (256 bytes or more) and shows it.
void composeTooltip(ShellWindow& shell, char* text, std::size_t size);

// Called first for every message of the main window: true when it was the
// tray callback or the taskbar's "TaskbarCreated" broadcast, both handled.
bool trayHandleMessage(ShellWindow& shell, UINT msg, WPARAM wParam, LPARAM lParam);

// Builds, tracks and destroys the tray menu; the chosen command is sent to
// the main window as WM_COMMAND before this returns.
void openTrayMenu(ShellWindow& shell);

// WM_COMMAND of the main window.
void handleCommand(ShellWindow& shell, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
