// The setup program and its uninstaller run silently (/S), in the order a
// user meets them: install, start Memtidy, install again over it, uninstall.
// The scenarios build on each other, so their names fix the order.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/setup/setup_session.h"

namespace {

using namespace setup;

const char* const kProgramFiles[] = {"Vidarix.exe", "Memtidy.exe", "confirmation.wav", "Readme.txt", "uninstall.exe"};
const char* const kShortcuts[] = {"Vidarix.lnk", "Memtidy.lnk", "Readme.lnk", "Uninstall Vidarix and Memtidy.lnk"};

// A setting as Memtidy's Apply stores it: an 8-byte double.
void writeFreeCpu(double v) { e2e::regWriteBinary(HKEY_CURRENT_USER, kMemtidyKey, "FreeCPU", &v, sizeof v); }
double readFreeCpu() {
  std::vector<unsigned char> b;
  double v = -1;
  if (e2e::regReadBinary(HKEY_CURRENT_USER, kMemtidyKey, "FreeCPU", &b) && b.size() == sizeof v)
    std::memcpy(&v, b.data(), sizeof v);
  return v;
}

std::string regString(HKEY root, const char* path, const char* name) {
  std::string s = "(missing)";
  e2e::regReadString(root, path, name, &s);
  return s;
}

constexpr char kCardKey[] = "Software\\Tessaly\\Vidarix\\8a22_5333100";
constexpr char kSchemeText[] = "[Ferrolux]\r\nQuake=AA=On\r\n";
// Keys of the display driver; the uninstaller must leave them alone.
constexpr char kMiniGlKey[] = "Software\\S3\\S3GL";
constexpr char kDriverSettingsKey[] = "Display\\Settings";

// Where Vidarix opens its help: the HELP folder of the Windows folder.
std::string helpFile() {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, sizeof windows);
  return std::string(windows) + "\\HELP\\Vidarix.hlp";
}

}  // namespace

E2E_SCENARIO(a_silent_install_places_files_shortcuts_and_the_uninstall_entry) {
  e2e::checkEq(0, static_cast<long long>(runSetup("/S")), "the setup program ends with 0");
  for (const char* f : kProgramFiles)
    e2e::check(fileExists(installDir() + "\\" + f), std::string("installed: ") + f, installDir());
  e2e::check(!fileExists(installDir() + "\\Vidarix-sim.exe"), "the development program is not installed");
  e2e::check(fileExists(helpFile()), "installed: the help file where Vidarix opens it", helpFile());
  for (const char* s : kShortcuts)
    e2e::check(fileExists(startMenuDir() + "\\" + s), std::string("Start menu: ") + s, startMenuDir());
  e2e::checkEq(kProduct, regString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "Add/Remove name");
  e2e::checkEq(expectedVersion(), regString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"),
               "Add/Remove version, from the programs' version header");
  e2e::checkEq("Tessaly", regString(HKEY_LOCAL_MACHINE, kUninstallKey, "Publisher"), "Add/Remove publisher");
  e2e::checkEq("\"" + installDir() + "\\uninstall.exe\"",
               regString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), "uninstall command");
  e2e::check(!e2e::regExists(HKEY_LOCAL_MACHINE, kRunKey, "Memtidy") &&
                 !e2e::regExists(HKEY_LOCAL_MACHINE, kRunKey, "Vidarix"),
             "the setup starts nothing and adds no Run entry of its own");
}

E2E_SCENARIO(b_installed_memtidy_starts_from_its_shortcut_and_reaches_the_tray) {
  HWND form = startMemtidyFromShortcut();
  e2e::check(form != nullptr, "Memtidy's window and tray icon are there");
  // Memtidy records the folder it first starts in, so the shortcut must start it there.
  e2e::checkEq(installDir(), regString(HKEY_CURRENT_USER, kMemtidyKey, "CurrentDir"),
               "Memtidy started in its program folder");
  e2e::checkEq("\"" + installDir() + "\\Memtidy.exe\"", regString(HKEY_LOCAL_MACHINE, kRunKey, "Memtidy"),
               "its Run entry names the installed program");
  e2e::screenshot("setup-memtidy-installed-in-tray");
}

// The installed Vidarix is the one for the real chip; Wine's display driver
// answers none of its escapes, so it meets no Savage adapter and must end
// at once with 0, silently (a message box would hold it until answered).
E2E_SCENARIO(b_installed_vidarix_meets_no_savage_and_ends_silently) {
  e2e::Process p = e2e::launch(installDir() + "\\Vidarix.exe");
  DWORD code = 0xDEADBEEF;
  const bool ended = e2e::waitExit(p, 15000, &code);
  if (!ended) e2e::kill(p);
  e2e::check(ended, "Vidarix ends by itself");
  e2e::checkEq(0, static_cast<long long>(code), "with exit code 0");
  e2e::check(FindWindowA("VidarixCls", nullptr) == nullptr, "no main window was left");
}

