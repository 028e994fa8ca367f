// The tray side of the main window: the notification-area icon and its
// tooltip, the tray menu, and the menu commands.
#pragma once
#include <windows.h>

#include <cstddef>

namespace vdx {

// The icon's id in the notification area.
constexpr UINT kTrayIconId = 101;

// The chip family icon, loaded once at start-up.
void trayLoadIcon(HINSTANCE instance, unsigned iconId);
void trayAdd(HWND hwnd, const char* text);
void trayModify(HWND hwnd, const char* text);
void trayDelete(HWND hwnd);
// Builds the tooltip into `text` (256 bytes or more) and shows it.
void composeTooltip(HWND hwnd, char* text, std::size_t size);

// Called first for every message of the main window: true when it was the
// tray callback or the taskbar's "TaskbarCreated" broadcast, both handled.
bool trayHandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Builds, tracks and destroys the tray menu; the chosen command is sent to
// the main window as WM_COMMAND before this returns.
void openTrayMenu(HWND hwnd);

// WM_COMMAND of the main window.
void handleCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);

}  // namespace vdx
