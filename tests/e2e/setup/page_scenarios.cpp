// The setup program and the uninstaller as a user sees them, page by page,
// driven by keys, with a screenshot of every page. They run after the silent
// scenarios (name order) on the machine those left: settings, no programs.
#include <windows.h>

#include <cstring>
#include <string>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/setup/setup_session.h"

namespace {

using namespace setup;

bool keyExists(HKEY root, const char* path) {
  HKEY k = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  RegCloseKey(k);
  return true;
}

// Enter on the wizard presses its default button (Next, Install, Close).
void enter(HWND w) { e2e::keys(w, {VK_RETURN}, 200); }

BOOL CALLBACK findTree(HWND w, LPARAM lp) {
  char cls[32] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (std::strcmp(cls, "SysTreeView32") != 0) return TRUE;
  *reinterpret_cast<HWND*>(lp) = w;
  return FALSE;
}

// The components list: Space switches the selected item, arrows move.
HWND componentTree(HWND wizard) {
  HWND tree = nullptr;
  EnumChildWindows(wizard, findTree, reinterpret_cast<LPARAM>(&tree));
  return tree;
}

}  // namespace

E2E_SCENARIO(e_setup_pages_by_keys) {
  e2e::Process p = e2e::launch(setupPath());
  HWND wizard = waitWizard("Vidarix and Memtidy Setup", 15000);
  if (!e2e::check(wizard != nullptr, "the setup wizard opens")) {
    e2e::kill(p);
    return;
  }
  e2e::check(waitPage(wizard, "Choose Components", 5000), "first page: the components", pageText(wizard));
  e2e::check(pageText(wizard).find("Memtidy") != std::string::npos, "the page lists Memtidy", pageText(wizard));
  e2e::screenshot("setup-1-components");
  // With both programs switched off the wizard refuses to go on.
  HWND tree = componentTree(wizard);
  e2e::check(tree != nullptr, "the components list is there");
  e2e::keys(tree, {VK_HOME, VK_SPACE, VK_DOWN, VK_SPACE}, 150);
  enter(wizard);
  HWND box = waitMessageBox("Vidarix and Memtidy Setup", wizard, 5000);
  e2e::check(box != nullptr && pageText(box).find("at least one") != std::string::npos,
             "nothing chosen: it asks for at least one program", box ? pageText(box) : "");
  e2e::screenshot("setup-1a-nothing-chosen");
  if (box) enter(box);
  e2e::check(!box || e2e::waitGone(box, 5000), "the notice closes");
  e2e::check(pageText(wizard).find("Choose Components") != std::string::npos, "the components page stays");
  e2e::keys(tree, {VK_SPACE, VK_UP, VK_SPACE}, 150);
  enter(wizard);
  e2e::check(waitPage(wizard, "Choose Install Location", 5000), "then the folder", pageText(wizard));
  e2e::check(pageText(wizard).find(installDir()) != std::string::npos, "proposed folder: Program Files\\Tessaly",
             pageText(wizard));
  e2e::screenshot("setup-2-folder");
  enter(wizard);
  e2e::check(waitPage(wizard, "Installation Complete", 20000), "then the files are installed", pageText(wizard));
  e2e::screenshot("setup-3-complete");
  enter(wizard);
  DWORD code = 0xDEADBEEF;
  e2e::check(e2e::waitExit(p, 10000, &code), "Close ends the setup program");
  e2e::checkEq(0, static_cast<long long>(code), "exit code 0");
  e2e::check(fileExists(installDir() + "\\Memtidy.exe") && fileExists(installDir() + "\\Vidarix.exe"),
             "both programs are installed");
  e2e::check(!FindWindowA("TForm1", "Memtidy Manager"), "no program was started unasked");
}

E2E_SCENARIO(f_uninstall_pages_by_keys_remove_the_settings_when_asked) {
  e2e::Process p = e2e::launch(installDir() + "\\uninstall.exe");
  HWND wizard = waitWizard("Vidarix and Memtidy Uninstall", 15000);
  if (!e2e::check(wizard != nullptr, "the uninstaller opens")) return;
  e2e::check(waitPage(wizard, "Remove Vidarix and Memtidy from your computer", 5000), "first page: the question",
             pageText(wizard));
  e2e::screenshot("uninstall-1-confirm");
  enter(wizard);
  HWND box = waitMessageBox("Vidarix and Memtidy Uninstall", wizard, 15000);
  if (!e2e::check(box != nullptr, "it asks about the settings")) return;
  e2e::check(pageText(box).find("settings") != std::string::npos, "the question names the settings", pageText(box));
  e2e::screenshot("uninstall-2-settings-question");
  PostMessageA(box, WM_CHAR, 'y', 1);  // the "&Yes" button's key
  e2e::check(waitPage(wizard, "Uninstallation Complete", 15000), "then it finishes", pageText(wizard));
  e2e::screenshot("uninstall-3-complete");
  enter(wizard);
  e2e::check(e2e::waitGone(wizard, 10000), "Close ends the uninstaller");
  e2e::waitExit(p, 5000);
  e2e::check(!fileExists(installDir()), "the program folder is gone");
  e2e::check(!keyExists(HKEY_CURRENT_USER, kMemtidyKey), "Memtidy's settings are gone");
  e2e::check(!keyExists(HKEY_LOCAL_MACHINE, kVidarixKey), "Vidarix's settings and per-card keys are gone");
  e2e::check(!keyExists(HKEY_LOCAL_MACHINE, kMakerKey), "so is the maker's now empty key");
  e2e::check(!fileExists(schemeFile()), "and the scheme file");
  e2e::check(e2e::regExists(HKEY_LOCAL_MACHINE, "Software\\S3\\S3GL", "Sentinel"), "the MiniGL key stays");
}
