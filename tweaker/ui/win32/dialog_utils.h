// What every dialog of the program does: centre itself over another window
// and answer context-help requests from the shared help table.
#pragma once
#include <windows.h>

#include <string>

namespace vdx {

void centreWindowOn(HWND reference, HWND window);

// A control's rectangle in its dialog's client coordinates.
RECT childRect(HWND dialog, int id);
// Makes the dialog shorter by `pixels`, its top edge staying where it is.
void shortenDialog(HWND dialog, int pixels);

// For WM_HELP and WM_CONTEXTMENU, from `helpFile`; other messages are ignored.
void showContextHelp(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const std::string& helpFile);

}  // namespace vdx
