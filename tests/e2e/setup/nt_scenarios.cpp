// The setup program and the uninstaller on Windows NT, after the page
// scenarios (name order) left a machine without programs or settings: what
// is offered there, an uninstall that has nothing in use, and a user who may
// not write the program folder or HKEY_LOCAL_MACHINE.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/setup/setup_session.h"

namespace {

using namespace setup;

void enter(HWND w) { e2e::keys(w, {VK_RETURN}, 200); }

BOOL CALLBACK findTree(HWND w, LPARAM lp) {
  char cls[32] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (lstrcmpA(cls, "SysTreeView32") != 0) return TRUE;
  *reinterpret_cast<HWND*>(lp) = w;
  return FALSE;
}

long long componentCount(HWND wizard) {
  HWND tree = nullptr;
  EnumChildWindows(wizard, findTree, reinterpret_cast<LPARAM>(&tree));
  return tree ? static_cast<long long>(SendMessageA(tree, TVM_GETCOUNT, 0, 0)) : -1;
}

// Nothing the installation holds has changed: files, Add/Remove entry, the
// running Memtidy.
void checkInstallationUntouched(DWORD memtidyPid, const std::string& what) {
  e2e::check(fileExists(installDir() + "\\Memtidy.exe") && fileExists(installDir() + "\\uninstall.exe"),
             what + ": the installed files are there");
  e2e::check(e2e::regExists(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), what + ": so is the Add/Remove entry");
  e2e::check(memtidyPid != 0 && memtidyProcess() == memtidyPid, what + ": the running Memtidy was left alone");
}

}  // namespace

E2E_SCENARIO(g_nt_setup_offers_memtidy_only_and_the_uninstall_asks_for_no_restart) {
  AsWindowsNt nt;
  e2e::Process p = e2e::launch(setupPath());
  HWND wizard = waitWizard("Vidarix and Memtidy Setup", 15000);
  if (!e2e::check(wizard != nullptr, "the setup wizard opens")) {
    e2e::kill(p);
    return;
  }
  e2e::check(waitPage(wizard, "Choose Components", 5000), "first page: the components", pageText(wizard));
  e2e::checkEq(1, componentCount(wizard), "on NT the list holds Memtidy alone");
  e2e::screenshot("setup-nt-1-components");
  enter(wizard);
  e2e::check(waitPage(wizard, "Choose Install Location", 5000), "then the folder", pageText(wizard));
  enter(wizard);
  e2e::check(waitPage(wizard, "Installation Complete", 20000), "then the files are installed", pageText(wizard));
  enter(wizard);
  e2e::waitExit(p, 10000);
  e2e::check(fileExists(installDir() + "\\Memtidy.exe"), "Memtidy is installed");
  e2e::check(!fileExists(installDir() + "\\Vidarix.exe") && !fileExists(startMenuDir() + "\\Vidarix.lnk"),
             "Vidarix is not");

  // A file of the user's own keeps the folder; nothing runs, so nothing waits for a restart.
  const std::string notes = installDir() + "\\notes.txt";
  e2e::writeFile(notes, "mine\r\n");
  e2e::Process u = e2e::launch(installDir() + "\\uninstall.exe");
  HWND un = waitWizard("Vidarix and Memtidy Uninstall", 15000);
  if (!e2e::check(un != nullptr, "the uninstaller opens")) return;
  e2e::check(waitPage(un, "Remove Vidarix and Memtidy from your computer", 5000), "first page: the question");
  enter(un);
  HWND box = waitMessageBox("Vidarix and Memtidy Uninstall", un, 15000);
  if (!e2e::check(box != nullptr, "it asks about the settings")) return;
  PostMessageA(box, WM_CHAR, 'n', 1);
  e2e::waitGone(box, 5000);
  HWND notice = waitMessageBox("Vidarix and Memtidy Uninstall", un, 3000);
  e2e::check(notice == nullptr, "no restart notice", notice ? pageText(notice) : "");
  if (notice) enter(notice);
  e2e::check(waitPage(un, "Uninstallation Complete", 15000), "then it finishes", pageText(un));
  e2e::screenshot("uninstall-nt-complete");
  enter(un);
  e2e::waitGone(un, 10000);
  e2e::waitExit(u, 5000);
  e2e::check(!fileExists(installDir() + "\\Memtidy.exe"), "Memtidy is removed");
  e2e::checkEq("mine\r\n", e2e::readFile(notes), "the user's file and its folder stay");
  DeleteFileA(notes.c_str());
  RemoveDirectoryA(installDir().c_str());
}

E2E_SCENARIO(h_nt_a_user_who_may_not_write_is_told_so_and_nothing_changes) {
  AsWindowsNt nt;
  e2e::checkEq(0, static_cast<long long>(runSetup("/S")), "an administrator installs first");
  startMemtidyFromShortcut();
  DWORD pid = memtidyProcess();
  {
    HklmWriteDenied denied;
    e2e::check(denied.active(), "HKEY_LOCAL_MACHINE is closed to writing");
    e2e::Process p = e2e::launch(setupPath());
    HWND box = waitWizard("Vidarix and Memtidy Setup", 15000);
    std::string text = box ? pageText(box) : "";
    e2e::check(text.find("An administrator must run setup") != std::string::npos &&
                   text.find("Nothing has been changed") != std::string::npos,
               "one message: an administrator must run setup", text);
    e2e::screenshot("setup-nt-not-administrator");
    if (box) enter(box);
    DWORD code = 0xDEADBEEF;
    if (!e2e::waitExit(p, 10000, &code)) e2e::kill(p);
    e2e::checkEq(5, static_cast<long long>(code), "the setup ends with access denied");
  }
  checkInstallationUntouched(pid, "HKEY_LOCAL_MACHINE closed");

  const std::string locked = e2e::option("locked") + "\\Tessaly";
  e2e::check(!e2e::option("locked").empty(), "the suite gives a folder nobody may write");
  e2e::checkEq(5, static_cast<long long>(runSetup("/S /D=" + locked)), "a silent setup into it ends with access denied");
  e2e::check(!fileExists(locked), "nothing was created there");
  checkInstallationUntouched(pid, "the folder closed");
  e2e::check(runUninstallSilently(), "the administrator uninstalls");
}