E2E_SCENARIO(c_install_over_the_first_keeps_settings_and_ends_running_copies) {
  HWND form = FindWindowA("TForm1", "Memtidy Manager");
  DWORD pid = 0;
  if (form) GetWindowThreadProcessId(form, &pid);
  // What the user changed since the first install.
  writeFreeCpu(42);
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kVidarixKey, "ShowAdvanced", "On");
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kCardKey, "Name", "My Savage4");
  e2e::writeFile(schemeFile(), kSchemeText);
  e2e::check(form != nullptr, "Memtidy runs before the second install");

  e2e::checkEq(0, static_cast<long long>(runSetup("/S")), "the second install ends with 0");
  e2e::check(!pid || waitProcessEnds(pid, 5000), "the running Memtidy was ended to replace its file");
  e2e::check(fileExists(installDir() + "\\Memtidy.exe"), "Memtidy.exe is there again");
  HWND again = e2e::waitWindow("TForm1", "Memtidy Manager", 15000);
  e2e::check(again != nullptr && memtidyProcess() != pid, "and the Memtidy that ran before runs again");
  e2e::checkEq(42, static_cast<long long>(readFreeCpu()), "Memtidy's setting is kept");
  e2e::checkEq(installDir(), regString(HKEY_CURRENT_USER, kMemtidyKey, "CurrentDir"), "its folder record is kept");
  e2e::checkEq("On", regString(HKEY_LOCAL_MACHINE, kVidarixKey, "ShowAdvanced"), "Vidarix's preference is kept");
  e2e::checkEq("My Savage4", regString(HKEY_LOCAL_MACHINE, kCardKey, "Name"), "the per-card value is kept");
  e2e::checkEq(kSchemeText, e2e::readFile(schemeFile()), "the scheme file is untouched");
}

E2E_SCENARIO(d_silent_uninstall_ends_both_and_leaves_only_the_settings) {
  HWND form = startMemtidyFromShortcut();
  DWORD pid = 0;
  if (form) GetWindowThreadProcessId(form, &pid);
  e2e::check(form != nullptr, "Memtidy runs before the uninstall");
  // The simulated Vidarix answers its window and commands as the real one does.
  e2e::Process vidarix = e2e::launch(e2e::option("vidarix"));
  e2e::check(e2e::waitWindow("VidarixCls", nullptr, 15000) != nullptr, "Vidarix runs before the uninstall");
  // Vidarix's Options dialog writes this when the user asks for autostart.
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kRunKey, "Vidarix", installDir() + "\\Vidarix.exe");
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kMiniGlKey, "Sentinel", "driver's");
  e2e::regWriteString(HKEY_CURRENT_CONFIG, kDriverSettingsKey, "Sentinel", "driver's");

  e2e::check(runUninstallSilently(), "the uninstaller removes its Add/Remove entry");
  DWORD code = 0xDEADBEEF;
  e2e::check(e2e::waitExit(vidarix, 5000, &code) && code == 0, "Vidarix has left through its Exit command",
             "exit code " + std::to_string(code));
  if (vidarix.handle) e2e::kill(vidarix);
  e2e::check(!pid || waitProcessEnds(pid, 5000), "Memtidy has ended");
  e2e::check(!memtidyTrayIconPresent(), "no Memtidy icon is left in the tray");
  for (const char* f : kProgramFiles)
    e2e::check(!fileExists(installDir() + "\\" + f), std::string("removed: ") + f);
  e2e::check(!fileExists(helpFile()), "removed: the help file", helpFile());
  e2e::check(!fileExists(installDir()), "the program folder is gone");
  e2e::check(!fileExists(startMenuDir()), "the Start menu folder is gone");
  e2e::check(!e2e::regExists(HKEY_LOCAL_MACHINE, kRunKey, "Memtidy"), "Memtidy's Run entry is gone");
  e2e::check(!e2e::regExists(HKEY_LOCAL_MACHINE, kRunKey, "Vidarix"), "Vidarix's Run entry is gone");
  e2e::checkEq(42, static_cast<long long>(readFreeCpu()), "silently, Memtidy's settings stay");
  e2e::checkEq("On", regString(HKEY_LOCAL_MACHINE, kVidarixKey, "ShowAdvanced"), "Vidarix's preferences stay");
  e2e::checkEq("My Savage4", regString(HKEY_LOCAL_MACHINE, kCardKey, "Name"), "the per-card values stay");
  e2e::checkEq(kSchemeText, e2e::readFile(schemeFile()), "the scheme file stays");
  e2e::checkEq("driver's", regString(HKEY_LOCAL_MACHINE, kMiniGlKey, "Sentinel"), "the MiniGL key is untouched");
  e2e::checkEq("driver's", regString(HKEY_CURRENT_CONFIG, kDriverSettingsKey, "Sentinel"),
               "the driver settings key is untouched");
}
