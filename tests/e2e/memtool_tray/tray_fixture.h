// Shared set-up of the tray, cache and description scenarios: a known
// SYSTEM.INI in the Windows folder and settings that keep the monitor quiet.
#pragma once
#include <string>
#include <vector>

#include "tests/e2e/memtool/memtidy_session.h"

namespace traye2e {

// C:\windows\system.ini of the prefix, where SYSTEM.INI without a folder lands.
std::string systemIniPath();
// A SYSTEM.INI with a vcache section among others, in the form the profile
// functions write (no blanks around "=", CRLF), so that a rewrite of the
// whole file shows every line that changed.
extern const char kTestSystemIni[];
// Lines of a CRLF text, and the same without the three cache entries.
std::vector<std::string> lines(const std::string& text);
std::vector<std::string> withoutCacheEntries(const std::vector<std::string>& all);
// The value of a vcache entry as the file holds it, or "<absent>".
std::string cacheEntry(const std::string& fileText, const std::string& key);

// Stored settings that keep the monitor from recovering on its own: minimum
// 0 (the low-memory rule never acts), periodic amount 0, small tray amounts.
void quietSettings();

// Slider position and enabled state of a control of the running form.
int sliderPos(const mte2e::Session& s, mt::Ctl id);
bool isEnabled(const mte2e::Session& s, mt::Ctl id);
// A posted mouse move over a control (or the tab sheet), then a pause.
void hover(HWND w, int x, int y);
// The tab sheet that lies under every tab's controls.
HWND tabSheet(const mte2e::Session& s);

// Opens the tray menu with the cursor at (x, y); the popup window or null.
HWND openTrayMenu(const mte2e::Session& s, int x, int y);
// Chooses the entry `upPresses` up from the bottom (1 = the last entry) and
// waits for the menu to close. Counting from the bottom keeps a lost key
// away from the restart and shutdown entries at the top.
void chooseFromBottom(HWND menu, int upPresses);

}  // namespace traye2e
