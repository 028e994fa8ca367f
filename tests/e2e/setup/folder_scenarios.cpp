// Reinstalling and upgrading into another folder, after an uninstall that
// kept the settings: the records that name the program folder follow it, the
// old copy goes, "Auto start" comes back. They run after the silent
// scenarios (name order) on the machine those left: settings, no programs.
#include <windows.h>

#include <string>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/setup/setup_session.h"

namespace {

using namespace setup;

const char* const kProgramFiles[] = {"Vidarix.exe", "Memtidy.exe", "confirmation.wav", "Readme.txt", "uninstall.exe"};

std::string regString(HKEY root, const char* path, const char* name) {
  std::string s = "(missing)";
  e2e::regReadString(root, path, name, &s);
  return s;
}

// The records that name the program folder, all pointing at dir.
void checkRecordsPointAt(const std::string& dir) {
  e2e::checkEq("\"" + dir + "\\Memtidy.exe\"", regString(HKEY_LOCAL_MACHINE, kRunKey, "Memtidy"),
               "Memtidy starts with Windows from " + dir);
  e2e::checkEq(dir + "\\Vidarix.exe", regString(HKEY_LOCAL_MACHINE, kRunKey, "Vidarix"),
               "Vidarix starts with Windows from " + dir);
  e2e::checkEq(dir, regString(HKEY_CURRENT_USER, kMemtidyKey, "CurrentDir"), "Memtidy's folder record");
  e2e::checkEq(dir + "\\confirmation.wav", regString(HKEY_CURRENT_USER, kMemtidyKey, "Music"),
               "Memtidy's sound file, which was the one beside the program");
}

}  // namespace

E2E_SCENARIO(da_reinstall_elsewhere_restores_auto_start_and_points_the_records_at_the_new_folder) {
  // As Memtidy's Apply leaves them with "Start automatically with Windows" ticked;
  // Vidarix's "Auto start" was on when it was uninstalled.
  e2e::regWriteDword(HKEY_CURRENT_USER, kMemtidyKey, "AutoStart", 1);
  e2e::regWriteString(HKEY_CURRENT_USER, kMemtidyKey, "Music", installDir() + "\\confirmation.wav");
  e2e::check(!e2e::regExists(HKEY_LOCAL_MACHINE, kRunKey, "Memtidy") &&
                 !e2e::regExists(HKEY_LOCAL_MACHINE, kRunKey, "Vidarix"),
             "the uninstall left no Run entry");

  e2e::checkEq(0, static_cast<long long>(runSetup("/S /D=" + otherDir())), "the setup into another folder ends with 0");
  e2e::check(fileExists(otherDir() + "\\Memtidy.exe"), "installed into " + otherDir());
  checkRecordsPointAt(otherDir());
  e2e::check(!e2e::regExists(HKEY_LOCAL_MACHINE, kVidarixKey, "AutoStart"), "the kept Auto start is used up");
  e2e::check(!FindWindowA("TForm1", "Memtidy Manager"), "nothing ran before, so nothing is started");

  HWND form = startMemtidyFromShortcut();
  e2e::check(form != nullptr, "Memtidy starts from its new folder");
  e2e::checkEq("\"" + otherDir() + "\\Memtidy.exe\"", regString(HKEY_LOCAL_MACHINE, kRunKey, "Memtidy"),
               "and its own start keeps the Run entry there");
}

E2E_SCENARIO(db_upgrade_into_the_first_folder_removes_the_copy_elsewhere_and_starts_memtidy_again) {
  DWORD pid = memtidyProcess();
  e2e::check(pid != 0, "Memtidy runs from " + otherDir() + " before the upgrade");
  // The simulated Vidarix answers its window and commands as the real one does.
  e2e::Process vidarix = e2e::launch(e2e::option("vidarix"));
  e2e::check(e2e::waitWindow("VidarixCls", nullptr, 15000) != nullptr, "Vidarix runs before the upgrade");
  bool vidarixStarted = false;
  e2e::checkEq(0, static_cast<long long>(runSetupWatchingFor("/S /D=" + installDir(), "Vidarix.exe", &vidarixStarted)),
               "the upgrade ends with 0");
  e2e::check(e2e::waitExit(vidarix, 5000), "the running Vidarix was ended");
  if (vidarix.handle) e2e::kill(vidarix);
  e2e::check(vidarixStarted, "and the installed Vidarix started in its place");
  for (const char* f : kProgramFiles) {
    e2e::check(!fileExists(otherDir() + "\\" + f), std::string("the old copy's file is gone: ") + f);
    e2e::check(fileExists(installDir() + "\\" + f), std::string("installed: ") + f);
  }
  e2e::check(!fileExists(otherDir()), "the old folder is gone");
  e2e::checkEq(installDir(), regString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), "Add/Remove names the new folder");
  checkRecordsPointAt(installDir());
  e2e::check(e2e::waitWindow("TForm1", "Memtidy Manager", 15000) != nullptr, "Memtidy runs again after the upgrade");
  std::string image = processImage(memtidyProcess());
  e2e::check(memtidyProcess() != pid && _stricmp(image.c_str(), (installDir() + "\\Memtidy.exe").c_str()) == 0,
             "from the new folder", image);
  // The page scenarios start from a machine without the programs.
  e2e::check(runUninstallSilently(), "uninstalled again, keeping the settings");
}
