// The hidden list of scheme names, a child list box of the main window whose
// item index is the scheme index everywhere else.
#pragma once
#include <windows.h>

namespace vdx {

// Creates the list when needed, empties it and refills it from the scheme
// file. False when the list window cannot be created.
bool reloadSchemeList(HWND owner);

// The list window, or null before the first reload.
HWND schemeListWindow(HWND owner);

}  // namespace vdx
