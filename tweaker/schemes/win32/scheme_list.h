// The hidden list of scheme names, a child list box of the main window whose
// item index is the scheme index everywhere else.
#pragma once
#include <windows.h>

#include <string>

#include "tweaker/platform/profile.h"

namespace vdx {

// Creates the list when needed, empties it and refills it from the scheme
// file, sorted or in file order. False when the list window cannot be created.
bool reloadSchemeList(HWND owner, ProfileFile& profile, const std::string& schemeFile, bool sorted);

// The list window, or null before the first reload.
HWND schemeListWindow(HWND owner);

}  // namespace vdx
