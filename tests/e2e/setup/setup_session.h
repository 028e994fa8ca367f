// What the setup scenarios share: where the setup program puts things, how
// to run it and its uninstaller, and how to find its wizard pages.
#pragma once
#include <windows.h>

#include <string>

#include "tests/e2e/common/driver.h"

namespace setup {

constexpr char kProduct[] = "Vidarix and Memtidy";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VidarixMemtidy";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kMemtidyKey[] = "Software\\Memtidy";
constexpr char kVidarixKey[] = "Software\\Tessaly\\Vidarix";
constexpr char kMakerKey[] = "Software\\Tessaly";

// --setup=<Windows path of the setup program>, --version=<release version>,
// --vidarix=<Windows path of a Vidarix that runs here (the simulated one)>.
std::string setupPath();
std::string expectedVersion();
// The program folder (Program Files\Tessaly) and the Start menu folder.
std::string installDir();
// Another folder a user may choose on reinstall or upgrade.
std::string otherDir();
std::string startMenuDir();
// Vidarix's default scheme file: Vidarix.dat in the system folder.
std::string schemeFile();
bool fileExists(const std::string& path);

// Runs the setup program with the arguments and waits for it; its exit code.
DWORD runSetup(const std::string& args);
// The same, noting whether a process of the program file name (any folder)
// ran while it did or in the three seconds after: a program the setup starts
// may end at once (Vidarix does on this machine, which has no Savage card).
DWORD runSetupWatchingFor(const std::string& args, const char* exeName, bool* seen);
// Runs the installed uninstaller silently. It hands over to a copy of itself
// outside the program folder, so this waits for the Uninstall key to go.
bool runUninstallSilently(const std::string& dir = installDir());

// Starts Memtidy as the user does, through its Start menu shortcut, and
// waits for its window and tray icon. Null when it did not get there.
HWND startMemtidyFromShortcut();
bool memtidyTrayIconPresent();
// Waits until the process has ended.
bool waitProcessEnds(DWORD pid, int timeoutMs);
// The running Memtidy's process id and program file (0 and "" when none).
DWORD memtidyProcess();
std::string processImage(DWORD pid);

// Wine reports the Windows version of HKCU\Software\Wine "Version" to the
// programs started after it is set; this one reports NT (XP) while it lives.
class AsWindowsNt {
 public:
  AsWindowsNt();
  ~AsWindowsNt();
};

// While it lives, nobody may write values into the Uninstall key of
// HKEY_LOCAL_MACHINE, as for a user on NT who is no administrator.
class HklmWriteDenied {
 public:
  HklmWriteDenied();
  ~HklmWriteDenied();
  bool active() const { return !saved_.empty(); }

 private:
  std::string saved_;  // the key's security descriptor before
};

// The setup wizard's own window (the main dialog, not a message box).
HWND waitWizard(const char* title, int timeoutMs);
// The message box a wizard shows, told from the wizard by its handle.
HWND waitMessageBox(const char* title, HWND wizard, int timeoutMs);
// Text of the wizard's page heading, to know which page is up.
std::string pageText(HWND wizard);
// Waits until the wizard shows a page whose texts hold the fragment.
bool waitPage(HWND wizard, const char* fragment, int timeoutMs);

}  // namespace setup
